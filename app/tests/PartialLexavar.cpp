// A stand-in for a wrong or outdated Lexavar: it exports Start and
// GetMainForm only.
extern "C" {
__attribute__((visibility("default"))) int Start(const char*, const char*, const char*) {
    return 1;
}
__attribute__((visibility("default"))) const char* GetMainForm(int) {
    return "Error";
}
}

// The C entry points of libLexavar.so.
#include "lexavar.h"

extern "C" {
int Start(const char*, const char*, const char*) { return 0; }
int GrafAnalysFile(const char*) { return 0; }
int GrafAnalys(const char*) { return 0; }
int GetColSents(void) { return 0; }
int GetSent(int, int* first) {
    if (first) *first = 0;
    return 0;
}
const char* GetSentText(int) { return ""; }
const char* GetWord(int) { return ""; }
int GetBig(int) { return 0; }
int NormolWordByNom(int, int) { return 0; }
int NormolWord(const char*) { return 0; }
const char* DivWord(const char*) { return nullptr; }
int GetVecLen(void) { return 0; }
const LexavarMorphVariant* GetMorf(int) { return nullptr; }
const char* GetMainForm(int) { return "Error"; }
int GetID(int) { return -1; }
int GetType(int) { return 0; }
int GetRod(int) { return 0; }
int GetChislo(int) { return 0; }
int GetPadezh(int) { return 0; }
int GetOdush(int) { return 0; }
int GetPril(int) { return 0; }
int GetVrem(int) { return 0; }
int GetGlag(int) { return 0; }
int GetLico(int) { return 0; }
int GetDeist(int) { return 0; }
int GetVid(int) { return 0; }
int GetPereh(int) { return 0; }
int GetProch(int) { return 0; }
int GetProch2(int) { return 0; }
int GetByNom(int, int slot) { return slot; }
}

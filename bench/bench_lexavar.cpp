// Lexavar benchmarks: Start with a synthetic dictionary of the shipped size
// and with the real one, GrafAnalysFile over a novel, and NormolWordByNom over
// every unit of it with GetMainForm and GetType read for every variant.
//
//   LEXAVAR_CORPUS  the text (default ../shared/corpus/anna_karenina.cp1251.txt
//                   beside the repository)
//   LEXAVAR_DATA    folder with main.dic, end.mdl, types.chn (default data/)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "MorphEngine.h"
#include "lexavar.h"

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

std::string CorpusPath() {
    return Env("LEXAVAR_CORPUS",
               std::string(QUILLON_SOURCE_DIR) + "/../shared/corpus/anna_karenina.cp1251.txt");
}

fs::path RealData() {
    return Env("LEXAVAR_DATA", std::string(QUILLON_SOURCE_DIR) + "/data");
}

bool HaveRealData() {
    return fs::exists(RealData() / "main.dic");
}

// Resident memory of this process in bytes.
long ResidentBytes() {
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * 4096;
}

// A dictionary of 190,000 entries over 3,300 paradigms and 800 type codes.
fs::path SyntheticData() {
    static fs::path dir;
    if (!dir.empty())
        return dir;
    dir = fs::temp_directory_path() / "lexavar-bench-dictionary";
    fs::create_directories(dir);
    std::mt19937 rng(7);
    auto letter = [&] { return static_cast<char>(0xE0 + rng() % 32); };
    std::vector<std::string> codes;
    {
        std::ofstream out(dir / "types.chn", std::ios::binary);
        for (int k = 0; k < 800; ++k) {
            std::string code{static_cast<char>(0xE0 + k / 32), static_cast<char>(0xE0 + k % 32)};
            codes.push_back(code);
            char digits[16];
            std::snprintf(digits, sizeof digits, "%02d%013d", k % 100, k * 7919 % 1000000007);
            out << code << " tag x" << digits << "\n";
        }
    }
    std::vector<std::string> endings;
    for (int k = 0; k < 400; ++k) {
        std::string e;
        for (int n = rng() % 4; n > 0; --n)
            e += letter();
        endings.push_back(e);
    }
    {
        std::ofstream out(dir / "end.mdl", std::ios::binary);
        for (int p = 0; p < 3300; ++p) {
            const int items = 6 + rng() % 20;
            for (int i = 0; i < items; ++i)
                out << endings[rng() % endings.size()] << ' ' << codes[rng() % codes.size()] << ' '
                    << (i == 0 ? 0 : i) << ' ';
            out << "\n";
        }
    }
    {
        std::set<std::string> stems;
        while (stems.size() < 190000) {
            std::string s;
            for (int n = 2 + rng() % 8; n > 0; --n)
                s += letter();
            stems.insert(s);
        }
        std::ofstream out(dir / "main.dic", std::ios::binary);
        for (const std::string& s : stems)
            out << s << ' ' << rng() % 3300 << ' ' << codes[rng() % codes.size()] << "\n";
    }
    return dir;
}

void StartWith(benchmark::State& state, const fs::path& dir) {
    const std::string dic = (dir / "main.dic").string(), mdl = (dir / "end.mdl").string(),
                      chn = (dir / "types.chn").string();
    for (auto _ : state)
        benchmark::DoNotOptimize(Start(dic.c_str(), mdl.c_str(), chn.c_str()));
    // Memory of one engine: resident growth while a second one is built.
    const long before = ResidentBytes();
    auto engine = std::make_unique<lexavar::MorphEngine>(dic.c_str(), mdl.c_str(), chn.c_str());
    state.counters["engine_MB"] = (ResidentBytes() - before) / 1e6;
    state.counters["tables_MB"] = engine->MemoryBytes() / 1e6;
    state.counters["entries"] = engine->entryCount();
    state.counters["paradigms"] = engine->paradigmCount();
}

void BM_StartSynthetic(benchmark::State& state) {
    StartWith(state, SyntheticData());
}
BENCHMARK(BM_StartSynthetic)->Unit(benchmark::kMillisecond);

void BM_StartReal(benchmark::State& state) {
    if (!HaveRealData()) {
        state.SkipWithError("no dictionary in LEXAVAR_DATA");
        return;
    }
    StartWith(state, RealData());
}
BENCHMARK(BM_StartReal)->Unit(benchmark::kMillisecond);

void BM_GrafAnalysFile(benchmark::State& state) {
    const std::string path = CorpusPath();
    if (!fs::exists(path)) {
        state.SkipWithError("corpus text not found (LEXAVAR_CORPUS)");
        return;
    }
    int units = 0;
    for (auto _ : state)
        units = GrafAnalysFile(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * fs::file_size(path));
    state.counters["units"] = units;
}
BENCHMARK(BM_GrafAnalysFile)->Unit(benchmark::kMillisecond);

void Analyse(benchmark::State& state, const fs::path& dir) {
    const std::string path = CorpusPath();
    if (!fs::exists(path)) {
        state.SkipWithError("corpus text not found (LEXAVAR_CORPUS)");
        return;
    }
    Start((dir / "main.dic").string().c_str(), (dir / "end.mdl").string().c_str(),
          (dir / "types.chn").string().c_str());
    const int units = GrafAnalysFile(path.c_str());
    long variants = 0, found = 0;
    for (auto _ : state) {
        variants = found = 0;
        for (int u = 0; u < units; ++u) {
            const int n = NormolWordByNom(u, 1);
            found += n > 0;
            for (int v = 0; v < n; ++v) {
                benchmark::DoNotOptimize(GetMainForm(v));
                benchmark::DoNotOptimize(GetType(v));
            }
            variants += n;
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * units);
    state.counters["units"] = units;
    state.counters["variants_per_unit"] = static_cast<double>(variants) / units;
    state.counters["units_with_variants"] = static_cast<double>(found) / units;
}

void BM_AnalyseSynthetic(benchmark::State& state) {
    Analyse(state, SyntheticData());
}
BENCHMARK(BM_AnalyseSynthetic)->Unit(benchmark::kMillisecond);

void BM_AnalyseReal(benchmark::State& state) {
    if (!HaveRealData()) {
        state.SkipWithError("no dictionary in LEXAVAR_DATA");
        return;
    }
    Analyse(state, RealData());
}
BENCHMARK(BM_AnalyseReal)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// Letter statistics on a real text: the letter frequency (byte histogram, and
// for comparison the 32 comparisons per byte it replaces), the positional
// statistics with the real dictionary, one combination search, and the three
// commands end to end with reading the file and writing the letters files.
//
//   LEXAVAR_CORPUS  the text (default ../shared/corpus/anna_karenina.cp1251.txt
//                   beside the repository)
//   LEXAVAR_DATA    folder with main.dic, end.mdl, types.chn (default data/)

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdlib>
#include <string>

#include "app/LexavarApi.h"
#include "letters/CombinationSearch.h"
#include "letters/LetterFrequency.h"
#include "letters/LetterTable.h"
#include "letters/LettersCommands.h"
#include "letters/PositionalFrequency.h"
#include "store/Cp1251.h"

using namespace quillon;
using namespace quillon::letters;

namespace {

std::string env(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::string(v) : fallback;
}

std::string corpusPath() {
    return env("LEXAVAR_CORPUS",
               std::string(QUILLON_SOURCE_DIR) + "/../shared/corpus/anna_karenina.cp1251.txt");
}

const QByteArray& corpus() {
    static const QByteArray text = [] {
        QFile f(QString::fromStdString(corpusPath()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    return text;
}

const LexavarApi& library() {
    static const LexavarApi api = [] {
        const std::string data = env("LEXAVAR_DATA", std::string(QUILLON_SOURCE_DIR) + "/data");
        LexavarApi a = LexavarApi::linked();
        a.Start((data + "/main.dic").c_str(), (data + "/end.mdl").c_str(),
                (data + "/types.chn").c_str());
        return a;
    }();
    return api;
}

bool haveCorpus(benchmark::State& state) {
    if (!corpus().isEmpty())
        return true;
    state.SkipWithError(("no text at " + corpusPath()).c_str());
    return false;
}

void BM_LetterFrequency(benchmark::State& state) {
    if (!haveCorpus(state))
        return;
    for (auto _ : state) {
        LetterCounter counter;
        counter.add(corpus().constData(), corpus().size());
        benchmark::DoNotOptimize(counter.table());
    }
    state.SetBytesProcessed(state.iterations() * corpus().size());
}
BENCHMARK(BM_LetterFrequency)->Unit(benchmark::kMillisecond);

// What the byte table replaces: each byte compared with both rows of all 32
// letter positions. Checked against the table's counts once.
void BM_LetterFrequencyComparisons(benchmark::State& state) {
    if (!haveCorpus(state))
        return;
    std::array<std::int64_t, 32> counts{};
    for (auto _ : state) {
        counts = {};
        for (const char c : corpus()) {
            const auto b = static_cast<unsigned char>(c);
            for (int p = 0; p < 32; ++p)
                if (b == displayByte(p) || b == otherCase(displayByte(p)))
                    ++counts[p];
            if (b == kYoCapital || b == kYoSmall)
                ++counts[kPositionE];
        }
        benchmark::DoNotOptimize(counts);
    }
    LetterCounter counter;
    counter.add(corpus().constData(), corpus().size());
    const FrequencyTable t = counter.table();
    for (int i = 0; i < 32; ++i)
        if (counts[t.order[i]] != t.counts[i])
            state.SkipWithError("counts differ");
    state.SetBytesProcessed(state.iterations() * corpus().size());
}
BENCHMARK(BM_LetterFrequencyComparisons)->Unit(benchmark::kMillisecond);

void BM_PositionalFrequency(benchmark::State& state) {
    if (!haveCorpus(state))
        return;
    const LexavarApi& api = library();
    for (auto _ : state) {
        PositionalCounter counter(api);
        counter.add(corpus().constData(), corpus().size());
        benchmark::DoNotOptimize(counter.finish());
    }
    state.SetBytesProcessed(state.iterations() * corpus().size());
}
BENCHMARK(BM_PositionalFrequency)->Unit(benchmark::kMillisecond);

void BM_CombinationSearch(benchmark::State& state) {
    if (!haveCorpus(state))
        return;
    const std::string pattern = toCp1251String(QStringLiteral("ов"));
    for (auto _ : state)
        benchmark::DoNotOptimize(countCombination(corpus(), pattern));
    state.SetBytesProcessed(state.iterations() * corpus().size());
}
BENCHMARK(BM_CombinationSearch)->Unit(benchmark::kMillisecond);

// The commands as the menu runs them: read the file, fill the areas, write
// the letters file.
void BM_Commands(benchmark::State& state) {
    if (!haveCorpus(state))
        return;
    QTemporaryDir dir;
    Session session;
    session.textPath = QString::fromStdString(corpusPath());
    session.lettersFile = {dir.filePath("l_1.frq"), dir.filePath("l_2.frq"),
                           dir.filePath("l_3.frq")};
    TextAreas areas;
    NullSink sink;
    LettersCommands commands(session, library(), areas, sink);
    for (auto _ : state) {
        switch (state.range(0)) {
            case 1:
                commands.letterFrequency();
                break;
            case 2:
                commands.positionalFrequency();
                break;
            default:
                commands.searchCombination(QStringLiteral("ов"));
                break;
        }
    }
    state.SetLabel(state.range(0) == 1   ? "letter frequency"
                   : state.range(0) == 2 ? "positional statistics"
                                         : "combination search");
    state.SetBytesProcessed(state.iterations() * corpus().size());
}
BENCHMARK(BM_Commands)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

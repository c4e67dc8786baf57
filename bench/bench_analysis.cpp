// "Полный анализ" with every builder on a real text, with the shipped
// dictionary and an embedded SQLite database: each builder's time and share,
// the total, the peak memory, and the same for the text four times over.
//
//   bench_analysis [TEXT [DATA_DIR]]
//
// TEXT defaults to $LEXAVAR_CORPUS or ../shared/corpus/anna_karenina.cp1251.txt
// beside the repository; DATA_DIR to $LEXAVAR_DATA or the repository's data/ folder.

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "analysis/FrequencyDistribution.h"
#include "analysis/PairsNetwork.h"
#include "analysis/SentenceList.h"
#include "analysis/Vocabulary.h"
#include "store/Store.h"

using namespace quillon;

namespace {

long peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void runOnce(const LexavarApi& api, const QString& text, const QString& folder, int times) {
    store::Store store(store::Settings::sqlite(folder + QStringLiteral("/bench.sqlite")));
    Session session;
    session.textId = 1;
    NullSink sink;
    analysis::PairsOptions options;
    options.diagnosticsPath = folder + QStringLiteral("/errors.txt");

    double ms[4] = {};
    QElapsedTimer t;
    t.start();
    analysis::BuildVocabulary(api, store, session, sink, text);
    ms[0] = t.nsecsElapsed() / 1e6;
    t.restart();
    const auto sentences = analysis::BuildSentenceList(api, store, session, sink, text);
    ms[1] = t.nsecsElapsed() / 1e6;
    t.restart();
    const auto pairs = analysis::BuildPairsAndNetwork(api, store, session, sink, text, options);
    ms[2] = t.nsecsElapsed() / 1e6;
    t.restart();
    analysis::BuildFrequencyDistribution(store, session, sink);
    ms[3] = t.nsecsElapsed() / 1e6;
    const double total = ms[0] + ms[1] + ms[2] + ms[3];

    std::printf("text x%d: %zu words in the vocabulary (%zu for pairs), %zu sentences, "
                "%lld pairs, %lld connections\n",
                times, session.fullVocabulary.size(), session.networkVocabulary.size(),
                sentences.size(), static_cast<long long>(pairs.allConnections),
                static_cast<long long>(pairs.connections));
    const char* names[4] = {"vocabulary", "sentence list", "pairs and network",
                            "frequency distribution"};
    for (int i = 0; i < 4; ++i) {
        std::printf("  %-24s %9.0f ms  %5.1f %%\n", names[i], ms[i], 100.0 * ms[i] / total);
    }
    std::printf("  %-24s %9.0f ms\n", "total", total);
    std::printf("  peak memory so far      %9ld MB\n", peakMegabytes());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString source = QStringLiteral(QUILLON_SOURCE_DIR);
    QString text = qEnvironmentVariable("LEXAVAR_CORPUS",
                                        source + "/../shared/corpus/anna_karenina.cp1251.txt");
    QString data = qEnvironmentVariable("LEXAVAR_DATA", source + QStringLiteral("/data"));
    if (argc > 1) {
        text = QString::fromLocal8Bit(argv[1]);
    }
    if (argc > 2) {
        data = QString::fromLocal8Bit(argv[2]);
    }
    QFile in(text);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(text));
        return 1;
    }
    const QByteArray bytes = in.readAll();

    const LexavarApi api = LexavarApi::linked();
    QElapsedTimer t;
    t.start();
    const auto dic = QFile::encodeName(data + "/main.dic");
    const auto mdl = QFile::encodeName(data + "/end.mdl");
    const auto chn = QFile::encodeName(data + "/types.chn");
    if (api.Start(dic.constData(), mdl.constData(), chn.constData()) != 1) {
        std::fprintf(stderr, "cannot start the dictionary in %s\n", qPrintable(data));
        return 1;
    }
    std::printf("dictionary start: %.0f ms; text %s, %lld bytes\n", t.nsecsElapsed() / 1e6,
                qPrintable(text), static_cast<long long>(bytes.size()));

    for (const int times : {1, 4}) {
        QTemporaryDir folder;
        const QString copy = folder.filePath(QStringLiteral("text.txt"));
        QFile out(copy);
        if (!out.open(QIODevice::WriteOnly)) {
            return 1;
        }
        for (int i = 0; i < times; ++i) {
            out.write(bytes);
        }
        out.close();
        runOnce(api, copy, folder.path(), times);
    }
    return 0;
}

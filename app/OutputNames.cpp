#include "app/OutputNames.h"

namespace quillon {

namespace {

const std::array<const char*, 10> kExportSuffixes = {
    "_all.wrd",       "_network.wrd", ".sen",       "_all_numb_words.prs", "_pares.prs",
    "_all_words.prs", ".prs",         "_words.frq", "_search.sen",         "_search.wrd",
};

QString withoutExtension(const QString& path) {
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const qsizetype nameStart = slash + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    // A dot that opens the file name (".profile") starts no extension.
    if (dot > nameStart) {
        return path.left(dot);
    }
    return path;
}

}  // namespace

QString exportSuffix(int kind) {
    if (kind < 0 || kind >= static_cast<int>(kExportSuffixes.size())) {
        return {};
    }
    return QString::fromLatin1(kExportSuffixes[static_cast<size_t>(kind)]);
}

OutputNames deriveOutputNames(const QString& chosenPath) {
    OutputNames names;
    names.base = withoutExtension(chosenPath);
    for (size_t i = 0; i < names.letters.size(); ++i) {
        names.letters[i] = names.base + QStringLiteral("_%1.frq").arg(i + 1);
    }
    for (size_t k = 0; k < names.exports.size(); ++k) {
        names.exports[k] = names.base + exportSuffix(static_cast<int>(k));
    }
    names.savePath = names.letters[2];
    return names;
}

void applyOutputNames(Session& session, const OutputNames& names) {
    session.lettersFile = names.letters;
    session.exportFile = names.exports;
    session.savePath = names.savePath;
    session.savePathChosen = true;
}

}  // namespace quillon

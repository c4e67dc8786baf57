#include "app/LibraryBinding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include "app/Paths.h"

namespace quillon {

namespace {

template <typename Fn>
void resolve(QLibrary& library, const char* name, Fn& slot, QStringList& missing) {
    slot = reinterpret_cast<Fn>(library.resolve(name));
    if (!slot) {
        missing << QString::fromLatin1(name);
    }
}

}  // namespace

QStringList LibraryBinding::dictionaryFiles() {
    return {QStringLiteral("main.dic"), QStringLiteral("end.mdl"), QStringLiteral("types.chn")};
}

LibraryBinding LibraryBinding::bind(const QString& libraryFile, const QString& dataDir) {
    LibraryBinding binding;
    binding.libraryFile_ = libraryFile;
    const QString unavailable = QStringLiteral(" Команды, которым нужна библиотека, недоступны.");

    // Kept for the life of the process: the entry points must stay valid.
    auto* library = new QLibrary(libraryFile);
    if (!QFileInfo::exists(libraryFile) || !library->load()) {
        const QString reason = QFileInfo::exists(libraryFile) ? library->errorString()
                                                              : QStringLiteral("файл не найден");
        binding.problems_ << QStringLiteral(
                                 "Не удалось загрузить библиотеку морфологического "
                                 "анализа %1 (%2).")
                                     .arg(QDir::toNativeSeparators(libraryFile), reason) +
                                 unavailable;
        delete library;
        return binding;
    }

    LexavarApi& api = binding.api_;
    QStringList missing;
    resolve(*library, "Start", api.Start, missing);
    resolve(*library, "GrafAnalysFile", api.GrafAnalysFile, missing);
    resolve(*library, "GetColSents", api.GetColSents, missing);
    resolve(*library, "GetSent", api.GetSent, missing);
    resolve(*library, "GetSentText", api.GetSentText, missing);
    resolve(*library, "GetWord", api.GetWord, missing);
    resolve(*library, "NormolWordByNom", api.NormolWordByNom, missing);
    resolve(*library, "NormolWord", api.NormolWord, missing);
    resolve(*library, "GetMainForm", api.GetMainForm, missing);
    resolve(*library, "GetType", api.GetType, missing);
    if (!missing.isEmpty()) {
        binding.problems_ << QStringLiteral("В библиотеке %1 нет функций: %2.")
                                     .arg(QDir::toNativeSeparators(libraryFile),
                                          missing.join(QStringLiteral(", "))) +
                                 unavailable;
        return binding;
    }

    const QDir data(dataDir);
    QStringList absent;
    QByteArray paths[3];
    const QStringList files = dictionaryFiles();
    for (int i = 0; i < 3; ++i) {
        const QString path = data.absoluteFilePath(files[i]);
        if (!QFileInfo(path).isFile()) {
            absent << files[i];
        }
        paths[i] = QFile::encodeName(path);
    }
    if (!absent.isEmpty()) {
        binding.problems_ << QStringLiteral(
                                 "Не найдены файлы словаря %1 в папке %2. Программа "
                                 "работает, но слова не будут распознаваться.")
                                 .arg(absent.join(QStringLiteral(", ")),
                                      QDir::toNativeSeparators(data.absolutePath()));
    }
    binding.startResult_ =
        api.Start(paths[0].constData(), paths[1].constData(), paths[2].constData());
    binding.usable_ = true;
    return binding;
}

const LibraryBinding& LibraryBinding::process() {
    static const LibraryBinding binding = bind(paths::lexavarLibrary(), paths::dataDir());
    return binding;
}

}  // namespace quillon

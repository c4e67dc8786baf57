// The three commands end to end: areas, status line and the letters files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FakeDictionary.h"
#include "letters/LettersCommands.h"
#include "letters/PositionalFrequency.h"
#include "store/Cp1251.h"
#include "store/Error.h"

using namespace quillon;
using namespace quillon::letters;

namespace {

class StatusRecorder : public NullSink {
  public:
    void status(const QString& text) override { last = text; }
    QString last;
};

QByteArray cp(const char16_t* text) {
    return toCp1251(QString::fromUtf16(text));
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A save folder with a text file, the session pointing at both.
class LettersCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        session.lettersFile = {dir.filePath("letters_1.frq"), dir.filePath("letters_2.frq"),
                               dir.filePath("letters_3.frq")};
        setText(cp(u"Мама мыла раму.\r\n"));
    }
    void setText(const QByteArray& bytes) {
        session.textPath = dir.filePath("text.txt");
        QFile f(session.textPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray file(int n) { return readAll(session.lettersFile[n - 1]); }

    QTemporaryDir dir;
    Session session;
    TextAreas areas;
    StatusRecorder sink;
    LexavarApi api = test::fakeDictionary(
        {cp(u"мама").toStdString(), cp(u"мыла").toStdString(), cp(u"раму").toStdString()});
    LettersCommands commands{session, api, areas, sink, QLocale::c()};
};

}  // namespace

TEST_F(LettersCommandsTest, LetterFrequencyWritesFileOne) {
    setText(cp(u"аб"));
    commands.letterFrequency();
    QString expected =
        "Частотные характеристики встречаемости букв\r\n"
        "Файл исходных текстов: " +
        session.textPath +
        "\r\n"
        "Всего использовалось букв: 2\r\n"
        "Результаты сохранены в файл: " +
        session.lettersFile[0] +
        "\r\n"
        "\r\n\r\n"
        "Буква  Кол-во       %\r\n"
        "А         1       50\r\n"
        "Б         1       50\r\n";
    for (const char16_t* l :
         {u"В", u"Г", u"Д", u"Е", u"Ж", u"З", u"И", u"Й", u"К", u"Л", u"М", u"Н", u"О", u"П", u"Р",
          u"С", u"Т", u"У", u"Ф", u"Х", u"Ц", u"Ч", u"Ш", u"Щ", u"ъ", u"ы", u"ь", u"Э", u"Ю", u"Я"})
        expected += QString::fromUtf16(l) + "         0       0\r\n";
    EXPECT_EQ(file(1), toCp1251(expected));
    EXPECT_EQ(areas.message.last(), "Результаты сохранены в файл: " + session.lettersFile[0]);
    EXPECT_EQ(areas.output.size(), 33);
    EXPECT_EQ(sink.last, "Расчет частот букв завершен");

    // A second run starts from zero counts.
    setText(cp(u"я"));
    commands.letterFrequency();
    EXPECT_TRUE(file(1).contains(cp(u"Всего использовалось букв: 1\r\n")));
    EXPECT_TRUE(file(1).contains(cp(u"Я         1       100\r\nА         0       0\r\n")));
}

TEST_F(LettersCommandsTest, LetterFrequencyOfUnreadableTextCountsNothing) {
    session.textPath = dir.filePath("missing.txt");
    commands.letterFrequency();
    EXPECT_EQ(areas.notices, QStringList{"Ошибка открытия файла!"});
    EXPECT_TRUE(file(1).contains(cp(u"Всего использовалось букв: 0\r\n")));
    EXPECT_TRUE(file(1).endsWith(cp(u"Я         0       0\r\n")));
    EXPECT_EQ(sink.last, "Расчет частот букв завершен");
}

TEST_F(LettersCommandsTest, PositionalFrequencyWritesFileTwoAndRepeats) {
    commands.positionalFrequency();
    const QByteArray first = file(2);
    const QList<QByteArray> lines = first.split('\n');
    ASSERT_EQ(lines.size(), 6 + 2 + 30 * 34 + 1);
    EXPECT_EQ(lines[2], cp(u"Средняя длина слова в текстах: 4\r"));
    EXPECT_EQ(lines[5], toCp1251("Результаты сохранены в файл: " + session.lettersFile[1] + "\r"));
    EXPECT_EQ(lines[6], "\r");
    EXPECT_EQ(lines[7], "\r");
    EXPECT_EQ(lines[8], cp(u"Позиция №1\r"));
    EXPECT_EQ(lines[10], cp(u"М         66.6666666666667\r"));
    EXPECT_EQ(sink.last, "Расчет частот букв по позициям завершен");

    commands.positionalFrequency();  // nothing carried over from the first run
    EXPECT_EQ(file(2), first);
}

TEST_F(LettersCommandsTest, PositionalFrequencyFailuresEndTheCommand) {
    // A text without letters: no average, so no file and no completion.
    setText("12 34\r\n");
    EXPECT_THROW(commands.positionalFrequency(), NoLettersError);
    EXPECT_FALSE(QFile::exists(session.lettersFile[1]));

    session.textPath = dir.filePath("missing.txt");
    try {
        commands.positionalFrequency();
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), "Ошибка открытия файла");
    }
    EXPECT_FALSE(QFile::exists(session.lettersFile[1]));
    EXPECT_EQ(sink.last, "Идет расчет частот букв по позициям...");
}

TEST_F(LettersCommandsTest, UnwritableLettersFileIsAnErrorNamingIt) {
    const QString blocked = dir.filePath("no/such/folder/letters");
    session.lettersFile = {blocked + "_1.frq", blocked + "_2.frq", blocked + "_3.frq"};
    struct Step {
        std::function<void()> run;
        int file;
        const char* statusLeft;
    } steps[] = {
        {[&] { commands.letterFrequency(); }, 0, "Идет расчет частот букв..."},
        {[&] { commands.positionalFrequency(); }, 1, "Идет расчет частот букв по позициям..."},
        {[&] { commands.searchCombination("ов"); }, 2, "Идет поиск"},
    };
    for (const Step& s : steps) {
        try {
            s.run();
            ADD_FAILURE() << "no error for file " << s.file + 1;
        } catch (const Error& e) {
            EXPECT_TRUE(e.message().contains(session.lettersFile[s.file])) << e.what();
        }
        EXPECT_EQ(sink.last, s.statusLeft);
    }
}

TEST_F(LettersCommandsTest, SearchesAccumulateInFileThree) {
    setText(cp(u"ОВ Ов\r\nоВ ов\r\n"));
    areas.setAreas({"old message"}, {"old output"});
    ASSERT_TRUE(commands.searchCombination("ов"));
    EXPECT_EQ(areas.message,
              (QStringList{"Файл исходных текстов: " + session.textPath,
                           "Результаты сохраняютмся в файл: " + session.lettersFile[2]}));
    EXPECT_EQ(file(3), cp(u"ов  4\r\n"));
    EXPECT_TRUE(session.searchStarted);
    EXPECT_EQ(sink.last, "Поиск завершен");

    ASSERT_TRUE(commands.searchCombination(""));  // every byte, CR LF once
    EXPECT_EQ(file(3), cp(u"ов  4\r\n  12\r\n"));

    // A refused string adds the error line and leaves the file alone.
    EXPECT_FALSE(commands.searchCombination("ёж"));
    EXPECT_EQ(areas.message.last(), "Ошибка:: некорректная строка для поиска");
    EXPECT_EQ(sink.last, "Идет поиск");
    EXPECT_EQ(file(3), cp(u"ов  4\r\n  12\r\n"));

    // The started flag survives the other commands: the next line goes under
    // their table, and file 3 then holds that table too.
    commands.letterFrequency();
    ASSERT_TRUE(commands.searchCombination("в"));
    const QByteArray three = file(3);
    EXPECT_TRUE(three.startsWith(cp(u"Буква  Кол-во       %\r\n")));
    EXPECT_TRUE(three.endsWith(cp(u"Я         0       0\r\nв  4\r\n")));

    session.searchStarted = false;  // a new text was chosen
    ASSERT_TRUE(commands.searchCombination("мыла"));
    EXPECT_EQ(file(3), cp(u"мыла  0\r\n"));
}

TEST_F(LettersCommandsTest, SearchInUnreadableTextIsAnError) {
    session.textPath = dir.filePath("missing.txt");
    EXPECT_THROW(commands.searchCombination("ов"), Error);
    EXPECT_FALSE(QFile::exists(session.lettersFile[2]));
}

// Run by ctest once under a comma locale and once under a point locale.
TEST(LettersSystemLocale, PercentagesUseTheSystemDecimalSeparator) {
    const QByteArray lcAll = qgetenv("LC_ALL");
    if (lcAll.isEmpty())
        GTEST_SKIP() << "run through ctest";
    const QByteArray point = lcAll.startsWith("ru") ? "," : ".";
    QTemporaryDir dir;
    Session session;
    session.textPath = dir.filePath("t.txt");
    session.lettersFile = {dir.filePath("l_1.frq"), dir.filePath("l_2.frq"),
                           dir.filePath("l_3.frq")};
    QFile f(session.textPath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(cp(u"абб вв ввв"));
    f.close();
    TextAreas areas;
    NullSink sink;
    const LexavarApi api = test::fakeDictionary({});
    LettersCommands commands(session, api, areas, sink);
    commands.letterFrequency();
    commands.positionalFrequency();
    EXPECT_TRUE(
        readAll(session.lettersFile[0]).contains(cp(u"А         1       12") + point + "5\r\n"));
    // Words of 3, 2 and 3 letters.
    EXPECT_TRUE(
        readAll(session.lettersFile[1])
            .contains(cp(u"Средняя длина слова в текстах: 2") + point + "66666666666667\r\n"));
}

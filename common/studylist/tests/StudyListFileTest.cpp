#include "common/studylist/StudyListFile.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace studylist;
using testsupport::makeFolder;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

StudyPhrase makePhrase(int number, const QString& text)
{
    StudyPhrase phrase;
    phrase.number = number;
    phrase.phrase = text;
    phrase.translation = "translation of " + text;
    phrase.translation2 = number % 2 ? QString() : "second " + text;
    phrase.soundPath = "/tmp/dravolin-0/~dvl77" + QString::number(number) + ".wav";
    return phrase;
}

StudyList makeList(int phraseCount)
{
    StudyList list;
    list.instanceHandle = "77";
    list.programCode = "dvlfre";
    list.productTitle = "Lessondesk French";
    list.interfaceLanguage = "English";
    list.targetLanguage = "French";
    list.userName = "Ann Lee";
    list.subjectTitle = "Animals";
    list.userStorePath = "/home/ann/data/Users.dat";
    for (int n = 1; n <= phraseCount; ++n) list.phrases.push_back(makePhrase(n, "mot " + QString::number(n)));
    return list;
}

// What the reader gives back for a list written by the writer: the file keeps no
// subject file and no key.
StudyList asRead(StudyList list)
{
    for (StudyPhrase& phrase : list.phrases) {
        phrase.subjectFile.clear();
        phrase.key = 0;
    }
    return list;
}

QString studyListPath() { return makeFolder("handoff") + "~dvl77.txt"; }

QStringList fileLines(const QString& path)
{
    QStringList lines = QString::fromUtf8(readFile(path)).split("\r\n");
    lines.removeLast();  // after the last CR LF
    return lines;
}

// A well-formed file of three phrases, line by line, for tests that cut or change it.
QStringList threePhraseLines()
{
    const QString path = studyListPath();
    EXPECT_TRUE(write(path, makeList(3)).ok());
    return fileLines(path);
}

QString writeLines(const QStringList& lines, const QString& ending = "\r\n")
{
    return writeFile(studyListPath(), (lines.join("\r\n") + ending).toUtf8());
}

}  // namespace

TEST(StudyListFile, RoundTripKeepsCommasQuotesApostrophesAndNonAsciiInEveryValue)
{
    StudyList list;
    list.instanceHandle = "4711";
    list.programCode = "dvlfre";
    list.productTitle = "Lessondesk, édition française";
    list.interfaceLanguage = "Español";
    list.targetLanguage = "Français";
    list.userName = "José, María O'Neil";
    list.subjectTitle = "À table, s'il vous plaît";
    list.userStorePath = "/home/zoë/Données, été/Lessondesk/Users.dat";
    list.spare = {"EMPTY", "EMPTY", "vide, ça", "EMPTY", "EMPTY"};
    for (int n = 1; n <= 10; ++n) {
        StudyPhrase phrase;
        phrase.number = n;
        phrase.phrase = QString("l'œuf n°%1, \"le\" plus frais").arg(n);
        phrase.translation = QString("the egg, \"no. %1\"").arg(n);
        phrase.translation2 = n == 3 ? QString() : QString("\"Ei\" – %1, ß").arg(n);
        phrase.soundPath = QString("/tmp/dravolin-0/dossier, été/~dvl4711%1.wav").arg(n);
        list.phrases.push_back(phrase);
    }
    const QString path = studyListPath();
    ASSERT_TRUE(write(path, list).ok());

    const ReadResult result = read(path);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(*result.list, asRead(list));
}

TEST(StudyListFile, WritesFifteenHeaderLinesThenFourQuotedLinesPerPhraseWithCrLf)
{
    const QString path = studyListPath();
    ASSERT_TRUE(write(path, makeList(1)).ok());
    EXPECT_EQ(readFile(path),
              "77\r\ndvlfre\r\nLessondesk French\r\nEnglish\r\nFrench\r\nAnn Lee\r\nAnimals\r\n1\r\n"
              "/home/ann/data/Users.dat\r\nEMPTY\r\nEMPTY\r\nEMPTY\r\nEMPTY\r\nEMPTY\r\n0\r\n"
              "\"mot 1\"\r\n\"translation of mot 1\"\r\n\"\"\r\n\"/tmp/dravolin-0/~dvl771.wav\"\r\n");

    ASSERT_TRUE(write(path, makeList(10)).ok());
    EXPECT_EQ(fileLines(path).size(), 55);
    const ReadResult result = read(path);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(*result.list, makeList(10));
}

TEST(StudyListFile, LineBreaksInsideValuesAreWrittenAsBlanks)
{
    StudyList list = makeList(2);
    list.subjectTitle = "Food\nand drink";
    list.userName = "Ann\r\nLee";
    list.phrases[0].phrase = "bon\r\nappétit";
    list.phrases[0].translation = "enjoy\ryour\u2029meal";
    list.phrases[1].translation2 = "two\n\nlines";
    const QString path = studyListPath();
    ASSERT_TRUE(write(path, list).ok());
    EXPECT_EQ(fileLines(path).size(), 15 + 4 * 2);

    const ReadResult result = read(path);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.list->subjectTitle, "Food and drink");
    EXPECT_EQ(result.list->userName, "Ann Lee");
    EXPECT_EQ(result.list->phrases[0].phrase, "bon appétit");
    EXPECT_EQ(result.list->phrases[0].translation, "enjoy your meal");
    EXPECT_EQ(result.list->phrases[1].translation2, "two  lines");
}

TEST(StudyListFile, HeaderValuesLoseOnlyTheirLeadingBlanks)
{
    QStringList lines = threePhraseLines();
    lines[5] = "  \tAnn Lee ";
    lines[6] = " École, niveau 1";
    const ReadResult result = read(writeLines(lines));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.list->userName, "Ann Lee ");
    EXPECT_EQ(result.list->subjectTitle, "École, niveau 1");
}

TEST(StudyListFile, PhraseLineIsTheTextBetweenItsFirstAndLastQuote)
{
    QStringList lines = threePhraseLines();
    lines[15] = "  \"say \"hi\", then go\"  ";
    lines[16] = "\"\"\"";
    lines[17] = "\"\"";
    const ReadResult result = read(writeLines(lines));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.list->phrases[0].phrase, "say \"hi\", then go");
    EXPECT_EQ(result.list->phrases[0].translation, "\"");
    EXPECT_EQ(result.list->phrases[0].translation2, "");
}

TEST(StudyListFile, CountLineGivesHowManyPhrasesAreRead)
{
    const struct {
        const char* countLine;
        int expected;
    } cases[] = {{"2", 2}, {"  2", 2}, {"2 phrases", 2}, {"+3", 3}, {"1.5", 2}, {"2.5", 2}};
    for (const auto& c : cases) {
        QStringList lines = threePhraseLines();
        lines[7] = c.countLine;
        const ReadResult result = read(writeLines(lines));
        ASSERT_TRUE(result.ok()) << c.countLine << ": " << result.error.toStdString();
        EXPECT_EQ(result.list->phraseCount(), c.expected) << c.countLine;
        EXPECT_EQ(result.list->phrases.back().number, c.expected);
    }
}

TEST(StudyListFile, CountOutsideOneToTenIsRefused)
{
    for (const char* countLine : {"0", "11", "-1", "", "ten", "99999999999999999999999"}) {
        QStringList lines = threePhraseLines();
        lines[7] = countLine;
        for (int n = 0; n < 9; ++n) lines << "\"x\"" << "\"y\"" << "\"z\"" << "\"w\"";  // enough lines for any count
        const ReadResult result = read(writeLines(lines));
        EXPECT_FALSE(result.ok()) << countLine;
        EXPECT_TRUE(result.error.contains("1 to 10")) << result.error.toStdString();
    }
}

TEST(StudyListFile, AHugeCountLineIsRefusedQuotingOnlyItsStart)
{
    QStringList lines = threePhraseLines();
    lines[7] = QString(10'000'000, QChar('9'));
    const ReadResult result = read(writeLines(lines));
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains("9999999999...")) << result.error.left(300).toStdString();
    EXPECT_LT(result.error.size(), 300) << "the message quotes a few dozen characters of the line";
}

TEST(StudyListFile, WriterRefusesNoPhrasesOrMoreThanTen)
{
    for (int count : {0, 11}) {
        const QString path = studyListPath();
        const WriteResult result = write(path, makeList(count));
        EXPECT_FALSE(result.ok()) << count;
        EXPECT_FALSE(QFile::exists(path)) << count;
    }
}

TEST(StudyListFile, FileCutShortIsRefused)
{
    const QStringList whole = threePhraseLines();
    const struct {
        const char* what;
        QStringList lines;
    } cases[] = {
        {"empty file", {}},
        {"inside the header", whole.mid(0, 9)},
        {"after the header", whole.mid(0, 15)},
        {"inside the second phrase", whole.mid(0, 21)},
        {"before the last line", whole.mid(0, 26)},
        {"inside the last line", whole.mid(0, 26) << whole[26].left(8)},
    };
    for (const auto& c : cases) {
        const ReadResult result = read(writeLines(c.lines, c.lines.isEmpty() ? "" : "\r\n"));
        EXPECT_FALSE(result.ok()) << c.what;
        EXPECT_FALSE(result.error.isEmpty()) << c.what;
    }

    // Only the final line end missing: everything counted is there.
    const ReadResult result = read(writeLines(whole, ""));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.list->phraseCount(), 3);
}

TEST(StudyListFile, MissingFileOrFolderIsRefusedNamingThePath)
{
    const QString folder = makeFolder("handoff");
    for (const QString& path : {folder + "~dvl1.txt", folder}) {
        const ReadResult result = read(path);
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.error.contains(path)) << result.error.toStdString();
    }
}

TEST(StudyListFile, WriteReplacesAnEarlierFileWholeAndLeavesNoScratchFile)
{
    const QString path = studyListPath();
    ASSERT_TRUE(write(path, makeList(10)).ok());
    ASSERT_TRUE(write(path, makeList(2)).ok());
    EXPECT_EQ(read(path).list->phraseCount(), 2);
    EXPECT_EQ(fileLines(path).size(), 23);
    EXPECT_EQ(QDir(makeFolder("handoff")).entryList(QDir::Files | QDir::Hidden), QStringList{"~dvl77.txt"});
}

TEST(StudyListFile, WriteIntoAMissingFolderFails)
{
    const QString path = makeFolder("handoff") + "gone/~dvl77.txt";
    const WriteResult result = write(path, makeList(1));
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains("gone")) << result.error.toStdString();
}

// Checks the program folder the build made (DVL_PROGRAM_DIR): what the programs read
// from the shipped stores must be there in both languages.
#include "RequiredCaptions.h"
#include "WaveFile.h"
#include "TestEnvironment.h"

#include "platform/store/Store.h"
#include "common/schema/Schema.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <map>

using namespace contentbuilder;
using platform::OpenMode;
using platform::Store;

namespace {

QString programFolder() { return testsupport::programDir() + "/"; }

Store openShipped(const QString& relative)
{
    return Store::open(programFolder() + relative, OpenMode::ReadOnly);
}

QString caption(int row)
{
    const Store store = openShipped("Dravolin.tpl");
    return store.query("SELECT " DVL_INTERFACE_LANGUAGE " FROM tblCaptions ORDER BY rowid")
        .at(static_cast<size_t>(row - 1))[0]
        .toText();
}

QStringList subjectFiles()
{
    return QDir(programFolder() + caption(kSubjectsFolderRow)).entryList({"*.fre"}, QDir::Files, QDir::Name);
}

TEST(ShippedTemplate, EveryCaptionTheMainProgramReadsHasBothLanguages)
{
    const Store store = openShipped("Dravolin.tpl");
    const auto rows = store.query("SELECT English, Spanish FROM tblCaptions ORDER BY rowid");
    ASSERT_GE(rows.size(), 150u);
    for (const int row : mainProgramCaptionRows())
        for (const char* language : {"English", "Spanish"})
            EXPECT_FALSE(rows[static_cast<size_t>(row - 1)][language].toText().trimmed().isEmpty())
                << "caption " << row << " " << language;
}

TEST(ShippedTemplate, DataRowsPointWhereTheProgramsLook)
{
    const Store store = openShipped("Dravolin.tpl");
    const auto rows = store.query("SELECT English, Spanish FROM tblCaptions ORDER BY rowid");
    for (const char* language : {"English", "Spanish"}) {
        EXPECT_EQ(rows[93][language].toText(), "https://www.dravolin.example/");
        EXPECT_TRUE(rows[66][language].toText().endsWith(".htm"));  // download page
        EXPECT_TRUE(rows[89][language].toText().endsWith(".htm"));
    }
    EXPECT_TRUE(QFileInfo(programFolder() + caption(kSubjectsFolderRow)).isDir());
    EXPECT_TRUE(QFileInfo(programFolder() + caption(kCustomSubjectsFolderRow)).isDir());
    EXPECT_TRUE(QFileInfo(programFolder() + caption(kOfflinePageRow)).isFile());
}

TEST(ShippedTemplate, HoldsTipsMessagesAndMenuLinks)
{
    const Store store = openShipped("Dravolin.tpl");
    const auto tips = store.query("SELECT * FROM tblTips ORDER BY rowid");
    EXPECT_GE(tips.size(), 10u);
    for (const auto& row : tips)
        for (const QString& code : schema::programCodes())
            EXPECT_FALSE(row[code].isNull() || row[code].toText().isEmpty()) << code.toStdString();

    const auto messages = store.query("SELECT English, Spanish, link FROM tblSystemMessages ORDER BY rowid");
    EXPECT_GE(messages.size(), 12u);
    int linked = 0;
    for (const auto& row : messages) {
        EXPECT_FALSE(row["English"].toText().isEmpty() || row["Spanish"].toText().isEmpty());
        EXPECT_FALSE(row["link"].isNull());
        if (!row["link"].toText().isEmpty()) ++linked;
    }
    EXPECT_GT(linked * 2, static_cast<int>(messages.size()));

    const auto menu = store.query("SELECT English, Spanish, link FROM tblMenu ORDER BY rowid");
    EXPECT_GE(menu.size(), 6u);
    for (const auto& row : menu)
        for (const char* column : {"English", "Spanish", "link"}) EXPECT_FALSE(row[column].toText().isEmpty());
}

TEST(ShippedTemplate, UserTablesAreEmptyAndTheScoreViewsExist)
{
    const Store store = openShipped("Dravolin.tpl");
    EXPECT_EQ(store.query("SELECT COUNT(*) FROM tblUsers")[0][0].toInt(), 0);
    EXPECT_EQ(store.query("SELECT COUNT(*) FROM tblScores")[0][0].toInt(), 0);
    for (const char* view : {"qryActivities", "qrySubjects"}) {
        EXPECT_EQ(store.query("SELECT COUNT(*) FROM sqlite_master WHERE type = 'view' AND name = ?", {view})[0][0].toInt(), 1);
        EXPECT_TRUE(store.query(QString("SELECT * FROM ") + view).empty());
    }
}

TEST(ShippedSubjects, TwelveOrMoreFrenchSubjectsOfTenRecordedPhrases)
{
    const QStringList files = subjectFiles();
    EXPECT_GE(files.size(), 12);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_EQ(file, file.toLower());
        const Store store = openShipped(caption(kSubjectsFolderRow) + "/" + file);
        const auto properties = store.query("SELECT tProgramCode FROM tblProperties");
        ASSERT_EQ(properties.size(), 1u);
        EXPECT_EQ(properties[0][0].toText(), "dvlfre");

        const auto phrases = store.query("SELECT * FROM tblPhrases ORDER BY rowid");
        ASSERT_EQ(phrases.size(), 10u);
        for (size_t k = 0; k < phrases.size(); ++k) {
            EXPECT_EQ(phrases[k]["pkPhraseNo"].toInt(), static_cast<int>(k + 1));
            for (const char* column : {"tPhrase", "tTranslation"})
                EXPECT_FALSE(phrases[k][column].toText().isEmpty());
            for (const char* column : {"tPhrase", "tTranslation", "tTranslation2"})
                EXPECT_FALSE(phrases[k][column].toText().contains('*'));
            QString problem;
            EXPECT_TRUE(isWaveFile(phrases[k]["bsound"].toBlob(), &problem)) << problem.toStdString();
        }
    }
}

TEST(ShippedCustomStore, ItsPhrasesAreInstalledPhrasesWithTheirExactTexts)
{
    const QString folder = caption(kCustomSubjectsFolderRow) + "/";
    const QStringList stores = QDir(programFolder() + folder).entryList({"*.vfre"}, QDir::Files);
    ASSERT_FALSE(stores.isEmpty());
    for (const QString& file : stores) {
        const Store custom = openShipped(folder + file);
        const auto groups = custom.query("SELECT * FROM tblParents ORDER BY rowid");
        EXPECT_EQ(groups.size(), 2u);
        for (const auto& group : groups) {
            const auto phrases = custom.query("SELECT * FROM tblPhrases WHERE fkParent = ? ORDER BY rowid",
                                              {group["nParent"]});
            EXPECT_GE(phrases.size(), 1u);
            EXPECT_LE(phrases.size(), 10u);
            for (const auto& phrase : phrases) {
                const QString subject = phrase["tfilename"].toText();
                SCOPED_TRACE(subject.toStdString());
                ASSERT_TRUE(subjectFiles().contains(subject));
                const Store installed = openShipped(caption(kSubjectsFolderRow) + "/" + subject);
                const auto rows = installed.query("SELECT * FROM tblPhrases WHERE pkPhraseNo = ?", {phrase["nPhraseNo"]});
                ASSERT_EQ(rows.size(), 1u);
                for (const char* column : {"tPhrase", "tTranslation", "tTranslation2"})
                    EXPECT_EQ(phrase[column].toText(), rows[0][column].toText()) << column;
            }
        }
    }
}

TEST(ShippedOfflinePage, IsSelfContained)
{
    const QString page = QString::fromUtf8(testsupport::readFile(programFolder() + caption(kOfflinePageRow)));
    ASSERT_TRUE(page.contains("<html"));
    for (const char* external : {"src=", "<link", "url(", "@import", "<script", "href="})
        EXPECT_FALSE(page.contains(external, Qt::CaseInsensitive)) << external;
    EXPECT_TRUE(page.contains("https://www.dravolin.example/"));
}

}  // namespace

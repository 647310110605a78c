// Runs the builder executable on a small content folder in the sandbox.
#include "ContentFixture.h"
#include "TestEnvironment.h"

#include "platform/store/Store.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

using platform::OpenMode;
using platform::Store;

namespace {

class BuilderRun : public ::testing::Test {
protected:
    void buildOnce()
    {
        const ContentFixture::Run run = fixture.build();
        ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    }
    QString programFile(const QString& relative) const { return fixture.program + relative; }

    ContentFixture fixture;
};

TEST_F(BuilderRun, MakesTheProgramFolder)
{
    buildOnce();
    for (const char* file : {"Dravolin.tpl", "custom.tpl", "offline.htm", "Subjects/tiny_words.fre",
                             "Subjects/small_talk.fre", "My Subjects/Sample.vfre"})
        EXPECT_TRUE(QFileInfo(programFile(file)).isFile()) << file;
    EXPECT_TRUE(QFileInfo(programFile("Activities")).isDir());

    const Store custom = Store::open(programFile("My Subjects/Sample.vfre"), OpenMode::ReadOnly);
    const auto rows = custom.query("SELECT tfilename, nPhraseNo, tPhrase, tTranslation, tTranslation2 "
                                   "FROM tblPhrases ORDER BY rowid");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1]["tfilename"].toText(), "tiny_words.fre");
    EXPECT_EQ(rows[1]["nPhraseNo"].toInt(), 2);
    EXPECT_EQ(rows[1]["tPhrase"].toText(), "non");
    EXPECT_EQ(rows[1]["tTranslation2"].toText(), "not at all");
}

TEST_F(BuilderRun, RebuildLeavesWhatLearnersMadeByteForByte)
{
    buildOnce();
    // What a learner and the administrator leave in the program folder.
    testsupport::writeFile(programFile("Users.dat"), QByteArray("learners' store\0\x01\x02", 18));
    testsupport::writeFile(programFile("notes.txt"), "my own file");
    testsupport::writeFile(programFile("Subjects/extra.fre"), "a subject from elsewhere");
    {
        Store custom = Store::open(programFile("My Subjects/Sample.vfre"), OpenMode::ReadWrite);
        custom.execute("INSERT INTO tblParents (tName) VALUES (?)", {"My own group"});
    }
    {
        Store subject = Store::open(programFile("Subjects/tiny_words.fre"), OpenMode::ReadWrite);
        subject.execute("UPDATE tblPhrases SET tTranslation = ? WHERE pkPhraseNo = 1", {"yes (corrected)"});
    }
    // A killed earlier build left a temporary file behind.
    testsupport::writeFile(programFile("Subjects/.contentbuilder-99999-tiny_words.fre"), "half a store");
    const auto before = folderSnapshot(fixture.program);

    // One content file changes, everything else stays.
    fixture.writeSubject("small_talk", {{"Ça va bien", "I am fine", ""}});
    const ContentFixture::Run run = fixture.build();
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("recordings: 1 made, 2 reused")) << run.output.toStdString();

    auto after = folderSnapshot(fixture.program);
    std::erase_if(after, [](const auto& file) { return file.first == "Subjects/small_talk.fre"; });
    auto expected = before;
    std::erase_if(expected, [](const auto& file) {
        return file.first == "Subjects/small_talk.fre" || file.first.contains(".contentbuilder-");
    });
    EXPECT_EQ(after, expected);

    const Store changed = Store::open(programFile("Subjects/small_talk.fre"), OpenMode::ReadOnly);
    EXPECT_EQ(changed.query("SELECT tPhrase FROM tblPhrases")[0]["tPhrase"].toText(), "Ça va bien");
}

TEST_F(BuilderRun, ExampleCustomStoreTheLearnerRemovedStaysRemoved)
{
    buildOnce();
    // The editor renames a store by copying it and deleting the old file.
    ASSERT_TRUE(QFile::rename(programFile("My Subjects/Sample.vfre"), programFile("My Subjects/Mine.vfre")));
    buildOnce();
    EXPECT_FALSE(QFileInfo::exists(programFile("My Subjects/Sample.vfre")));
    EXPECT_TRUE(QFileInfo::exists(programFile("My Subjects/Mine.vfre")));

    // Dropped from the content, a store the learner kept is still theirs.
    QFile::remove(programFile("My Subjects/Mine.vfre"));
    QFile::copy(programFile("custom.tpl"), programFile("My Subjects/Sample.vfre"));
    QDir(fixture.content + "custom").removeRecursively();
    buildOnce();
    EXPECT_TRUE(QFileInfo::exists(programFile("My Subjects/Sample.vfre")));
}

TEST_F(BuilderRun, UnchangedContentSpeaksNothingAgain)
{
    buildOnce();
    const auto before = folderSnapshot(fixture.program);
    const ContentFixture::Run run = fixture.build();
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("0 files made")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("recordings: 0 made, 3 reused")) << run.output.toStdString();
    EXPECT_EQ(folderSnapshot(fixture.program), before);
}

TEST_F(BuilderRun, SubjectDroppedFromTheContentGoesUnlessSomeoneChangedIt)
{
    fixture.writeSubject("third_one", {{"trois", "three", ""}});
    fixture.writeSubject("fourth_one", {{"quatre", "four", ""}});
    buildOnce();
    {
        Store subject = Store::open(programFile("Subjects/fourth_one.fre"), OpenMode::ReadWrite);
        subject.execute("UPDATE tblPhrases SET tTranslation = ?", {"4"});
    }
    QFile::remove(fixture.content + "subjects/test/third_one.json");
    QFile::remove(fixture.content + "subjects/test/fourth_one.json");
    buildOnce();
    EXPECT_FALSE(QFileInfo::exists(programFile("Subjects/third_one.fre")));
    EXPECT_TRUE(QFileInfo::exists(programFile("Subjects/fourth_one.fre")));
}

TEST_F(BuilderRun, FailedBuildChangesNothing)
{
    buildOnce();
    const auto before = folderSnapshot(fixture.program);
    const QString bad = fixture.writeSubject("tiny_words", std::vector<ContentFixture::PhraseText>(
                                                               11, ContentFixture::PhraseText{"oui", "yes", ""}));
    const ContentFixture::Run run = fixture.build();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.contains(bad)) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("1 to 10 phrases")) << run.output.toStdString();
    EXPECT_EQ(folderSnapshot(fixture.program), before);
}

TEST(BuilderRunDeep, BuildsInAFolderWithAPathOverTwoHundredCharacters)
{
    const QString under = QString("a-folder-deep-in-a-long-path/").repeated(8);
    const ContentFixture deep(under);
    ASSERT_GT(deep.cache.size(), 200);
    const ContentFixture::Run run = deep.build();
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("recordings: 3 made")) << run.output.toStdString();
    EXPECT_TRUE(QFileInfo(deep.program + "Subjects/tiny_words.fre").isFile());
}

TEST_F(BuilderRun, MissingSpeechToolStopsTheBuildWithItsName)
{
    const ContentFixture::Run run = fixture.build({"PATH=" + testsupport::makeFolder("empty-path")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.contains("espeak-ng is missing")) << run.output.toStdString();
    EXPECT_FALSE(QFileInfo::exists(programFile("Dravolin.tpl")));
}

TEST_F(BuilderRun, SpanishEditionNamesItsFoldersFromTheSpanishCaptions)
{
    const ContentFixture::Run run = fixture.build({}, {"--language", "Spanish"});
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(QFileInfo(programFile("Temas/tiny_words.fre")).isFile());
    EXPECT_TRUE(QFileInfo(programFile("Mis temas/Sample.vfre")).isFile());
    EXPECT_TRUE(testsupport::readFile(programFile("offline.htm")).contains("lang=\"es\""));
}

TEST_F(BuilderRun, ActivityFolderBecomesItsConfigurationStore)
{
    fixture.writeActivity("77demo", 24);
    buildOnce();
    const Store config = Store::open(programFile("Activities/77demo.cfg"), OpenMode::ReadOnly);

    const auto captions = config.query("SELECT English, Spanish FROM tblCaptions ORDER BY rowid");
    ASSERT_EQ(captions.size(), 3u);
    EXPECT_EQ(captions[0]["English"].toText(), "Play");
    EXPECT_EQ(captions[1]["Spanish"].toText(), "");  // a row left out keeps the numbering
    EXPECT_EQ(captions[2]["Spanish"].toText(), "Demostración");

    const auto images = config.query("SELECT bEnglish, bSpanish FROM tblImages ORDER BY rowid");
    ASSERT_EQ(images.size(), 2u);
    std::vector<QRgb> colours;
    for (const auto& row : images)
        for (const char* column : {"bEnglish", "bSpanish"}) {
            const QImage image = QImage::fromData(row[column].toBlob(), "PNG");
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), QSize(24, 24));
            colours.push_back(image.pixel(12, 12));
        }
    // Row 1 holds the normal pictures, row 2 the highlighted ones.
    EXPECT_EQ(colours, (std::vector<QRgb>{qRgb(0x30, 0x30, 0x30), qRgb(0x90, 0x90, 0x90), qRgb(0x60, 0x60, 0x60),
                                          qRgb(0xc0, 0xc0, 0xc0)}));
}

}  // namespace

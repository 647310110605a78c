#include "main/core/subjects/CustomStoreReader.h"
#include "main/core/subjects/SubjectStore.h"

#include "SubjectFixtures.h"
#include "TestEnvironment.h"
#include "platform/store/Store.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace subjects {
namespace {

using testing::makeSubjectStore;

class SubjectStoreTest : public ::testing::Test {
protected:
    QString folder = testsupport::makeFolder("Subjects");
    QString path = folder + "mixed.fre";
};

TEST_F(SubjectStoreTest, ReadsPhrasesInStoreOrderWithTheirTexts)
{
    // Keys out of order and with gaps: store order is the order rows were added.
    makeSubjectStore(path, {{9, "neuf", "nine", "9"},
                            {2, "l'\"étoile\"*", "the *star*", std::nullopt, "WAVE-2"},
                            {5, "cinq", "five", ""}});
    const auto phrases = readSubjectPhrases(path, WithSound::Yes);
    ASSERT_EQ(phrases.size(), 3u);
    EXPECT_EQ(phrases[0].key, 2);
    EXPECT_EQ(phrases[1].key, 5);
    EXPECT_EQ(phrases[2].key, 9);
    EXPECT_EQ(phrases[0].phrase, "l'\"étoile\"*");
    EXPECT_EQ(phrases[0].translation, "the *star*");
    EXPECT_EQ(phrases[0].translation2, "");  // NULL reads as ""
    EXPECT_EQ(phrases[0].sound, "WAVE-2");
    EXPECT_TRUE(readSubjectPhrases(path).front().sound.isEmpty());
}

TEST_F(SubjectStoreTest, FindsAPhraseByKeyAndByPosition)
{
    makeSubjectStore(path, {{1, "un", "one", ""}, {4, "quatre", "four", ""}, {7, "sept", "seven", ""}});
    EXPECT_EQ(readSubjectPhrase(path, 4)->translation, "four");
    EXPECT_EQ(readSubjectPhrase(path, 2), std::nullopt);
    EXPECT_EQ(readSubjectPhraseAt(path, 3)->key, 7);
    EXPECT_EQ(readSubjectPhraseAt(path, 4), std::nullopt);
    EXPECT_EQ(readSubjectPhraseAt(path, 0), std::nullopt);
    EXPECT_EQ(countSubjectPhrases(path), 3);
}

TEST_F(SubjectStoreTest, ReadsTheProgramCode)
{
    makeSubjectStore(path, {}, "dvlspa");
    EXPECT_EQ(readProgramCode(path), "dvlspa");
    {
        platform::Store store = platform::Store::open(path, platform::OpenMode::ReadWrite);
        store.execute("DELETE FROM tblProperties");
    }
    EXPECT_THROW(readProgramCode(path), platform::StoreException);
}

TEST_F(SubjectStoreTest, AMissingStoreIsReportedAndNotCreated)
{
    const QString missing = folder + "missing.fre";
    EXPECT_THROW(readSubjectPhrases(missing), platform::StoreException);
    EXPECT_THROW(readCustomGroups(folder + "missing.vfre"), platform::StoreException);
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_FALSE(QFileInfo::exists(folder + "missing.vfre"));
}

TEST(CustomStoreReader, ReadsGroupsAndTheirPhrasesInStoreOrder)
{
    const QString path = testsupport::makeFolder("Custom") + "Mine.vfre";
    const auto keys = testing::makeCustomStore(
        path, {{"Pets \"*\"", {{3, "le chat", "the cat", "kitty"}, {1, "le chien", "the dog", std::nullopt}}},
               {"Empty", {}}});
    const auto groups = readCustomGroups(path);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].key, keys[0]);
    EXPECT_EQ(groups[0].name, "Pets \"*\"");
    EXPECT_EQ(groups[1].name, "Empty");

    const auto phrases = readCustomPhrases(path, keys[0]);
    ASSERT_EQ(phrases.size(), 2u);
    EXPECT_EQ(phrases[0].subjectFile, "animals.fre");
    EXPECT_EQ(phrases[0].phraseNo, 3);
    EXPECT_EQ(phrases[0].translation2, "kitty");
    EXPECT_EQ(phrases[1].phraseNo, 1);
    EXPECT_EQ(phrases[1].translation2, "");
    EXPECT_TRUE(readCustomPhrases(path, keys[1]).empty());
}

}  // namespace
}  // namespace subjects

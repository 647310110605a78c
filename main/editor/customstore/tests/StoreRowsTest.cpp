// Custom subjects and custom phrases inside a store.
#include "CustomStoreTestBase.h"

#include <QFileInfo>

namespace customstore::testing {
namespace {

using subjects::testing::PhraseRow;
using subjects::testing::makeSubjectStore;

class StoreRowsTest : public CustomStoreTest {
protected:
    void SetUp() override { makeStore("Mine"); }

    void execute(const QString& sql)
    {
        platform::Store store = platform::Store::open(custom("Mine.vfre"), platform::OpenMode::ReadWrite);
        store.executeScript(sql);
    }
    std::int64_t phraseCount(std::int64_t groupKey) const
    {
        return static_cast<std::int64_t>(library.readPhrases("Mine", groupKey).value.size());
    }
    static InstalledPhrase phrase(std::int64_t key, const QString& text = "le chat")
    {
        return {"animals.fre", key, text, "the \"cat\" *1*", "ß*"};
    }
};

TEST_F(StoreRowsTest, SubjectNamesAreKeptExactly)
{
    const QString names[] = {"Pets *1*", "\"quoted\" 'too'", "  Été à Noël  ", "Pets *1*"};
    std::vector<std::int64_t> keys;
    for (const QString& name : names) keys.push_back(library.newSubject("Mine", name).value);
    const auto groups = library.readSubjects("Mine").value;
    ASSERT_EQ(groups.size(), 4u);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(groups[i].key, keys[i]);
        EXPECT_EQ(groups[i].name, names[i]);
    }
}

TEST_F(StoreRowsTest, RenameSubjectKeepsTheTypedTextAndRefusesAnEmptyOne)
{
    const auto pets = library.newSubject("Mine", "Pets").value;
    const auto food = library.newSubject("Mine", "Food").value;
    ASSERT_TRUE(library.renameSubject("Mine", pets, "  Food *\"2\"  ").done());
    ASSERT_TRUE(library.renameSubject("Mine", food, "  Food *\"2\"  ").done());  // names may repeat
    const auto empty = library.renameSubject("Mine", pets, " \t ");
    EXPECT_EQ(empty.outcome, Outcome::Refused);
    EXPECT_EQ(empty.caption, 124);
    EXPECT_EQ(library.renameSubject("Mine", 999, "x").outcome, Outcome::Failed);
    const auto groups = library.readSubjects("Mine").value;
    EXPECT_EQ(groups[0].name, "  Food *\"2\"  ");
    EXPECT_EQ(groups[1].name, "  Food *\"2\"  ");
}

TEST_F(StoreRowsTest, DeleteSubjectTakesItsPhrasesAndNothingElse)
{
    const auto pets = library.newSubject("Mine", "Pets").value;
    const auto food = library.newSubject("Mine", "Food").value;
    for (int i = 1; i <= 3; ++i) library.copyPhrase("Mine", pets, phrase(i));
    library.copyPhrase("Mine", food, phrase(9));
    ASSERT_TRUE(library.deleteSubject("Mine", pets).done());
    const auto groups = library.readSubjects("Mine").value;
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].key, food);
    EXPECT_EQ(phraseCount(pets), 0);
    EXPECT_EQ(phraseCount(food), 1);

    const auto empty = library.newSubject("Mine", "Empty").value;
    EXPECT_TRUE(library.deleteSubject("Mine", empty).done());
    EXPECT_EQ(library.readSubjects("Mine").value.size(), 1u);
}

TEST_F(StoreRowsTest, DeleteSubjectIsOneTransaction)
{
    const auto pets = library.newSubject("Mine", "Pets").value;
    for (int i = 1; i <= 3; ++i) library.copyPhrase("Mine", pets, phrase(i));
    execute("CREATE TRIGGER keepParents BEFORE DELETE ON tblParents BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    const auto deleted = library.deleteSubject("Mine", pets);
    EXPECT_EQ(deleted.outcome, Outcome::Failed);
    EXPECT_TRUE(deleted.message.contains("refused")) << deleted.message.toStdString();
    EXPECT_EQ(phraseCount(pets), 3);  // the phrases deleted first came back
    EXPECT_EQ(library.readSubjects("Mine").value.size(), 1u);
}

TEST_F(StoreRowsTest, KeysAreNeverHandedOutTwice)
{
    const auto first = library.newSubject("Mine", "one").value;
    const auto second = library.newSubject("Mine", "two").value;
    const auto p1 = library.copyPhrase("Mine", first, phrase(1)).value;
    const auto p2 = library.copyPhrase("Mine", first, phrase(2)).value;
    library.deletePhrase("Mine", p2);
    library.deleteSubject("Mine", second);
    EXPECT_GT(library.newSubject("Mine", "three").value, second);
    EXPECT_GT(library.copyPhrase("Mine", first, phrase(3)).value, p2);
    EXPECT_GT(p2, p1);
}

TEST_F(StoreRowsTest, CopyPhraseKeepsTheTextsAndStopsAtTen)
{
    const auto pets = library.newSubject("Mine", "Pets").value;
    for (int i = 1; i <= 10; ++i) {
        const auto copied = library.copyPhrase("Mine", pets, phrase(i, QString("le *%1* \"chat\"").arg(i)));
        ASSERT_TRUE(copied.done()) << copied.message.toStdString();
    }
    const auto eleventh = library.copyPhrase("Mine", pets, phrase(11));
    EXPECT_EQ(eleventh.outcome, Outcome::Refused);
    EXPECT_EQ(eleventh.caption, 7);
    EXPECT_EQ(eleventh.message, "#7");

    const auto phrases = library.readPhrases("Mine", pets).value;
    ASSERT_EQ(phrases.size(), 10u);
    EXPECT_EQ(phrases[4].phraseNo, 5);
    EXPECT_EQ(phrases[4].subjectFile, "animals.fre");
    EXPECT_EQ(phrases[4].phrase, "le *5* \"chat\"");
    EXPECT_EQ(phrases[4].translation, "the \"cat\" *1*");
    EXPECT_EQ(phrases[4].translation2, "ß*");
    EXPECT_EQ(library.copyPhrase("Mine", 999, phrase(1)).outcome, Outcome::Failed);
}

TEST_F(StoreRowsTest, DeletePhraseTakesOnlyThatPhrase)
{
    const auto pets = library.newSubject("Mine", "Pets").value;
    const auto a = library.copyPhrase("Mine", pets, phrase(1)).value;
    const auto b = library.copyPhrase("Mine", pets, phrase(2)).value;
    ASSERT_TRUE(library.deletePhrase("Mine", a).done());
    const auto phrases = library.readPhrases("Mine", pets).value;
    ASSERT_EQ(phrases.size(), 1u);
    EXPECT_EQ(phrases[0].key, b);
}

TEST_F(StoreRowsTest, CopySubjectCopiesEveryPhraseInOrder)
{
    std::vector<PhraseRow> rows;
    for (int key : {5, 2, 9, 1, 3, 4, 6, 7, 8, 10, 11, 12})
        rows.push_back({key, "fr " + QString::number(key), "en *" + QString::number(key) + "*",
                        key == 2 ? std::optional<QString>() : std::optional<QString>("x")});
    makeSubjectStore(settings.installedSubjectsDir + "numbers.fre", rows);

    const auto copied = library.copySubject("Mine", " Numbers", "numbers.fre");
    ASSERT_TRUE(copied.done()) << copied.message.toStdString();
    ASSERT_EQ(copied.value.phrases.size(), 12u);  // no limit when a whole subject is copied
    EXPECT_EQ(copied.value.phrases[0].phraseNo, 1);
    EXPECT_EQ(copied.value.phrases[1].phraseNo, 2);
    EXPECT_EQ(copied.value.phrases[1].translation2, "");  // NULL becomes ""
    EXPECT_EQ(copied.value.phrases[1].translation, "en *2*");

    const auto groups = library.readSubjects("Mine").value;
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].name, " Numbers");
    EXPECT_EQ(groups[0].key, copied.value.groupKey);
    const auto stored = library.readPhrases("Mine", copied.value.groupKey).value;
    ASSERT_EQ(stored.size(), 12u);
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(stored[i].key, copied.value.phrases[i].key);
        EXPECT_EQ(stored[i].subjectFile, "numbers.fre");
    }
    {
        const platform::Store store = platform::Store::open(custom("Mine.vfre"), platform::OpenMode::ReadOnly);
        EXPECT_FALSE(store.query("SELECT tTranslation2 FROM tblPhrases WHERE nPhraseNo = 2").front().at(0).isNull());
    }
    EXPECT_EQ(library.copyPhrase("Mine", copied.value.groupKey, phrase(1)).caption, 7);
}

TEST_F(StoreRowsTest, CopySubjectFailingMidwayWritesNothing)
{
    makeSubjectStore(settings.installedSubjectsDir + "numbers.fre",
                     {{1, "un", "one", ""}, {2, "boom", "two", ""}, {3, "trois", "three", ""}});
    execute("CREATE TRIGGER failOnBoom BEFORE INSERT ON tblPhrases WHEN NEW.tPhrase = 'boom' "
            "BEGIN SELECT RAISE(ABORT, 'disk trouble'); END;");
    const auto copied = library.copySubject("Mine", "Numbers", "numbers.fre");
    EXPECT_EQ(copied.outcome, Outcome::Failed);
    EXPECT_TRUE(library.readSubjects("Mine").value.empty());
    EXPECT_EQ(count("Mine", "SELECT count(*) FROM tblPhrases"), 0);

    const auto missing = library.copySubject("Mine", "Gone", "gone.fre");
    EXPECT_EQ(missing.outcome, Outcome::Failed);
    EXPECT_TRUE(library.readSubjects("Mine").value.empty());
    EXPECT_FALSE(QFileInfo::exists(settings.installedSubjectsDir + "gone.fre"));
}

TEST_F(StoreRowsTest, OperationsOnAMissingStoreFailAndCreateNothing)
{
    EXPECT_EQ(library.newSubject("Nowhere", "x").outcome, Outcome::Failed);
    EXPECT_EQ(library.renameSubject("Nowhere", 1, "x").outcome, Outcome::Failed);
    EXPECT_EQ(library.deleteSubject("Nowhere", 1).outcome, Outcome::Failed);
    EXPECT_EQ(library.copyPhrase("Nowhere", 1, phrase(1)).outcome, Outcome::Failed);
    EXPECT_EQ(library.deletePhrase("Nowhere", 1).outcome, Outcome::Failed);
    EXPECT_EQ(library.readSubjects("Nowhere").outcome, Outcome::Failed);
    EXPECT_EQ(library.renameStore("Nowhere", "Somewhere").outcome, Outcome::Failed);
    EXPECT_FALSE(QFileInfo::exists(custom("Nowhere.vfre")));
    EXPECT_FALSE(QFileInfo::exists(custom("Somewhere.vfre")));
}

}  // namespace
}  // namespace customstore::testing

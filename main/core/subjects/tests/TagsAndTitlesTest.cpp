#include "main/core/subjects/NodeTag.h"
#include "main/core/subjects/ProperTitle.h"

#include <gtest/gtest.h>

namespace subjects {
namespace {

TEST(ProperTitle, TurnsFileNamesIntoTitles)
{
    const std::pair<const char*, const char*> cases[] = {
        {"food_and_DRINK.fre", " Food And Drink"},
        {"animals.fre", " Animals"},
        {"a_b.fre", " A B"},
        {"école.fre", " École"},
        {"STRASSE_straße.ger", " Strasse Straße"},  // one character at a time: ß stays ß
        {"ÉTÉ_À_la_MER.fre", " Été À La Mer"},
        {"o'neil_x-ray.fre", " O'neil X-ray"},
        {".fre", " "},
        {"ab", ""},
    };
    for (const auto& [file, title] : cases)
        EXPECT_EQ(Proper_Title(QString::fromUtf8(file)), QString::fromUtf8(title)) << file;
}

TEST(NodeTag, JoinsFieldsAsTheTreeShowsThem)
{
    const std::pair<NodeTag, const char*> cases[] = {
        {NodeTag::topFolder(NodeKind::InstalledFolder), "FOLDER*INSTALLED_SUBJECTS"},
        {NodeTag::topFolder(NodeKind::RandomSubjectFolder), "FOLDER*RANDOM_SUBJECT"},
        {NodeTag::topFolder(NodeKind::RandomPhrasesFolder), "FOLDER*RANDOM_PHRASES"},
        {NodeTag::customFolder("Mine.vfre"), "FOLDER*Mine.vfre"},
        {NodeTag::subject(NodeKind::InstalledSubject, "animals.fre"), "SUBJECT*animals.fre"},
        {NodeTag::subject(NodeKind::RandomSubject, "animals.fre"), "SUBJECT*animals.fre"},
        {NodeTag::randomMix(), "SUBJECT*VIRTUALSUBJECT"},
        {NodeTag::customGroup(42), "SUBJECT*VIRTUALSUBJECT*42"},
        {NodeTag::phraseOf(NodeKind::Phrase, "animals.fre", 3, "le chat", "the cat", ""),
         "animals.fre*3*le chat*the cat*"},
        {NodeTag::placeholder(), "IGNORE"},
    };
    for (const auto& [tag, joined] : cases) EXPECT_EQ(tag.joined(), QString::fromUtf8(joined));
}

TEST(NodeTag, StarsAndQuotesInTextsStayInTheirOwnFields)
{
    const NodeTag tag = NodeTag::phraseOf(NodeKind::CustomPhrase, "a.fre", 7, "un *étoile*",
                                          "a \"star\"", "5*5");
    EXPECT_EQ(tag.file, "a.fre");
    EXPECT_EQ(tag.key, 7);
    EXPECT_EQ(tag.phrase, "un *étoile*");
    EXPECT_EQ(tag.translation, "a \"star\"");
    EXPECT_EQ(tag.translation2, "5*5");
    // Only the joined form, built for showing, carries the stars as they are.
    EXPECT_EQ(tag.joined(), "a.fre*7*un *étoile**a \"star\"*5*5");
    EXPECT_TRUE(tag.isPhrase());
}

TEST(NodeTag, FieldsOfAJoinedTag)
{
    EXPECT_EQ(tagField("FOLDER*RANDOM_SUBJECT", 0), "FOLDER");
    EXPECT_EQ(tagField("FOLDER*RANDOM_SUBJECT", 1), "RANDOM_SUBJECT");
    EXPECT_EQ(tagField("FOLDER*RANDOM_SUBJECT", 2), std::nullopt);
    EXPECT_EQ(tagField("animals.fre*3*le chat*the cat*", 4), "");
    EXPECT_EQ(tagField("IGNORE", -1), std::nullopt);
}

}  // namespace
}  // namespace subjects

#include "main/core/subjects/SubjectCheck.h"

#include "SubjectFixtures.h"
#include "TestEnvironment.h"
#include "platform/store/Store.h"

#include <gtest/gtest.h>

namespace subjects {
namespace {

using namespace subjects::testing;

class SubjectCheckTest : public ::testing::Test {
protected:
    RecordingHooks recorded;
    SubjectContext context{sandboxSettings(), recorded.hooks()};
    QString dir = context.settings().installedSubjectsDir;
};

TEST_F(SubjectCheckTest, ResultsOfTheCheck)
{
    makeSubjectStore(dir + "valid.fre", tenPhrases("v"));
    makeSubjectStore(dir + "spanish.fre", tenPhrases("s"), "dvlspa");
    testsupport::writeFile(dir + "notastore.fre", QByteArray(2048, 'x'));
    platform::Store::create(dir + "notables.fre");

    EXPECT_EQ(Check_Subject(context, "valid.fre"), "VALID");
    EXPECT_EQ(Check_Subject(context, "spanish.fre"), "WRONG_LANGUAGE*dvlspa");
    for (const char* broken : {"missing.fre", "notastore.fre", "notables.fre"}) {
        const QString result = Check_Subject(context, broken);
        EXPECT_FALSE(result.isEmpty()) << broken;
        EXPECT_NE(result, "VALID") << broken;
        EXPECT_FALSE(result.startsWith("WRONG_LANGUAGE")) << broken;
    }
    EXPECT_TRUE(recorded.boxes.empty());  // the check itself shows nothing
}

TEST_F(SubjectCheckTest, WrongEditionNamesTheFileAndThisProduct)
{
    Report_Subject_Problem(context, "spanish.fre", "WRONG_LANGUAGE*dvlspa");
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(recorded.boxes[0].title, "#103");
    EXPECT_EQ(recorded.boxes[0].text, "spanish.fre#5 Dravolin French");
    EXPECT_EQ(recorded.boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(recorded.webPages.isEmpty());
}

TEST_F(SubjectCheckTest, AnUnreadableStoreOffersTheSubjectsPage)
{
    recorded.answers = {MessageAnswer::Yes, MessageAnswer::No};
    Report_Subject_Problem(context, "gone.fre", "cannot open gone.fre");
    Report_Subject_Problem(context, "gone.fre", "cannot open gone.fre");
    ASSERT_EQ(recorded.boxes.size(), 2u);
    EXPECT_EQ(recorded.boxes[0].text, "cannot open gone.fre\n\ngone.fre#6\n\n#135");
    EXPECT_EQ(recorded.boxes[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(recorded.webPages, QStringList{"subjects.htm"});
}

TEST_F(SubjectCheckTest, VirtualSubjectListsEachMissingPhraseAndFileOnce)
{
    makeSubjectStore(dir + "cats.fre", tenPhrases("c"));
    const auto phrase = [](const char* file, const char* translation) {
        return NodeTag::phraseOf(NodeKind::CustomPhrase, file, 1, "x", translation, "");
    };
    // "cat" after "cats", and "OGS.FRE" after "DOGS.FRE": whole lines are compared.
    const std::vector<NodeTag> children = {phrase("cats.fre", "cats"), phrase("dogs.fre", "cats"),
                                           phrase("dog.fre", "cat"), phrase("dogs.fre", "cats"),
                                           phrase("ogs.fre", "dog")};
    recorded.answers = {MessageAnswer::Yes};
    const VirtualSubjectCheck check = checkVirtualSubject(context, children);
    EXPECT_EQ(check.validCount, 1);
    EXPECT_TRUE(check.ok());
    EXPECT_EQ(check.missingPhrases, (QStringList{"cats", "cat", "dog"}));
    EXPECT_EQ(check.missingSubjects, (QStringList{"DOGS.FRE", "DOG.FRE", "OGS.FRE"}));
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(recorded.boxes[0].title, "#144");
    EXPECT_EQ(recorded.boxes[0].text, "#133\n\ncats\ncat\ndog\n\n#134\n\nDOGS.FRE\nDOG.FRE\nOGS.FRE\n\n#135");
    EXPECT_EQ(recorded.webPages, QStringList{"subjects.htm"});
}

TEST_F(SubjectCheckTest, VirtualSubjectWithoutValidPhrasesFailsQuietly)
{
    makeSubjectStore(dir + "spanish.fre", tenPhrases("s"), "dvlspa");
    const NodeTag spanish = NodeTag::phraseOf(NodeKind::CustomPhrase, "spanish.fre", 1, "x", "y", "");
    EXPECT_FALSE(checkVirtualSubject(context, {spanish, spanish}).ok());
    EXPECT_FALSE(checkVirtualSubject(context, {NodeTag::placeholder()}).ok());
    EXPECT_TRUE(recorded.boxes.empty());
}

}  // namespace
}  // namespace subjects

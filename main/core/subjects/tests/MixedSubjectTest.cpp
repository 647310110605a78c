#include "main/core/subjects/tree/SubjectTree.h"

#include "SubjectFixtures.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <set>

namespace subjects {
namespace {

using namespace subjects::testing;

class MixedSubjectTest : public ::testing::Test {
protected:
    RecordingHooks recorded;
    SubjectSettings settings = sandboxSettings();
    QString installed = settings.installedSubjectsDir;

    // Builds the tree and clicks the random-mix folder with these random values.
    std::unique_ptr<SubjectTree> clickMix(std::vector<double> values)
    {
        auto tree = std::make_unique<SubjectTree>(SubjectContext(settings, recorded.hooks()),
                                                  platform::RandomSource::scripted(std::move(values)));
        tree->build();
        recorded.windowEvents.clear();
        tree->NodeClick(tree->topFolder(NodeKind::RandomPhrasesFolder));
        return tree;
    }

    static std::vector<const TreeNode*> mixPhrases(const SubjectTree& tree)
    {
        std::vector<const TreeNode*> phrases;
        const auto& mix = tree.nodes().children(tree.topFolder(NodeKind::RandomPhrasesFolder));
        if (mix.empty()) return phrases;
        for (NodeId id : tree.nodes().children(mix.front())) phrases.push_back(tree.node(id));
        return phrases;
    }
};

TEST_F(MixedSubjectTest, PicksRowsByPositionSoGapsInKeysDoNoHarm)
{
    makeSubjectStore(installed + "gaps.fre",
                     {{3, "trois", "three", ""}, {8, "huit", "eight", ""}, {20, "vingt", "twenty", "xx"}});
    // Per slot: one draw of the subject, one of the row.
    std::vector<double> values;
    for (double row : {0.0, 0.4, 0.9, 0.0, 0.4, 0.9, 0.0, 0.4, 0.9, 0.9}) values.insert(values.end(), {0.0, row});
    auto tree = clickMix(values);
    const auto phrases = mixPhrases(*tree);
    ASSERT_EQ(phrases.size(), 10u);
    EXPECT_EQ(phrases[0]->tag, NodeTag::phraseOf(NodeKind::Phrase, "gaps.fre", 3, "trois", "three", ""));
    EXPECT_EQ(phrases[1]->tag.key, 8);
    EXPECT_EQ(phrases[2]->tag.key, 20);
    EXPECT_EQ(phrases[2]->text, "twenty");
    EXPECT_EQ(phrases[2]->image, images::Phrase);
    EXPECT_TRUE(recorded.boxes.empty());
    EXPECT_EQ(recorded.windowEvents, (std::vector<QString>{"disabled", "enabled"}));

    const NodeId mix = tree->nodes().children(tree->topFolder(NodeKind::RandomPhrasesFolder)).front();
    EXPECT_EQ(tree->node(mix)->text, "#118");
    EXPECT_EQ(tree->selected(), mix);
    EXPECT_TRUE(tree->offersListening(phrases[0]->id));
    EXPECT_FALSE(tree->offersPhraseMenu(phrases[0]->id));
}

TEST_F(MixedSubjectTest, TakesEveryPhraseFromTheOneValidSubjectAndShowsTheWaitBoxAfterTenRefusals)
{
    // Twelve subjects that cannot give a phrase, listed before the one that can.
    for (int n = 1; n <= 12; ++n) {
        const QString file = installed + QString("a%1.fre").arg(n, 2, 10, QChar('0'));
        if (n % 3 == 0)
            makeSubjectStore(file, {});  // valid, but no rows
        else if (n % 3 == 1)
            makeSubjectStore(file, tenPhrases("es"), "dvlspa");
        else
            testsupport::writeFile(file, QByteArray(3000, 'n'));
    }
    makeSubjectStore(installed + "zz.fre", tenPhrases("z"));
    auto tree = clickMix({});  // every draw takes the first subject not refused yet

    const auto phrases = mixPhrases(*tree);
    ASSERT_EQ(phrases.size(), 10u);
    for (const TreeNode* phrase : phrases) EXPECT_EQ(phrase->tag.file, "zz.fre");
    EXPECT_EQ(recorded.windowEvents,
              (std::vector<QString>{"disabled", "wait box shown: #119 | #148\n\n" + QString("a11.fre") + " | 2000",
                                    "wait 1", "wait box text: #148\n\na12.fre", "enabled", "wait box closed"}));
    EXPECT_TRUE(recorded.boxes.empty());
}

TEST_F(MixedSubjectTest, NoUsableSubjectRemovesTheMixAndGivesTheWindowBack)
{
    makeSubjectStore(installed + "empty.fre", {});
    makeSubjectStore(installed + "spanish.fre", tenPhrases("s"), "dvlspa");
    auto tree = clickMix({0.9, 0.9, 0.9});
    const NodeId folder = tree->topFolder(NodeKind::RandomPhrasesFolder);
    EXPECT_FALSE(tree->nodes().hasChildren(folder));
    EXPECT_EQ(tree->node(folder)->image, images::TopClosed);
    EXPECT_EQ(tree->selected(), folder);
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(recorded.boxes[0].text, "#140");
    EXPECT_TRUE(recorded.mainWindowEnabled());

    // The next click tries again.
    tree->NodeClick(folder);
    EXPECT_EQ(recorded.boxes.size(), 2u);
}

TEST_F(MixedSubjectTest, AFailureOnTheWayStillGivesTheWindowBackAndClosesTheWaitBox)
{
    for (int n = 1; n <= 11; ++n) makeSubjectStore(installed + QString("b%1.fre").arg(n, 2, 10, QChar('0')), {});
    makeSubjectStore(installed + "zz.fre", tenPhrases("z"));
    SubjectHooks hooks = recorded.hooks();
    hooks.wait = [](int) { throw std::runtime_error("the wait broke"); };
    SubjectTree tree(SubjectContext(settings, hooks), platform::RandomSource::scripted({}));
    tree.build();
    recorded.windowEvents.clear();
    tree.NodeClick(tree.topFolder(NodeKind::RandomPhrasesFolder));

    ASSERT_EQ(recorded.errors.size(), 1u);
    EXPECT_EQ(recorded.errors[0], "Build_Mixed_Subject: the wait broke");
    EXPECT_EQ(recorded.windowEvents.back(), "wait box closed");
    EXPECT_TRUE(recorded.mainWindowEnabled());
}

TEST_F(MixedSubjectTest, RandomSubjectsAreDrawnFromOneSeededSource)
{
    for (const char* name : {"a.fre", "b.fre", "c.fre", "d.fre", "e.fre"}) makeSubjectStore(installed + name, tenPhrases(name));
    SubjectTree tree(SubjectContext(settings, recorded.hooks()), platform::RandomSource(7));
    tree.build();
    std::set<QString> drawn;
    const NodeId folder = tree.topFolder(NodeKind::RandomSubjectFolder);
    for (int click = 0; click < 40; ++click) {
        tree.NodeClick(folder);
        if (tree.nodes().hasChildren(folder)) drawn.insert(tree.node(tree.nodes().children(folder).front())->tag.file);
    }
    // Quick clicks within one second still draw different subjects.
    EXPECT_GE(drawn.size(), 3u);
}

}  // namespace
}  // namespace subjects

#include "main/core/subjects/tree/SubjectTree.h"

#include "SubjectFixtures.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace subjects {
namespace {

using namespace subjects::testing;

class SubjectTreeTest : public ::testing::Test {
protected:
    RecordingHooks recorded;
    SubjectSettings settings = sandboxSettings();
    QString installed = settings.installedSubjectsDir;
    QString custom = settings.virtualSubjectsDir;
    platform::RandomSource random = platform::RandomSource::scripted({});

    std::unique_ptr<SubjectTree> makeTree()
    {
        auto tree = std::make_unique<SubjectTree>(SubjectContext(settings, recorded.hooks()), random);
        tree->build();
        return tree;
    }

    static std::vector<QString> texts(const SubjectTree& tree, NodeId parent)
    {
        std::vector<QString> result;
        for (NodeId id : parent == kNoNode ? tree.nodes().roots() : tree.nodes().children(parent))
            result.push_back(tree.node(id)->text);
        return result;
    }

    static NodeId child(const SubjectTree& tree, NodeId parent, int index)
    {
        return tree.nodes().children(parent).at(index);
    }
};

TEST_F(SubjectTreeTest, EmptyFoldersGetPlaceholdersAndEveryClickNamesTheSubjectsFolder)
{
    auto tree = makeTree();
    EXPECT_EQ(texts(*tree, kNoNode), (std::vector<QString>{"#2", "#117", "#119"}));
    const NodeId top = tree->topFolder(NodeKind::InstalledFolder);
    for (NodeId id : tree->nodes().roots()) {
        EXPECT_TRUE(tree->node(id)->bold);
        EXPECT_EQ(tree->node(id)->image, images::TopClosed);
    }
    EXPECT_EQ(tree->selected(), top);
    ASSERT_EQ(tree->nodes().children(top).size(), 1u);
    EXPECT_EQ(tree->node(child(*tree, top, 0))->tag.kind, NodeKind::Placeholder);
    EXPECT_EQ(tree->node(child(*tree, top, 0))->text, "#130");

    tree->NodeClick(tree->topFolder(NodeKind::RandomSubjectFolder));
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(recorded.boxes[0].text, "#131 \n\n" + installed + "\n\n#132\n");
    EXPECT_FALSE(tree->nodes().hasChildren(tree->topFolder(NodeKind::RandomSubjectFolder)));
}

TEST_F(SubjectTreeTest, ListsInstalledSubjectsAndCustomStoresWithProgress)
{
    makeSubjectStore(installed + "food_and_DRINK.fre", tenPhrases("f"));
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    testsupport::writeFile(installed + "notes.txt", "not a subject");
    makeCustomStore(custom + "Mine.vfre", {{"Pets *1*"}, {"Food"}});
    makeCustomStore(custom + "empty.vfre", {});

    auto tree = makeTree();
    const NodeId top = tree->topFolder(NodeKind::InstalledFolder);
    EXPECT_EQ(texts(*tree, top), (std::vector<QString>{"Animals", "Food And Drink"}));
    EXPECT_EQ(tree->node(child(*tree, top, 1))->tag, NodeTag::subject(NodeKind::InstalledSubject, "food_and_DRINK.fre"));
    EXPECT_EQ(tree->node(child(*tree, top, 1))->image, images::Subject);
    EXPECT_EQ(tree->node(child(*tree, top, 1))->selectedImage, images::SubjectSelected);

    EXPECT_EQ(texts(*tree, kNoNode), (std::vector<QString>{"#2", "#117", "#119", "empty", "Mine"}));
    const NodeId emptyStore = tree->nodes().roots().at(3);
    const NodeId mine = tree->nodes().roots().at(4);
    EXPECT_TRUE(tree->node(mine)->bold);
    EXPECT_EQ(tree->node(mine)->image, images::CustomClosed);
    EXPECT_EQ(tree->node(mine)->tag, NodeTag::customFolder("Mine.vfre"));
    EXPECT_EQ(texts(*tree, mine), (std::vector<QString>{"Pets *1*", "Food"}));
    EXPECT_EQ(tree->node(child(*tree, mine, 0))->image, images::Group);
    EXPECT_EQ(texts(*tree, emptyStore), std::vector<QString>{"#130"});

    EXPECT_EQ(recorded.splashLines,
              (QStringList{"#23  Animals", "#23  Food And Drink", "#23 Pets *1*", "#23 Food"}));
    EXPECT_EQ(recorded.messageWindowTexts, (QStringList{" Animals", " Food And Drink", "Pets *1*", "Food"}));
    EXPECT_TRUE(recorded.errors.empty());
}

TEST_F(SubjectTreeTest, OneUnreadableCustomStoreIsReportedOnceAndTheOthersListed)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    makeCustomStore(custom + "Alpha.vfre", {{"First"}});
    testsupport::writeFile(custom + "Broken.vfre", QByteArray(4096, 'z'));
    makeCustomStore(custom + "Zed.vfre", {{"Last"}});
    const QByteArray brokenBytes = testsupport::readFile(custom + "Broken.vfre");

    auto tree = makeTree();
    ASSERT_EQ(recorded.errors.size(), 1u);
    EXPECT_TRUE(recorded.errors[0].startsWith("Get_vSubjects: ")) << recorded.errors[0].toStdString();
    EXPECT_EQ(texts(*tree, kNoNode), (std::vector<QString>{"#2", "#117", "#119", "Alpha", "Broken", "Zed"}));
    EXPECT_EQ(texts(*tree, tree->nodes().roots().at(5)), std::vector<QString>{"Last"});
    EXPECT_EQ(texts(*tree, tree->nodes().roots().at(4)), std::vector<QString>{"#130"});
    // The unreadable store is left as it was, and nothing else appeared.
    EXPECT_EQ(testsupport::readFile(custom + "Broken.vfre"), brokenBytes);
    EXPECT_EQ(QDir(custom).entryList(QDir::Files).size(), 3);
}

TEST_F(SubjectTreeTest, ClickingASubjectLoadsItsPhrasesOnce)
{
    makeSubjectStore(installed + "animals.fre",
                     {{4, "le *chat*", "the \"cat\"", std::nullopt}, {2, "le chien", "the dog", "doggy"}});
    auto tree = makeTree();
    const NodeId subject = child(*tree, tree->topFolder(NodeKind::InstalledFolder), 0);
    tree->NodeClick(subject);
    EXPECT_EQ(recorded.windowEvents, (std::vector<QString>{"disabled", "enabled"}));
    EXPECT_EQ(texts(*tree, subject), (std::vector<QString>{"the dog", "the \"cat\""}));
    const TreeNode& first = *tree->node(child(*tree, subject, 1));
    EXPECT_EQ(first.tag, NodeTag::phraseOf(NodeKind::Phrase, "animals.fre", 4, "le *chat*", "the \"cat\"", ""));
    EXPECT_EQ(first.image, images::Phrase);
    EXPECT_TRUE(tree->node(subject)->expanded);

    tree->NodeClick(subject);
    EXPECT_EQ(tree->nodes().children(subject).size(), 2u);
    EXPECT_TRUE(recorded.boxes.empty());
}

TEST_F(SubjectTreeTest, AnUnreadableSubjectIsMarkedAndReported)
{
    testsupport::writeFile(installed + "broken.fre", QByteArray(4096, 'q'));
    auto tree = makeTree();
    const NodeId top = tree->topFolder(NodeKind::InstalledFolder);
    const NodeId subject = child(*tree, top, 0);
    tree->NodeClick(subject);
    EXPECT_EQ(tree->node(subject)->image, images::Failed);
    EXPECT_EQ(tree->node(subject)->selectedImage, images::Failed);
    EXPECT_EQ(tree->selected(), top);
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(recorded.boxes[0].title, "#103");
    EXPECT_TRUE(recorded.boxes[0].text.startsWith("BROKEN.FRE#6\n\n"));
    EXPECT_TRUE(recorded.mainWindowEnabled());
    EXPECT_FALSE(tree->nodes().hasChildren(subject));
}

TEST_F(SubjectTreeTest, RandomSubjectFolderAlternatesBetweenADrawnSubjectAndNothing)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    makeSubjectStore(installed + "colours.fre", tenPhrases("c"));
    random = platform::RandomSource::scripted({0.75});
    auto tree = makeTree();
    const NodeId folder = tree->topFolder(NodeKind::RandomSubjectFolder);

    tree->NodeClick(folder);
    ASSERT_EQ(tree->nodes().children(folder).size(), 1u);
    const NodeId drawn = child(*tree, folder, 0);
    EXPECT_EQ(tree->node(drawn)->text, " Colours");  // not trimmed
    EXPECT_EQ(tree->node(drawn)->tag, NodeTag::subject(NodeKind::RandomSubject, "colours.fre"));
    EXPECT_EQ(tree->selected(), drawn);
    EXPECT_EQ(tree->node(folder)->image, images::TopOpen);
    EXPECT_TRUE(tree->node(folder)->expanded);

    tree->NodeClick(drawn);
    EXPECT_EQ(tree->nodes().children(drawn).size(), 10u);
    EXPECT_TRUE(tree->offersPhraseMenu(child(*tree, drawn, 0)));

    tree->NodeClick(folder);
    EXPECT_FALSE(tree->nodes().hasChildren(folder));
    EXPECT_EQ(tree->node(folder)->image, images::TopClosed);
    EXPECT_EQ(tree->node(drawn), nullptr);
}

TEST_F(SubjectTreeTest, CustomGroupsLoadTheirPhrasesOrAPlaceholder)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    makeCustomStore(custom + "Mine.vfre",
                    {{"Pets", {{3, "le chat", "the cat", "kitty"}}, "animals.fre"}, {"Nothing yet"}});
    auto tree = makeTree();
    const NodeId store = tree->nodes().roots().at(3);
    const NodeId pets = child(*tree, store, 0);
    const NodeId empty = child(*tree, store, 1);

    tree->NodeClick(pets);
    ASSERT_EQ(tree->nodes().children(pets).size(), 1u);
    const TreeNode& phrase = *tree->node(child(*tree, pets, 0));
    EXPECT_EQ(phrase.text, "the cat");
    EXPECT_EQ(phrase.tag, NodeTag::phraseOf(NodeKind::CustomPhrase, "animals.fre", 3, "le chat", "the cat", "kitty"));
    EXPECT_EQ(phrase.image, images::CustomPhrase);
    EXPECT_FALSE(tree->offersPhraseMenu(phrase.id));
    EXPECT_TRUE(tree->offersListening(phrase.id));

    tree->NodeClick(empty);
    EXPECT_EQ(texts(*tree, empty), std::vector<QString>{"#127"});
    EXPECT_FALSE(tree->Check_Virtual_Subject(empty));
    EXPECT_EQ(tree->node(empty)->image, images::Failed);
    EXPECT_TRUE(tree->Check_Virtual_Subject(pets));
    EXPECT_TRUE(recorded.boxes.empty());

    // A click on the placeholder selects its group.
    tree->NodeClick(child(*tree, empty, 0));
    EXPECT_EQ(tree->selected(), empty);
}

TEST_F(SubjectTreeTest, AGroupWhoseStoreWentAwayIsReportedWithoutCreatingIt)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    makeCustomStore(custom + "Mine.vfre", {{"Pets"}});
    auto tree = makeTree();
    const NodeId store = tree->nodes().roots().at(3);
    const NodeId pets = child(*tree, store, 0);
    ASSERT_TRUE(QFile::remove(custom + "Mine.vfre"));

    tree->NodeClick(pets);
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_TRUE(recorded.boxes[0].text.startsWith("MINE.VFRE#6")) << recorded.boxes[0].text.toStdString();
    EXPECT_EQ(tree->node(pets)->image, images::Failed);
    EXPECT_EQ(tree->selected(), store);
    EXPECT_FALSE(QFileInfo::exists(custom + "Mine.vfre"));
}

TEST_F(SubjectTreeTest, APhraseOfAnotherEditionIsReportedAndItsSubjectSelected)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    makeSubjectStore(installed + "spanish.fre", tenPhrases("s"), "dvlspa");
    auto tree = makeTree();
    const NodeId top = tree->topFolder(NodeKind::InstalledFolder);
    const NodeId animals = child(*tree, top, 0);
    const NodeId spanish = child(*tree, top, 1);
    tree->NodeClick(animals);
    tree->NodeClick(child(*tree, animals, 3));
    EXPECT_EQ(tree->selected(), child(*tree, animals, 3));
    tree->NodeClick(spanish);
    tree->NodeClick(child(*tree, spanish, 0));
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(recorded.boxes[0].text, "spanish.fre#5 Dravolin French");
    EXPECT_EQ(tree->selected(), spanish);
}

TEST_F(SubjectTreeTest, FoldersToggleAndShowTheirOpenPictures)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    makeCustomStore(custom + "Mine.vfre", {{"Pets"}});
    auto tree = makeTree();
    const NodeId top = tree->topFolder(NodeKind::InstalledFolder);
    const NodeId store = tree->nodes().roots().at(3);
    tree->NodeClick(top);
    EXPECT_TRUE(tree->node(top)->expanded);
    EXPECT_EQ(tree->node(top)->image, images::TopOpen);
    tree->NodeClick(top);
    EXPECT_EQ(tree->node(top)->image, images::TopClosed);
    tree->NodeClick(store);
    EXPECT_EQ(tree->node(store)->image, images::CustomOpen);
    tree->Collapse(store);
    EXPECT_EQ(tree->node(store)->image, images::CustomClosed);
    const NodeId pets = child(*tree, store, 0);
    tree->Expand(pets);
    EXPECT_EQ(tree->node(pets)->image, images::Group);
}

TEST_F(SubjectTreeTest, RefreshRebuildsOnlyWhenSomethingChanged)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    auto tree = makeTree();
    const NodeId before = tree->topFolder(NodeKind::InstalledFolder);
    makeCustomStore(custom + "New.vfre", {{"Fresh"}});

    bool changed = false;
    tree->Refresh_Subjects(changed);
    EXPECT_EQ(tree->topFolder(NodeKind::InstalledFolder), before);
    EXPECT_EQ(tree->nodes().roots().size(), 3u);

    changed = true;
    tree->Refresh_Subjects(changed);
    EXPECT_FALSE(changed);
    EXPECT_NE(tree->topFolder(NodeKind::InstalledFolder), before);
    EXPECT_EQ(texts(*tree, kNoNode), (std::vector<QString>{"#2", "#117", "#119", "New"}));
    EXPECT_EQ(tree->selected(), tree->topFolder(NodeKind::InstalledFolder));
}

TEST_F(SubjectTreeTest, TagItemReportsAMissingField)
{
    auto tree = makeTree();
    const NodeId folder = tree->topFolder(NodeKind::RandomSubjectFolder);
    EXPECT_EQ(tree->Tag_Item(1, folder), "RANDOM_SUBJECT");
    EXPECT_TRUE(recorded.errors.empty());
    EXPECT_EQ(tree->Tag_Item(2, folder), "");
    ASSERT_EQ(recorded.errors.size(), 1u);
    EXPECT_TRUE(recorded.errors[0].startsWith("Tag_Item: "));
    EXPECT_EQ(tree->Tag_Item(0, 9999), "");
    EXPECT_EQ(recorded.errors.size(), 2u);
}

}  // namespace
}  // namespace subjects

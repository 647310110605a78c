#include "main/core/launch/ActivityLauncher.h"

#include "SubjectFixtures.h"
#include "TestEnvironment.h"
#include "common/studylist/StudyListFile.h"
#include "main/core/startup/ModMain.h"
#include "platform/store/Store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace launch {
namespace {

using namespace subjects;
using namespace subjects::testing;
using startup::modMain;

struct Start {
    QString program;
    QString argument;
};

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        modMain = {};
        modMain.gProgramCode = "dvlfre";
        modMain.gProductTitle = "Dravolin French";
        modMain.gInterfaceLanguage = "English";
        modMain.gTargetLanguage = "French";
        modMain.gUserName = "Ana Ruiz, Jr";
        modMain.gDataDir = testsupport::makeFolder("Data");
    }

    // Builds the tree from the stores made so far and a launcher with a recording starter.
    void makeTree(std::vector<double> random = {})
    {
        tree = std::make_unique<SubjectTree>(SubjectContext(settings, recorded.hooks()),
                                             platform::RandomSource::scripted(std::move(random)));
        tree->build();
        LaunchSeams seams;
        seams.startProgram = [this](const QString& program, const QString& argument) {
            starts.push_back({program, argument});
            return startSucceeds;
        };
        seams.place = [this] { return place; };
        launcher = std::make_unique<ActivityLauncher>(*tree, seams);
        recorded.windowEvents.clear();
    }

    NodeId installedSubject(int index) const
    {
        return tree->nodes().children(tree->topFolder(NodeKind::InstalledFolder)).at(index);
    }
    NodeId child(NodeId parent, int index) const { return tree->nodes().children(parent).at(index); }

    void launchOn(NodeId node) { launcher->btnAct_Click(kProgram, node); }

    // The study list as an activity reads it.
    studylist::StudyList readBack() const
    {
        const studylist::ReadResult result = studylist::read(place.studyListFile());
        EXPECT_TRUE(result.ok()) << result.error.toStdString();
        return result.list.value_or(studylist::StudyList{});
    }

    // Which of the sound slots 1..10 have a file.
    std::vector<int> soundSlots() const
    {
        std::vector<int> filled;
        for (int slot = 1; slot <= 10; ++slot)
            if (QFileInfo::exists(place.soundFile(slot))) filled.push_back(slot);
        return filled;
    }

    // The launch ended with the window given back and nothing started.
    void expectNoLaunch() const
    {
        EXPECT_TRUE(starts.empty());
        EXPECT_TRUE(recorded.mainWindowEnabled());
    }

    const QString kProgram = QStringLiteral("/opt/Dravolin/Activities/01cardflip");
    RecordingHooks recorded;
    SubjectSettings settings = sandboxSettings();
    QString installed = settings.installedSubjectsDir;
    QString custom = settings.virtualSubjectsDir;
    HandoffPlace place{testsupport::makeFolder("Temp"), 4242};
    std::unique_ptr<SubjectTree> tree;
    std::unique_ptr<ActivityLauncher> launcher;
    std::vector<Start> starts;
    bool startSucceeds = true;
};

TEST_F(LaunchTest, AnInstalledSubjectIsHandedOverWithItsSoundsAndTheProgramStarted)
{
    std::vector<PhraseRow> rows = tenPhrases("a");
    rows[1] = {2, "le \"chat\", noir", "the cat\nblack", std::nullopt, "RIFF-cat"};
    makeSubjectStore(installed + "animals.fre", rows);
    makeTree();
    const NodeId animals = installedSubject(0);
    tree->NodeClick(animals);
    recorded.windowEvents.clear();

    launchOn(animals);

    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].program, kProgram);
    EXPECT_EQ(starts[0].argument, "~dvl4242.txt");
    EXPECT_EQ(recorded.windowEvents, (std::vector<QString>{"disabled", "enabled"}));
    EXPECT_TRUE(recorded.boxes.empty());
    EXPECT_EQ(modMain.gPhraseCount, 10);

    const studylist::StudyList list = readBack();
    EXPECT_EQ(list.instanceHandle, "4242");
    EXPECT_EQ(list.programCode, "dvlfre");
    EXPECT_EQ(list.productTitle, "Dravolin French");
    EXPECT_EQ(list.interfaceLanguage, "English");
    EXPECT_EQ(list.targetLanguage, "French");
    EXPECT_EQ(list.userName, "Ana Ruiz, Jr");
    EXPECT_EQ(list.subjectTitle, "Animals");
    EXPECT_EQ(list.userStorePath, modMain.gDataDir + "Users.dat");
    ASSERT_EQ(list.phraseCount(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(list.phrases[i].soundPath, place.soundFile(i + 1));
        EXPECT_EQ(testsupport::readFile(place.soundFile(i + 1)), rows[i].sound) << i;
    }
    EXPECT_EQ(list.phrases[0].phrase, "a phrase 1");
    EXPECT_EQ(list.phrases[0].translation, "a 1");
    EXPECT_EQ(list.phrases[1].phrase, "le \"chat\", noir");
    EXPECT_EQ(list.phrases[1].translation, "the cat black");
    EXPECT_EQ(list.phrases[1].translation2, "");
    // Fifteen header lines and four per phrase.
    EXPECT_EQ(testsupport::readFile(place.studyListFile()).count("\r\n"), 55);
}

TEST_F(LaunchTest, APhraseNodeStandsForItsWholeSubjectWhichBecomesSelected)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    makeTree();
    const NodeId animals = installedSubject(0);
    tree->NodeClick(animals);
    tree->NodeClick(child(animals, 4));

    launchOn(tree->selected());

    EXPECT_EQ(tree->selected(), animals);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(readBack().phraseCount(), 10);
}

TEST_F(LaunchTest, ACustomGroupStudiesItsPhrasesWhoseSubjectsArePresentAndValid)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    makeSubjectStore(installed + "colours.fre", tenPhrases("c"));
    makeSubjectStore(installed + "spanish.fre", tenPhrases("s"), "dvlspa");
    makeCustomStore(custom + "Mine.vfre",
                    {{"Pets", {{3, "a phrase 3", "a 3", "kitty"}, {1, "a phrase 1", "a 1", ""}}, "animals.fre"},
                     {"Mixed", {{7, "c phrase 7", "c 7", ""}}, "colours.fre"},
                     {"Foreign", {{2, "s phrase 2", "s 2", ""}}, "spanish.fre"},
                     {"Lost", {{5, "g phrase 5", "lost one", ""}}, "gone.fre"}});
    // One group drawing from every kind of store, in this order.
    platform::Store store = platform::Store::open(custom + "Mine.vfre", platform::OpenMode::ReadWrite);
    store.execute("UPDATE tblPhrases SET fkParent = (SELECT min(rowid) FROM tblParents)");
    makeTree();
    const NodeId pets = child(tree->nodes().roots().at(3), 0);
    tree->NodeClick(pets);
    ASSERT_EQ(tree->nodes().children(pets).size(), 5u);

    launchOn(pets);

    // The missing store is reported and the launch goes on without it and the foreign one.
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_TRUE(recorded.boxes[0].text.contains("GONE.FRE"));
    ASSERT_EQ(starts.size(), 1u);
    const studylist::StudyList list = readBack();
    EXPECT_EQ(list.subjectTitle, "Pets");
    ASSERT_EQ(list.phraseCount(), 3);
    EXPECT_EQ(list.phrases[0].phrase, "a phrase 3");
    EXPECT_EQ(list.phrases[1].phrase, "a phrase 1");
    EXPECT_EQ(list.phrases[2].phrase, "c phrase 7");
    EXPECT_EQ(testsupport::readFile(place.soundFile(1)), QByteArray("RIFF3"));
    EXPECT_EQ(testsupport::readFile(place.soundFile(3)), QByteArray("RIFF7"));
    EXPECT_EQ(soundSlots(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(recorded.mainWindowEnabled());
}

TEST_F(LaunchTest, APhraseGoneFromItsStoreEndsTheGatheringWithAnErrorBox)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    makeCustomStore(custom + "Mine.vfre",
                    {{"Gone in the middle",
                      {{3, "a phrase 3", "a 3", ""}, {99, "no longer there", "gone", ""}, {1, "a phrase 1", "a 1", ""}}},
                     {"Gone first", {{42, "no longer there", "gone", ""}, {2, "a phrase 2", "a 2", ""}}}});
    makeTree();
    const NodeId store = tree->nodes().roots().at(3);
    tree->NodeClick(child(store, 0));
    recorded.windowEvents.clear();

    // The phrases gathered before the missing one are studied.
    launchOn(child(store, 0));
    ASSERT_EQ(recorded.errors.size(), 1u);
    EXPECT_TRUE(recorded.errors[0].startsWith("Get_Phraes_to_Study: ")) << recorded.errors[0].toStdString();
    EXPECT_TRUE(recorded.errors[0].contains("99")) << recorded.errors[0].toStdString();
    ASSERT_EQ(starts.size(), 1u);
    const studylist::StudyList list = readBack();
    ASSERT_EQ(list.phraseCount(), 1);
    EXPECT_EQ(list.phrases[0].phrase, "a phrase 3");
    EXPECT_EQ(soundSlots(), (std::vector<int>{1}));
    EXPECT_TRUE(recorded.mainWindowEnabled());

    // Nothing gathered before it: there is nothing to study.
    starts.clear();
    recorded.errors.clear();
    tree->NodeClick(child(store, 1));
    recorded.boxes.clear();
    launchOn(child(store, 1));
    ASSERT_EQ(recorded.errors.size(), 1u);
    EXPECT_TRUE(recorded.errors[0].contains("42")) << recorded.errors[0].toStdString();
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(recorded.boxes[0].text, "There are no phrases to study");
    expectNoLaunch();
}

TEST_F(LaunchTest, TheRandomMixStudiesItsTenPhrasesInTreeOrder)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    makeSubjectStore(installed + "colours.fre", tenPhrases("c"));
    makeTree({0.1, 0.3, 0.9, 0.5, 0.2, 0.7, 0.6, 0.0, 0.8, 0.4, 0.55, 0.15, 0.95, 0.35, 0.65, 0.45, 0.25,
              0.75, 0.05, 0.85});
    const NodeId folder = tree->topFolder(NodeKind::RandomPhrasesFolder);
    tree->NodeClick(folder);
    const NodeId mix = child(folder, 0);
    ASSERT_EQ(tree->nodes().children(mix).size(), 10u);

    launchOn(mix);

    ASSERT_EQ(starts.size(), 1u);
    const studylist::StudyList list = readBack();
    EXPECT_EQ(list.subjectTitle, "#118");
    ASSERT_EQ(list.phraseCount(), 10);
    for (int i = 0; i < 10; ++i) {
        const NodeTag& tag = tree->node(child(mix, i))->tag;
        EXPECT_EQ(list.phrases[i].phrase, tag.phrase) << i;
        EXPECT_EQ(testsupport::readFile(place.soundFile(i + 1)), "RIFF" + QByteArray::number(tag.key)) << i;
    }
}

TEST_F(LaunchTest, FoldersAndNoSelectionAskForASubjectFirst)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    makeCustomStore(custom + "Empty.vfre", {});
    makeTree();
    const NodeId emptyStore = tree->nodes().roots().at(3);
    const std::vector<std::pair<const char*, NodeId>> cases{
        {"installed folder", tree->topFolder(NodeKind::InstalledFolder)},
        {"random subject folder", tree->topFolder(NodeKind::RandomSubjectFolder)},
        {"custom folder", emptyStore},
        {"placeholder of an empty folder", child(emptyStore, 0)},
        {"nothing selected", kNoNode},
    };
    for (const auto& [name, node] : cases) {
        recorded.boxes.clear();
        recorded.windowEvents.clear();
        launchOn(node);
        ASSERT_EQ(recorded.boxes.size(), 1u) << name;
        EXPECT_EQ(recorded.boxes[0].text, "#22") << name;
        EXPECT_EQ(recorded.boxes[0].title, "#103") << name;
        EXPECT_EQ(recorded.boxes[0].icon, MessageIcon::Exclamation) << name;
        EXPECT_TRUE(recorded.windowEvents.empty()) << name;
        EXPECT_EQ(tree->node(emptyStore)->image, images::CustomClosed) << name;
    }
    expectNoLaunch();
    EXPECT_FALSE(QFileInfo::exists(place.studyListFile()));
}

TEST_F(LaunchTest, ASubjectThatFailsItsCheckIsReportedAndMarked)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"), "dvlspa");
    makeTree();
    const NodeId animals = installedSubject(0);

    launchOn(animals);

    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(recorded.boxes[0].text, "animals.fre#5 Dravolin French");
    EXPECT_EQ(tree->node(animals)->image, images::Failed);
    EXPECT_EQ(tree->node(animals)->selectedImage, images::Failed);
    expectNoLaunch();
    EXPECT_TRUE(soundSlots().empty());
}

TEST_F(LaunchTest, OnlyTheFirstTenPhrasesAreTaken)
{
    std::vector<PhraseRow> twelve;
    for (int key = 1; key <= 12; ++key)
        twelve.push_back({key, "p" + QString::number(key), "t" + QString::number(key), QString(),
                          "RIFF" + QByteArray::number(key)});
    makeSubjectStore(installed + "big.fre", twelve);
    makeCustomStore(custom + "Mine.vfre", {{"Big group", twelve, "big.fre"}});
    makeTree();
    const NodeId group = child(tree->nodes().roots().at(3), 0);
    tree->NodeClick(group);

    for (const NodeId subject : {installedSubject(0), group}) {
        starts.clear();
        launchOn(subject);
        ASSERT_EQ(starts.size(), 1u);
        const studylist::StudyList list = readBack();
        ASSERT_EQ(list.phraseCount(), 10);
        EXPECT_EQ(list.phrases.front().phrase, "p1");
        EXPECT_EQ(list.phrases.back().phrase, "p10");
        EXPECT_TRUE(recorded.errors.empty());
    }
}

TEST_F(LaunchTest, APhraseWithoutARecordingIsStudiedWithAnEmptySoundFile)
{
    std::vector<PhraseRow> rows = tenPhrases("a");
    rows[4].sound = QByteArray();
    rows.resize(6);
    makeSubjectStore(installed + "animals.fre", rows);
    platform::Store store = platform::Store::open(installed + "animals.fre", platform::OpenMode::ReadWrite);
    store.execute("UPDATE tblPhrases SET bsound = NULL WHERE pkPhraseNo = 6");
    makeTree();

    launchOn(installedSubject(0));

    ASSERT_EQ(starts.size(), 1u);
    ASSERT_EQ(readBack().phraseCount(), 6);
    for (int slot : {5, 6}) {
        EXPECT_TRUE(QFileInfo(place.soundFile(slot)).isFile()) << slot;
        EXPECT_EQ(QFileInfo(place.soundFile(slot)).size(), 0) << slot;
    }
}

TEST_F(LaunchTest, EveryLaunchClearsAllTenSoundSlotsFirst)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    std::vector<PhraseRow> three = tenPhrases("b");
    three.resize(3);
    makeSubjectStore(installed + "birds.fre", three);
    makeSubjectStore(installed + "empty.fre", {});
    makeTree();

    launchOn(installedSubject(0));
    EXPECT_EQ(soundSlots().size(), 10u);
    launchOn(installedSubject(1));
    EXPECT_EQ(soundSlots(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(readBack().phraseCount(), 3);

    // A subject without phrases starts nothing and leaves none of the earlier files.
    starts.clear();
    recorded.boxes.clear();
    launchOn(installedSubject(2));
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(recorded.boxes[0].text, "There are no phrases to study");
    EXPECT_EQ(recorded.boxes[0].icon, MessageIcon::None);
    expectNoLaunch();
    EXPECT_TRUE(soundSlots().empty());
    EXPECT_FALSE(QFileInfo::exists(place.studyListFile()));
}

TEST_F(LaunchTest, FailuresToWriteOrToStartAreReportedAndTheWindowGivenBack)
{
    makeSubjectStore(installed + "animals.fre", tenPhrases("a"));
    makeTree();

    startSucceeds = false;
    launchOn(installedSubject(0));
    ASSERT_EQ(recorded.errors.size(), 1u);
    EXPECT_TRUE(recorded.errors[0].startsWith("btnAct_Click: ")) << recorded.errors[0].toStdString();
    EXPECT_TRUE(recorded.errors[0].contains("01cardflip"));
    EXPECT_TRUE(recorded.mainWindowEnabled());

    // A folder where the study list should be: nothing is started.
    startSucceeds = true;
    starts.clear();
    recorded.errors.clear();
    QFile::remove(place.studyListFile());
    ASSERT_TRUE(QDir().mkpath(place.studyListFile()));
    launchOn(installedSubject(0));
    ASSERT_EQ(recorded.errors.size(), 1u);
    EXPECT_TRUE(recorded.errors[0].startsWith("Write_Handoff_File: ")) << recorded.errors[0].toStdString();
    expectNoLaunch();

    // No temporary folder to write into: the subject cannot be gathered.
    recorded.errors.clear();
    recorded.boxes.clear();
    place.folder = testsupport::sandboxDir() + "/no/such/folder/";
    launchOn(installedSubject(0));
    ASSERT_EQ(recorded.errors.size(), 1u);
    EXPECT_TRUE(recorded.errors[0].startsWith("Get_Phraes_to_Study: "));
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(recorded.boxes[0].text, "There are no phrases to study");
    expectNoLaunch();
}

TEST(DeleteHandoffFiles, RemovesTheStudyListAndEverySoundSlotOfThisProgram)
{
    const HandoffPlace place = HandoffPlace::ofThisProgram();
    testsupport::writeFile(place.studyListFile(), "list");
    for (int slot = 1; slot <= 10; ++slot) testsupport::writeFile(place.soundFile(slot), "RIFF");
    const HandoffPlace other{place.folder, place.pid + 1};
    testsupport::writeFile(other.soundFile(1), "RIFF");

    Delete_Handoff_Files();

    EXPECT_FALSE(QFileInfo::exists(place.studyListFile()));
    for (int slot = 1; slot <= 10; ++slot) EXPECT_FALSE(QFileInfo::exists(place.soundFile(slot))) << slot;
    EXPECT_TRUE(QFileInfo::exists(other.soundFile(1)));
}

}  // namespace
}  // namespace launch

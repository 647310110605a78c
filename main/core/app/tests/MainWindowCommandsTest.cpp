#include "main/core/app/frmMain.h"

#include "MainWindowTreeFixture.h"
#include "TestEnvironment.h"
#include "main/core/startup/ModMain.h"
#include "main/core/windows/frmMsgBox.h"
#include "main/users/windows/frmAdmin.h"
#include "platform/net/Browser.h"
#include "platform/store/Store.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

using startup::modMain;
using subjects::NodeKind;

namespace {

class MainWindowCommands : public MainWindowTree {
protected:
    // Runs action on the phrase box each time one shows (before its second is over).
    void onPhraseBox(std::function<void(frmMsgBox&)> action)
    {
        watcher_.setInterval(0);
        QObject::connect(&watcher_, &QTimer::timeout, [this, action] {
            for (QWidget* shown : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<frmMsgBox*>(shown);
                if (!box || !box->isVisible() || seenBoxes_.contains(box)) continue;
                seenBoxes_.insert(box);
                phraseBoxes << box->lblMsg()->text();
                action(*box);
            }
        });
        watcher_.start();
    }

    // The phrase sounds played so far, as the recording backend wrote them.
    static int listensPlayed()
    {
        return testsupport::soundRecord().count("file\t" + frmMain::listeningFile() + "\tsync");
    }

    void doubleClick(QTreeWidgetItem* target)
    {
        click(target);
        widget->scrollToItem(target);
        QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(target).center());
    }

    QPushButton* button(const char* name) const { return window.findChild<QPushButton*>(name); }

    // Opens the installed subject Food and selects its phrase at index.
    void selectFoodPhrase(int index)
    {
        QTreeWidgetItem* installed = top(NodeKind::InstalledFolder);
        click(installed);
        QTreeWidgetItem* food = childNamed(installed, "Food");
        click(food);
        click(food->child(index));
    }

    QStringList phraseBoxes;

private:
    QTimer watcher_;
    QSet<QObject*> seenBoxes_;
};

TEST_F(MainWindowCommands, DoubleClickingAPhrasePlaysItsRecordingAndNothingElseDoes)
{
    startUp();
    onPhraseBox([](frmMsgBox&) {});
    QTreeWidgetItem* installed = top(NodeKind::InstalledFolder);
    click(installed);
    QTreeWidgetItem* colours = childNamed(installed, "Colours");
    QTreeWidgetItem* food = childNamed(installed, "Food");
    click(food);
    QTreeWidgetItem* meal = widget->topLevelItem(3)->child(0);
    click(meal);
    QTreeWidgetItem* randomFolder = top(NodeKind::RandomPhrasesFolder);
    click(randomFolder);
    QTreeWidgetItem* mix = randomFolder->child(0);
    click(mix);
    click(colours);

    struct Case {
        const char* name;
        QTreeWidgetItem* node;
        QString shown;  // empty: nothing shows or plays
    };
    const std::vector<Case> cases{
        {"top folder", installed, {}},
        {"subject", food, {}},
        {"custom group", meal, {}},
        {"phrase of an installed subject", food->child(1), "le fromage"},
        {"phrase of a custom subject", meal->child(1), "la pomme"},
        {"phrase of the random mix", mix->child(0), "*"},
        {"phrase of a subject with ten", colours->child(4), "colour phrase 5"},
    };
    for (const Case& c : cases) {
        phraseBoxes.clear();
        const int played = listensPlayed();
        doubleClick(c.node);
        if (c.shown.isEmpty()) {
            EXPECT_TRUE(phraseBoxes.isEmpty()) << c.name;
            EXPECT_EQ(listensPlayed(), played) << c.name;
        } else {
            ASSERT_EQ(phraseBoxes.size(), 1) << c.name;
            if (c.shown != "*") {
                EXPECT_EQ(phraseBoxes[0], c.shown) << c.name;
            }
            EXPECT_EQ(listensPlayed(), played + 1) << c.name;
        }
    }
    EXPECT_EQ(testsupport::readFile(frmMain::listeningFile()), "RIFF5");

    // A phrase whose store was removed plays nothing and says nothing.
    click(colours->child(2));
    ASSERT_TRUE(QFile::remove(fixture.programDir + "Subjects/Colours." + modMain.gLanguageCode));
    phraseBoxes.clear();
    const int played = listensPlayed();
    phraseMenu()->actions()[1]->trigger();
    EXPECT_TRUE(phraseBoxes.isEmpty()) << phraseBoxes.join('|').toStdString();
    EXPECT_EQ(listensPlayed(), played);
    for (const auto& box : boxes.shown()) ADD_FAILURE() << box.title.toStdString() << ": " << box.text.toStdString();
}

TEST_F(MainWindowCommands, APhraseGoneFromItsStoreIsReportedInTheErrorBox)
{
    startUp();
    onPhraseBox([](frmMsgBox&) {});
    selectFoodPhrase(1);
    const subjects::NodeTag phrase = tree->node(tree->selected())->tag;
    platform::Store::open(modMain.gInstalledSubjectsDir + phrase.file, platform::OpenMode::ReadWrite)
        .execute("DELETE FROM tblPhrases WHERE pkPhraseNo = ?", {phrase.key});

    phraseMenu()->actions()[1]->trigger();
    EXPECT_TRUE(phraseBoxes.isEmpty()) << phraseBoxes.join('|').toStdString();
    EXPECT_EQ(listensPlayed(), 0);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "ERROR");
    EXPECT_EQ(boxes.shown()[0].icon, platform::ui::MessageIcon::Critical);
    EXPECT_EQ(boxes.shown()[0].text, modMain.gCaptions[caption::ErrorHeading] + "\n\nListen_to_Phrase: The phrase " +
                                         QString::number(phrase.key) + " is no longer in the subject " + phrase.file +
                                         ".");
}

TEST_F(MainWindowCommands, OkWithinTheFirstSecondCancelsAndASecondListenIsIgnored)
{
    startUp();
    selectFoodPhrase(0);
    QAction* listen = phraseMenu()->actions()[1];
    onPhraseBox([listen](frmMsgBox& box) {
        listen->trigger();  // ignored: one listen runs
        QTest::mouseClick(box.btnOK(), Qt::LeftButton);
    });

    listen->trigger();

    EXPECT_EQ(phraseBoxes, QStringList{"le pain"});
    EXPECT_EQ(listensPlayed(), 0);
}

TEST_F(MainWindowCommands, EditOpensThePhraseDialogForTheAdministratorOnly)
{
    std::vector<subjects::NodeTag> edited;
    std::optional<subjects::NodeTag> reply;  // what the dialog stored
    window.setSeams({{}, [&](const subjects::NodeTag& tag) {
                         edited.push_back(tag);
                         return reply;
                     }});
    startUp();
    QTreeWidgetItem* installed = top(NodeKind::InstalledFolder);
    click(installed);
    QTreeWidgetItem* food = childNamed(installed, "Food");
    click(food);
    click(food->child(1));
    QAction* edit = phraseMenu()->actions()[0];

    edit->trigger();
    ASSERT_EQ(edited.size(), 1u);
    EXPECT_EQ(edited[0].phrase, "le fromage");
    EXPECT_EQ(edited[0].translation, "cheese");
    EXPECT_EQ(edited[0].translation2, "cheese, a");
    EXPECT_EQ(food->child(1)->text(0), "cheese") << "nothing stored: the node stays as it was";

    // The node shows the translation as stored and keeps the stored texts for the next edit.
    reply = subjects::NodeTag::phraseOf(NodeKind::Phrase, edited[0].file, edited[0].key, "le fromage",
                                        "the cheese", "cheese, a");
    edit->trigger();
    EXPECT_EQ(food->child(1)->text(0), "the cheese");
    edit->trigger();
    ASSERT_EQ(edited.size(), 3u);
    EXPECT_EQ(edited[2], *reply);
    EXPECT_TRUE(boxes.shown().empty());

    QTest::mouseClick(button("btnChangeUser"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    signIn("Ben Learner");
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(button("btnAdmin")->isEnabled());
    click(food->child(1));
    edit->trigger();
    EXPECT_EQ(edited.size(), 3u);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, ProgramFolderFixture::caption(caption::OnlyAdministratorEdits));
    EXPECT_EQ(boxes.shown()[0].icon, platform::ui::MessageIcon::Exclamation);
}

TEST_F(MainWindowCommands, TheButtonsOpenTheResultsTheEditorAndTheSubjectsFolder)
{
    bool editorOpened = false;
    window.setSeams({[&] {
                         editorOpened = true;
                         EXPECT_FALSE(window.isVisible());
                         window.show();
                     },
                     {}});
    QList<QUrl> opened;
    platform::setUrlOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    startUp();

    QString resultsTitle;
    QTimer::singleShot(0, [&resultsTitle] {
        if (auto* admin = qobject_cast<frmAdmin*>(QApplication::activeModalWidget())) {
            resultsTitle = admin->windowTitle();
            admin->close();
        }
    });
    QTest::mouseClick(button("btnAdmin"), Qt::LeftButton);
    EXPECT_EQ(resultsTitle, ProgramFolderFixture::caption(caption::ResultsTitle));

    QTest::mouseClick(button("btnCreateVirtualSubjects"), Qt::LeftButton);
    EXPECT_TRUE(editorOpened);
    EXPECT_TRUE(window.isVisible());

    QTest::mouseClick(button("btnOpenSubjectsFolder"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(fixture.programDir + "Subjects/"));
    platform::setUrlOpener({});
}

TEST_F(MainWindowCommands, TheListeningFileGoesWhenTheWindowUnloads)
{
    startUp();
    QTreeWidgetItem* installed = top(NodeKind::InstalledFolder);
    click(installed);
    QTreeWidgetItem* food = childNamed(installed, "Food");
    click(food);
    doubleClick(food->child(0));
    ASSERT_TRUE(QFile::exists(frmMain::listeningFile()));
    EXPECT_TRUE(frmMain::listeningFile().endsWith(
        QStringLiteral("~selectedphrase%1.wav").arg(QCoreApplication::applicationPid())));

    window.close();

    EXPECT_FALSE(QFile::exists(frmMain::listeningFile()));
    EXPECT_EQ(ends, std::vector<int>{0});
}

}  // namespace

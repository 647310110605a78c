#include "UserStoreFixture.h"
#include "WindowTestKit.h"

#include "main/users/store/PasswordHash.h"
#include "main/users/store/UserStore.h"
#include "main/users/windows/FaceIcons.h"
#include "main/users/windows/frmNewUser.h"
#include "platform/ui/MessageBoxRecorder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace users {
namespace {

using namespace users::testing;

// Clicks the tick box itself, as a learner does.
void clickTickBox(frmNewUser& dialog)
{
    QCheckBox* box = dialog.chkPassword();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

class ProfileDialog : public ::testing::Test {
protected:
    ProfileDialogSetup setup(ProfileMode mode, const UserRecord& user = {})
    {
        ProfileDialogSetup result;
        result.mode = mode;
        result.storePath = storePath;
        result.captions = numberedCaptions();
        result.listedUsers = UserStore(storePath).listUsers();
        result.user = user;
        return result;
    }

    QString storePath = makeDataFolderWithStore() + "Users.dat";
    UserRecord ana = UserStore(storePath).addUser(profile("Ana", "Ruiz")).user;
};

TEST_F(ProfileDialog, ChecksStopAtTheFirstProblemAndWriteNothing)
{
    struct Case {
        const char* first;
        const char* last;
        bool tick;
        const char* password;
        const char* password2;
        const char* focus;  // the box that gets the focus, or "" for a message
        int message;
    };
    const Case cases[] = {
        {"", "Okafor", false, "", "", "txtFirst", 0},
        {"   ", "Okafor", true, "", "", "txtFirst", 0},
        {"Ben", " ", true, "", "", "txtLast", 0},
        {"Ben", "Okafor", true, "  ", "owl", "txtPassword", 0},
        {"Ben", "Okafor", true, "owl", "", "txtPassword2", 0},
        {"Ben", "Okafor", true, "owl", "OWL", "", 36},
        {"Ben", "Okafor", true, " owl", "owl", "", 36},
        {" ANA ", "ruiz", false, "", "", "", 42},
        {"ana", "RUIZ", true, "owl", "owl", "", 42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first) + "|" + c.last + "|" + c.password + "|" + c.password2);
        frmNewUser dialog(setup(ProfileMode::NewUser));
        dialog.show();
        dialog.txtFirst()->setText(QString::fromUtf8(c.first));
        dialog.txtLast()->setText(QString::fromUtf8(c.last));
        dialog.chkPassword()->setChecked(c.tick);
        dialog.txtPassword()->setText(QString::fromUtf8(c.password));
        dialog.txtPassword2()->setText(QString::fromUtf8(c.password2));
        dialog.btnEdit(0)->setFocus();
        ShownMessage told;
        if (c.message != 0) answerNextMessage(told);
        QTest::mouseClick(dialog.btnEdit(0), Qt::LeftButton);

        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.saved());
        EXPECT_EQ(UserStore(storePath).listUsers().size(), 1u);
        if (c.message != 0) {
            EXPECT_EQ(told.text, caption(c.message));
        } else {
            ASSERT_NE(dialog.focusWidget(), nullptr);
            EXPECT_EQ(dialog.focusWidget()->objectName(), c.focus);
        }
    }
}

TEST_F(ProfileDialog, NewUserIsSavedTrimmedWithAHashedPasswordAndNoAdministratorMessage)
{
    frmNewUser dialog(setup(ProfileMode::NewUser));
    dialog.show();
    QTest::keyClicks(dialog.txtFirst(), "  Ben ");
    QTest::keyClicks(dialog.txtLast(), "  Okafor ");
    dialog.imageCombo1()->setCurrentIndex(39);
    clickTickBox(dialog);
    QTest::keyClicks(dialog.txtPassword(), " Night Owl ");
    QTest::keyClicks(dialog.txtPassword2(), " Night Owl ");
    QTest::mouseClick(dialog.btnEdit(0), Qt::LeftButton);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.saved());
    EXPECT_FALSE(dialog.saved()->firstUser);
    const auto users = UserStore(storePath).listUsers();
    ASSERT_EQ(users.size(), 2u);
    EXPECT_EQ(users[1].firstName, "Ben");
    EXPECT_EQ(users[1].lastName, "Okafor");
    EXPECT_EQ(users[1].icon, 40);
    EXPECT_TRUE(users[1].password.startsWith("pbkdf2-sha256$"));
    EXPECT_FALSE(users[1].password.contains("Owl", Qt::CaseInsensitive));
    EXPECT_TRUE(passwordMatches(users[1].password, "NIGHT OWL"));
    EXPECT_EQ(dialog.saved()->user.studentId, users[1].studentId);
}

TEST_F(ProfileDialog, EditModeAcceptsAnExistingNameAndShowsTheUsersFace)
{
    UserRecord ben = UserStore(storePath).addUser(profile("Ben", "Okafor")).user;
    ben.icon = 12;
    frmNewUser dialog(setup(ProfileMode::EditUser, ben));
    dialog.show();
    EXPECT_EQ(dialog.imageCombo1()->currentIndex(), 11);
    EXPECT_FALSE(dialog.chkPassword()->isChecked());
    EXPECT_FALSE(dialog.txtPassword()->isVisible());
    dialog.txtFirst()->setText("ana");
    dialog.txtLast()->setText("RUIZ");
    dialog.btnEdit(0)->click();
    ASSERT_TRUE(dialog.saved());
    EXPECT_EQ(UserStore(storePath).listUsers()[1].displayName(), "ana RUIZ");
}

TEST_F(ProfileDialog, TickingOrUntickingEmptiesThePasswordBoxes)
{
    frmNewUser dialog(setup(ProfileMode::NewUser));
    dialog.show();
    EXPECT_FALSE(dialog.txtPassword()->isVisible());
    EXPECT_FALSE(dialog.lblRetypePass()->isVisible());
    clickTickBox(dialog);
    EXPECT_TRUE(dialog.txtPassword()->isVisible());
    EXPECT_TRUE(dialog.txtPassword2()->isVisible());
    EXPECT_TRUE(dialog.lblTypePass()->isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.txtPassword());
    QTest::keyClicks(dialog.txtPassword(), "owl");
    QTest::keyClicks(dialog.txtPassword2(), "owl");
    // Every typed character shows as a "*".
    EXPECT_EQ(dialog.txtPassword()->displayText(), "***");
    EXPECT_EQ(dialog.txtPassword2()->displayText(), "***");
    clickTickBox(dialog);
    EXPECT_FALSE(dialog.txtPassword()->isVisible());
    clickTickBox(dialog);
    EXPECT_TRUE(dialog.txtPassword()->text().isEmpty());
    EXPECT_TRUE(dialog.txtPassword2()->text().isEmpty());
}

TEST_F(ProfileDialog, CancelSavesNothingAndAStoreThatCannotBeWrittenKeepsTheDialogOpen)
{
    {
        frmNewUser dialog(setup(ProfileMode::NewUser));
        dialog.show();
        dialog.txtFirst()->setText("Ben");
        dialog.txtLast()->setText("Okafor");
        QTest::mouseClick(dialog.btnEdit(1), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_FALSE(dialog.saved());
        EXPECT_EQ(UserStore(storePath).listUsers().size(), 1u);
    }

    frmNewUser dialog(setup(ProfileMode::NewUser));
    dialog.show();
    dialog.txtFirst()->setText("Ben");
    dialog.txtLast()->setText("Okafor");
    ASSERT_TRUE(QFile::remove(storePath));
    platform::ui::MessageBoxRecorder boxes;
    dialog.btnEdit(0)->click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "ERROR");
    EXPECT_TRUE(boxes.shown()[0].text.startsWith(caption(caption::ErrorHeading) + "\n\nbtnEdit_Click: "))
        << boxes.shown()[0].text.toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.saved());
    EXPECT_EQ(dialog.txtLast()->text(), "Okafor");
    EXPECT_FALSE(QFile::exists(storePath));
}

TEST(FaceIcons, EveryFaceIsDrawnAndTheDialogOffersAllForty)
{
    for (int face = kFirstFace; face <= kLastFace; ++face) {
        SCOPED_TRACE(face);
        const QImage picture = faceIcon(face).pixmap(40, 40).toImage();
        ASSERT_FALSE(picture.isNull());
        // The corners of a face tile are rounded off; its middle is drawn.
        EXPECT_GT(qAlpha(picture.pixel(20, 20)), 0);
    }
    ProfileDialogSetup setup;
    setup.captions = numberedCaptions();
    frmNewUser dialog(setup);
    EXPECT_EQ(dialog.imageCombo1()->count(), 40);
    EXPECT_EQ(dialog.imageCombo1()->currentIndex(), 0);
    EXPECT_TRUE(dialog.imageCombo1()->itemText(0).isEmpty());
}

}  // namespace
}  // namespace users

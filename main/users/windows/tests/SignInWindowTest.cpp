#include "UserStoreFixture.h"
#include "WindowTestKit.h"

#include "TestEnvironment.h"
#include "main/core/startup/ModMain.h"
#include "main/users/store/PasswordHash.h"
#include "main/users/store/UserStore.h"
#include "main/users/windows/UserList.h"
#include "main/users/windows/frmLogin.h"
#include "main/users/windows/frmNewUser.h"
#include "platform/store/Store.h"
#include "platform/ui/MessageBoxRecorder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace users {
namespace {

using namespace users::testing;
using testsupport::readFile;

const QString kProduct = QStringLiteral("Lessondesk French");

struct StoredUser {
    QString first;
    QString last;
    QString password;
    int icon;
};

std::vector<StoredUser> storedUsers(const QString& storePath)
{
    const platform::Store store = platform::Store::open(storePath, platform::OpenMode::ReadOnly);
    std::vector<StoredUser> users;
    for (const platform::Row& row : store.query(
             "SELECT tFirstname, tLastname, tPassword, nIcon FROM tblUsers ORDER BY pkStudentID"))
        users.push_back({row[0].toText(), row[1].toText(), row[2].toText(), int(row[3].toInt())});
    return users;
}

// A sign-in window over one data folder, as the main window makes it.
class SignIn : public ::testing::Test {
protected:
    void SetUp() override { startup::modMain.gUserName.clear(); }

    QPointer<frmLogin> open(const QString& data)
    {
        SignInSetup setup{data, program, numberedCaptions(), kProduct, {}};
        setup.loadOptions.today = QDate(2024, 3, 5);
        setup.loadOptions.busyTimeoutMs = 100;
        QPointer<frmLogin> window = new frmLogin(std::move(setup), target);
        if (window->Form_Load()) window->show();
        return window;
    }

    // Makes a user store holding these learners (the first administers).
    QString dataWith(const std::vector<ProfileForm>& learners)
    {
        const QString data = makeDataFolderWithStore();
        UserStore store(data + "Users.dat");
        for (const ProfileForm& form : learners) store.addUser(form);
        return data;
    }

    static void select(frmLogin& window, const QString& name)
    {
        const auto items = window.ListView1()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        window.ListView1()->setCurrentItem(items.front());
    }

    static void closeAndFlush(QPointer<frmLogin>& window)
    {
        if (window) window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString program = makeProgramFolder();
    FakeSignInTarget target;
};

TEST_F(SignIn, FreshDataFolderFirstLearnerIsToldTheyAdministerAndSignsIn)
{
    const QString data = testsupport::makeFolder("fresh");
    QPointer<frmLogin> window = open(data);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), "caption 29 " + kProduct);
    EXPECT_EQ(window->ListView1()->count(), 0);
    EXPECT_FALSE(window->txtPassword()->isVisible());
    EXPECT_EQ(readFile(data + "Users.dat"), readFile(program + "Dravolin.tpl"));

    // With nobody listed only the new-user button acts.
    window->btnLogin(0)->click();
    window->btnLogin(2)->click();
    window->btnNull()->click();
    EXPECT_EQ(target.shown, 0);
    EXPECT_TRUE(window->isVisible());

    ShownMessage told;
    whenModal<frmNewUser>([&](frmNewUser& dialog) {
        EXPECT_EQ(dialog.windowTitle(), caption(caption::NewUserTitle));
        EXPECT_EQ(dialog.btnEdit(0)->text(), caption(caption::OkOrDone));
        QTest::keyClicks(dialog.txtFirst(), "  Ana ");
        QTest::keyClicks(dialog.txtLast(), " Ruiz  ");
        dialog.imageCombo1()->setCurrentIndex(6);
        answerNextMessage(told);
        QTest::mouseClick(dialog.btnEdit(0), Qt::LeftButton);
    });
    QTest::mouseClick(window->btnLogin(1), Qt::LeftButton);

    EXPECT_EQ(told.text, caption(caption::FirstUserAdministers));
    EXPECT_EQ(told.points, 10);
    const auto rows = storedUsers(window->storePath());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].first, "Ana");
    EXPECT_EQ(rows[0].last, "Ruiz");
    EXPECT_EQ(rows[0].password, "");
    EXPECT_EQ(rows[0].icon, 7);
    ASSERT_EQ(window->ListView1()->count(), 1);
    QListWidgetItem* item = window->ListView1()->item(0);
    EXPECT_EQ(item->text(), "Ana Ruiz");
    EXPECT_TRUE(item->font().bold());
    EXPECT_EQ(window->ListView1()->currentItem(), item);
    EXPECT_FALSE(window->txtPassword()->isVisible());
    EXPECT_EQ(window->focusWidget(), window->btnNull());
    EXPECT_GE(clickCount(), 2);

    // Enter on the focus holder signs in.
    QTest::keyClick(window->btnNull(), Qt::Key_Return);
    EXPECT_EQ(startup::modMain.gUserName, "Ana Ruiz");
    EXPECT_EQ(target.administrator, std::vector<bool>{true});
    EXPECT_EQ(target.menuCaptions, (std::vector<QString>{caption(caption::EditPhrase), caption(caption::ListenToPhrase)}));
    EXPECT_EQ(target.welcome, "caption 62 " + kProduct + " Ana Ruiz");
    EXPECT_EQ(target.title, kProduct + "  [Ana Ruiz]");
    EXPECT_EQ(target.shown, 1);
    EXPECT_TRUE(window->LoginSucceeded());
    closeAndFlush(window);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(target.ended, 0);
}

TEST_F(SignIn, LearnerWithPasswordSignsInOnlyWithItInAnyLetterCase)
{
    const QString data = dataWith({profile("Ana", "Ruiz"),
                                   profile("Ben", "Okafor", PasswordChoice::New, "  Straße 9 ")});
    QPointer<frmLogin> window = open(data);
    ASSERT_TRUE(window);
    // The administrator's item is selected first and asks no password.
    EXPECT_EQ(window->ListView1()->currentItem()->text(), "Ana Ruiz");
    EXPECT_FALSE(window->txtPassword()->isVisible());

    select(*window, "Ben Okafor");
    EXPECT_TRUE(window->txtPassword()->isVisible());
    EXPECT_TRUE(window->lblPassword()->isVisible());
    EXPECT_EQ(window->txtPassword()->echoMode(), QLineEdit::Password);
    QTest::keyClicks(window->txtPassword(), "owl");
    EXPECT_EQ(window->txtPassword()->displayText(), "***");
    EXPECT_EQ(window->focusWidget(), window->txtPassword());

    for (const char* wrong : {"", "Strasse 9", "Straße9"}) {
        SCOPED_TRACE(wrong);
        ShownMessage told;
        answerNextMessage(told);
        window->txtPassword()->setText(QString::fromUtf8(wrong));
        QTest::mouseClick(window->btnLogin(0), Qt::LeftButton);
        EXPECT_EQ(told.text, caption(caption::WrongPassword));
        EXPECT_EQ(target.shown, 0);
        EXPECT_EQ(window->focusWidget(), window->txtPassword());
    }

    window->txtPassword()->setText(QString::fromUtf8(" sTRAßE 9"));
    QTest::keyClick(window->txtPassword(), Qt::Key_Return);
    EXPECT_EQ(target.shown, 1);
    EXPECT_EQ(target.administrator, std::vector<bool>{false});
    EXPECT_EQ(startup::modMain.gUserName, "Ben Okafor");
    closeAndFlush(window);
    EXPECT_EQ(target.ended, 0);
}

TEST_F(SignIn, WithNobodySelectedNothingHappensAndClosingEndsTheProgramOnce)
{
    QPointer<frmLogin> window = open(dataWith({profile("Ana", "Ruiz")}));
    ASSERT_TRUE(window);
    window->ListView1()->setCurrentItem(nullptr);
    window->btnLogin(0)->click();
    window->btnLogin(2)->click();
    window->btnNull()->click();
    EXPECT_TRUE(window->isVisible());
    window->close();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(target.ended, 1);
    EXPECT_EQ(target.shown, 0);
    EXPECT_TRUE(startup::modMain.gUserName.isEmpty());
}

TEST_F(SignIn, UnusableStoreIsReportedAndTheProgramEnds)
{
    struct Case {
        const char* what;
        std::function<QString()> prepare;  // gives the data folder
        QString messageStart;
    };
    const QString unreadable = caption(caption::UserListUnreadable) + " Error#001 ";
    const Case cases[] = {
        {"busy", [&] { return dataWith({profile("Ana", "Ruiz")}); }, unreadable},
        {"not a database",
         [&] {
             const QString data = testsupport::makeFolder("garbage");
             testsupport::writeFile(data + "Users.dat", QByteArray("not a store ").repeated(200));
             return data;
         },
         unreadable},
        {"no template", [&] {
             QFile::remove(program + "Dravolin.tpl");
             return testsupport::makeFolder("no-template");
         },
         QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        target = FakeSignInTarget();
        const QString data = c.prepare();
        const QByteArray before = readFile(data + "Users.dat");
        std::optional<platform::Store> other;
        std::optional<platform::Transaction> writing;
        if (QString(c.what) == "busy") {
            other.emplace(platform::Store::open(data + "Users.dat", platform::OpenMode::ReadWrite));
            writing.emplace(*other, platform::TransactionKind::Immediate);
            other->execute("UPDATE tblUsers SET tFirstname = 'Eva'");
        }

        platform::ui::MessageBoxRecorder boxes;
        auto* window = new frmLogin({data, program, numberedCaptions(), kProduct, {QDate(2024, 3, 5), 100}},
                                    target);
        EXPECT_FALSE(window->Form_Load());
        delete window;
        writing.reset();
        other.reset();

        EXPECT_EQ(target.ended, 1);
        ASSERT_EQ(boxes.shown().size(), 1u);
        const QString text = boxes.shown()[0].text;
        if (!c.messageStart.isEmpty()) {
            EXPECT_TRUE(text.startsWith(c.messageStart)) << text.toStdString();
            EXPECT_TRUE(text.endsWith("\n\n" + kProduct + " " + caption(caption::WillCloseNow))) << text.toStdString();
        } else {
            EXPECT_TRUE(text.endsWith("\n\n" + caption(caption::CannotCreateUserList) + "\n" + data + "Users.dat")) << text.toStdString();
        }
        if (QString(c.what) == "busy") {
            EXPECT_EQ(readFile(data + "Users.dat"), before);
        }
        if (QString(c.what) == "not a database") {
            EXPECT_FALSE(QFileInfo::exists(data + "Users.dat"));
            EXPECT_EQ(readFile(data + "Users.dat.bad-2024-03-05"), before);
            EXPECT_TRUE(text.contains("\n" + caption(caption::DamagedFileKeptAs) + " " + data + "Users.dat.bad-2024-03-05"))
                << text.toStdString();
        }
        if (QString(c.what) == "no template") {
            EXPECT_FALSE(QFileInfo::exists(data + "Users.dat"));
        }
    }
}

TEST_F(SignIn, NamesAreStoredAndListedExactlyAndTheAdministratorStaysBold)
{
    const QString data = testsupport::makeFolder("names");
    const struct {
        QString first;
        QString last;
    } learners[] = {
        {"Zoë", "O'Brien"},
        {"Anna \"Nan\"", "Łukasiewicz-Müller"},
        {"björn", "d'Arc; DROP TABLE tblUsers"},
    };
    {
        QPointer<frmLogin> window = open(data);
        ASSERT_TRUE(window);
        for (const auto& learner : learners) {
            whenModal<frmNewUser>([&](frmNewUser& dialog) {
                dialog.txtFirst()->setText(learner.first);
                dialog.txtLast()->setText(learner.last);
                ShownMessage ignored;
                if (&learner == &learners[0]) answerNextMessage(ignored);
                dialog.btnEdit(0)->click();
            });
            window->btnLogin(1)->click();
        }
        closeAndFlush(window);
    }
    const auto rows = storedUsers(data + "Users.dat");
    ASSERT_EQ(rows.size(), 3u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].first, learners[i].first);
        EXPECT_EQ(rows[i].last, learners[i].last);
    }

    // Read afresh: sorted by name, the first stored learner bold wherever it lands.
    QPointer<frmLogin> window = open(data);
    ASSERT_TRUE(window);
    QStringList shown;
    QStringList bold;
    for (int row = 0; row < window->ListView1()->count(); ++row) {
        const QListWidgetItem* item = window->ListView1()->item(row);
        shown << item->text();
        if (item->font().bold()) bold << item->text();
    }
    EXPECT_EQ(shown, (QStringList{"Anna \"Nan\" Łukasiewicz-Müller", "björn d'Arc; DROP TABLE tblUsers",
                                  "Zoë O'Brien"}));
    EXPECT_EQ(bold, QStringList{"Zoë O'Brien"});

    select(*window, "björn d'Arc; DROP TABLE tblUsers");
    window->btnLogin(0)->click();
    EXPECT_EQ(startup::modMain.gUserName, "björn d'Arc; DROP TABLE tblUsers");
    EXPECT_EQ(target.administrator, std::vector<bool>{false});
    closeAndFlush(window);
}

TEST_F(SignIn, EditAsksThePasswordAndKeepsItUnlessANewOneIsTyped)
{
    const QString data = dataWith({profile("Ana", "Ruiz"),
                                   profile("Ben", "Okafor", PasswordChoice::New, "owl")});
    QPointer<frmLogin> window = open(data);
    ASSERT_TRUE(window);
    select(*window, "Ben Okafor");
    const QString storedHash = storedUsers(data + "Users.dat")[1].password;

    // Nobody edits a profile without its password.
    ShownMessage told;
    answerNextMessage(told);
    window->btnLogin(2)->click();
    EXPECT_EQ(told.text, caption(caption::WrongPassword));

    // Changing the name keeps the password when none is typed over the placeholder.
    window->txtPassword()->setText("OWL");
    whenModal<frmNewUser>([](frmNewUser& dialog) {
        EXPECT_EQ(dialog.windowTitle(), caption(caption::EditUserTitle));
        EXPECT_EQ(dialog.btnEdit(0)->text(), caption(caption::EditUser));
        EXPECT_EQ(dialog.txtFirst()->text(), "Ben");
        EXPECT_EQ(dialog.txtLast()->text(), "Okafor");
        EXPECT_TRUE(dialog.chkPassword()->isChecked());
        EXPECT_TRUE(dialog.txtPassword()->text().isEmpty());
        EXPECT_FALSE(dialog.txtPassword()->placeholderText().isEmpty());
        dialog.txtLast()->setText("Okafor-Diaz");
        dialog.btnEdit(0)->click();
    });
    window->btnLogin(2)->click();
    auto rows = storedUsers(data + "Users.dat");
    EXPECT_EQ(rows[1].last, "Okafor-Diaz");
    EXPECT_EQ(rows[1].password, storedHash);
    EXPECT_EQ(window->ListView1()->currentItem()->text(), "Ben Okafor-Diaz");
    // The password box follows the selected learner again, empty.
    EXPECT_TRUE(window->txtPassword()->isVisible());
    EXPECT_TRUE(window->txtPassword()->text().isEmpty());

    // A new password replaces the old one.
    window->txtPassword()->setText("owl");
    whenModal<frmNewUser>([](frmNewUser& dialog) {
        dialog.txtPassword()->setText("Hawk");
        dialog.txtPassword2()->setText("Hawk");
        dialog.btnEdit(0)->click();
    });
    window->btnLogin(2)->click();
    rows = storedUsers(data + "Users.dat");
    EXPECT_FALSE(passwordMatches(rows[1].password, "owl"));
    EXPECT_TRUE(passwordMatches(rows[1].password, "hawk"));

    // Unticking removes it: the box goes away and the learner signs in at once.
    window->txtPassword()->setText("HAWK");
    whenModal<frmNewUser>([](frmNewUser& dialog) {
        dialog.chkPassword()->setChecked(false);
        dialog.btnEdit(0)->click();
    });
    window->btnLogin(2)->click();
    EXPECT_EQ(storedUsers(data + "Users.dat")[1].password, "");
    EXPECT_FALSE(window->txtPassword()->isVisible());
    EXPECT_EQ(window->focusWidget(), window->btnNull());
    window->btnNull()->click();
    EXPECT_EQ(startup::modMain.gUserName, "Ben Okafor-Diaz");
    closeAndFlush(window);
}

}  // namespace
}  // namespace users

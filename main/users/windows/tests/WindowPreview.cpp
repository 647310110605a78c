// Shows the sign-in window, both kinds of profile dialog and the results window
// over a sample user store and saves a picture of each into the given folder,
// to look at them.
#include "main/core/startup/CaptionTable.h"
#include "main/core/windows/frmMsgBox.h"
#include "main/users/store/UserStore.h"
#include "main/users/windows/SignInTarget.h"
#include "main/users/windows/UserList.h"
#include "main/users/windows/frmLogin.h"
#include "main/users/windows/frmAdmin.h"
#include "main/users/windows/frmNewUser.h"
#include "platform/store/Store.h"
#include "platform/files/FileCopy.h"
#include "platform/ui/Application.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

class NoTarget : public SignInTarget {
public:
    void setAdministratorCommandsEnabled(bool) override {}
    void setPhraseMenuCaptions(const QString&, const QString&) override {}
    void setWelcome(const QString&) override {}
    void setTitle(const QString&) override {}
    void showSignedIn() override {}
    void unloadAndEnd() override {}
};

startup::CaptionTable captionsFrom(const QString& templatePath)
{
    try {
        return startup::Get_Captions(templatePath, QStringLiteral("English"));
    } catch (const std::exception&) {
        return {};
    }
}

void save(QWidget& window, const QString& file)
{
    window.grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::ui::initApplication(app);
    if (argc != 3) {
        std::fprintf(stderr, "usage: userwindows_preview <program folder with Dravolin.tpl> <picture folder>\n");
        return 2;
    }
    const QString program = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + "/";
    const QString pictures = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + "/";
    QTemporaryDir data;
    const QString store = data.path() + "/Users.dat";
    platform::copyFile(program + "Dravolin.tpl", store);
    users::UserStore users(store);
    const char* names[][2] = {{"Zoë", "O'Brien"}, {"Ben", "Okafor"}, {"Anna", "Łukasiewicz-Müller"},
                              {"Mia", "Chen"}, {"Tomás", "García"}};
    int face = 1;
    for (const auto& name : names) {
        users::ProfileForm form;
        form.firstName = QString::fromUtf8(name[0]);
        form.lastName = QString::fromUtf8(name[1]);
        form.icon = face;
        face += 7;
        if (form.firstName == "Ben") {
            form.passwordChoice = users::PasswordChoice::New;
            form.password = form.password2 = "owl";
        }
        users.addUser(form);
    }
    const startup::CaptionTable captions = captionsFrom(program + "Dravolin.tpl");
    {
        platform::Store scores = platform::Store::open(store, platform::OpenMode::ReadWrite);
        const char* results[][5] = {{"Zoë O'Brien", "Letter Scramble", "Les animaux", "", "00:02:14"},
                                    {"Zoë O'Brien", "Letter Scramble", "À la ferme", "", "00:01:48"},
                                    {"Zoë O'Brien", "Pairs Game", "Les animaux", "120", ""},
                                    {"Ben Okafor", "Letter Scramble", "Les animaux", "", "00:03:05"},
                                    {"Anna Łukasiewicz-Müller", "Word Search", "L'école", "860", ""},
                                    {"Zoë O'Brien", "Letter Scramble", "Les animaux", "", "00:01:59"}};
        for (const auto& r : results)
            scores.execute("INSERT INTO tblScores (tName, tActivity, tSubject, numberScore, textScore, nDate, nTime) "
                           "VALUES (?, ?, ?, ?, ?, '2026-03-14', '10:15:00')",
                           {QString::fromUtf8(r[0]), QString(r[1]), QString::fromUtf8(r[2]),
                            *r[3] ? platform::Value(QString(r[3]).toInt()) : platform::Value(),
                            *r[4] ? platform::Value(QString(r[4])) : platform::Value()});
    }
    frmAdmin admin({store, captions, "Lessondesk French", {}});
    admin.show();
    admin.cboView()->setCurrentIndex(0);
    emit admin.cboView()->activated(0);
    QTreeWidgetItem* zoe = admin.treeView1()->topLevelItem(0);
    zoe->setExpanded(true);
    admin.treeView1()->setCurrentItem(zoe->child(0));
    emit admin.treeView1()->itemClicked(zoe->child(0), 0);

    NoTarget target;
    auto* login = new frmLogin({data.path() + "/", program, captions, "Lessondesk French", {}}, target);
    login->Form_Load();
    login->show();
    login->ListView1()->setCurrentItem(login->ListView1()->findItems("Ben Okafor", Qt::MatchExactly).front());
    login->txtPassword()->setText("owl");

    ProfileDialogSetup edit{users::ProfileMode::EditUser, store, captions, {}, users.listUsers()[1]};
    frmNewUser editDialog(edit);
    editDialog.show();
    ProfileDialogSetup fresh{users::ProfileMode::NewUser, store, captions, {}, {}};
    frmNewUser newDialog(fresh);
    newDialog.show();

    QTimer::singleShot(300, [&] {
        save(*login, pictures + "frmLogin.png");
        save(editDialog, pictures + "frmNewUser-edit.png");
        save(newDialog, pictures + "frmNewUser-new.png");
        save(admin, pictures + "frmAdmin-learners.png");
        auto* message = new frmMsgBox(&newDialog);
        message->setWindowTitle(newDialog.windowTitle());
        message->setMessage(captions[caption::FirstUserAdministers]);
        message->showModeless();
        newDialog.imageCombo1()->showPopup();
        QTimer::singleShot(300, [&, message] {
            save(*newDialog.imageCombo1()->view()->window(), pictures + "imageCombo1-popup.png");
            save(*message, pictures + "frmMsgBox.png");
            app.quit();
        });
    });
    return app.exec();
}

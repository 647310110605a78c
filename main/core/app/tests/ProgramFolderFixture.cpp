#include "ProgramFolderFixture.h"

#include "dvl_version.h"
#include "main/core/startup/CaptionRows.h"
#include "main/core/startup/Edition.h"
#include "main/users/store/UserStore.h"
#include "platform/store/Store.h"
#include "common/schema/Schema.h"
#include "ActivityFolder.h"
#include "SubjectFixtures.h"
#include "TestEnvironment.h"

#include <QFile>

ProgramFolderFixture::ProgramFolderFixture() : programDir(testsupport::makeFolder("Lessondesk"))
{
    {
        platform::Store store = platform::Store::create(programDir + "Dravolin.tpl");
        schema::createTemplateStore(store);
        for (int row = 1; row <= caption::LastRow; ++row) {
            const QString spanish = row == 10 ? "Subjects" : row == 11 ? "My Subjects" : QString("Texto %1").arg(row);
            store.execute("INSERT INTO tblCaptions (English, Spanish) VALUES (?, ?)", {caption(row), spanish});
        }
        for (int row = 1; row <= 2; ++row)
            store.execute("INSERT INTO tblSystemMessages (English, Spanish, link) VALUES (?, ?, ?)",
                          {QString("Message %1").arg(row), QString("Mensaje %1").arg(row),
                           QString("page%1.htm").arg(row)});
        for (int row = 1; row <= 3; ++row) {
            QStringList columns, marks;
            platform::Params tips;
            for (const QString& code : schema::programCodes()) {
                columns << code;
                marks << "?";
                tips.emplace_back(QString("Tip %1 for %2").arg(row).arg(code));
            }
            store.execute("INSERT INTO tblTips (" + columns.join(", ") + ") VALUES (" + marks.join(", ") + ")",
                          tips);
            store.execute("INSERT INTO tblMenu (English, Spanish, link) VALUES (?, ?, ?)",
                          {QString("Link %1").arg(row), QString("Enlace %1").arg(row),
                           QString("link%1.htm").arg(row)});
        }
    }
    // The user store: a copy of the template with its first user, the administrator.
    QFile::copy(programDir + "Dravolin.tpl", programDir + "Users.dat");
    users::UserStore userStore(programDir + "Users.dat");
    for (const auto& [first, last] : {std::pair{"Ada", "Admin"}, std::pair{"Ben", "Learner"}}) {
        users::ProfileForm form;
        form.firstName = first;
        form.lastName = last;
        userStore.addUser(form);
    }
    using namespace subjects::testing;
    const QString code = startup::findEdition(DVL_PROGRAM_CODE)->languageCode;
    const QString foodFile = "food." + code;
    makeSubjectStore(programDir + "Subjects/" + foodFile,
                     {{1, "le pain", "bread", std::nullopt}, {2, "le fromage", "cheese", QString("cheese, a")},
                      {3, "la pomme", "apple", std::nullopt}},
                     DVL_PROGRAM_CODE);
    makeSubjectStore(programDir + "Subjects/Colours." + code, tenPhrases("colour"), DVL_PROGRAM_CODE);
    testsupport::writeFile(programDir + "Subjects/notes.txt", "not a subject");
    GroupRow meal{"Meal", {{1, "le pain", "bread", std::nullopt}, {3, "la pomme", "apple", std::nullopt}}, foodFile};
    makeCustomStore(programDir + "My Subjects/Example.v" + code, {meal});
    using activitypanel::testing::addActivity;
    addActivity(programDir + "Activities/", {"01cardflip", "Flash Cards", "Tarjetas"});
    addActivity(programDir + "Activities/", {"05jumbler", "Letter Scramble", "Letras revueltas"});
}

QString ProgramFolderFixture::caption(int row)
{
    if (row == 10) return "Subjects";
    if (row == 11) return "My Subjects";
    return QString("Caption %1").arg(row);
}

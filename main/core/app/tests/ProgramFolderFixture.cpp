#include "ProgramFolderFixture.h"

#include "dvl_version.h"
#include "main/core/startup/Edition.h"
#include "platform/store/Store.h"
#include "tools/schema/Schema.h"
#include "TestEnvironment.h"

#include <QFile>

ProgramFolderFixture::ProgramFolderFixture() : programDir(testsupport::makeFolder("Lessondesk"))
{
    {
        platform::Store store = platform::Store::create(programDir + "Dravolin.tpl");
        schema::createTemplateStore(store);
        for (int row = 1; row <= 150; ++row) {
            const QString spanish = row == 10 ? "Subjects" : row == 11 ? "My Subjects" : QString("Texto %1").arg(row);
            store.execute("INSERT INTO tblCaptions (English, Spanish) VALUES (?, ?)", {caption(row), spanish});
        }
    }
    const QString code = startup::findEdition(DVL_PROGRAM_CODE)->languageCode;
    testsupport::writeFile(programDir + "Subjects/food." + code, "store");
    testsupport::writeFile(programDir + "Subjects/Colours." + code, "store");
    testsupport::writeFile(programDir + "Subjects/notes.txt", "not a subject");
    testsupport::writeFile(programDir + "My Subjects/Example.v" + code, "custom store");
    const QString program = testsupport::writeFile(programDir + "Activities/05jumbler", "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
    testsupport::writeFile(programDir + "Activities/05jumbler.cfg", "configuration");
}

QString ProgramFolderFixture::caption(int row)
{
    if (row == 10) return "Subjects";
    if (row == 11) return "My Subjects";
    return QString("Caption %1").arg(row);
}

#include "platform/files/FileLists.h"

#include "TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace platform;

namespace {

void makeProgram(const QString& path, bool executable)
{
    testsupport::writeFile(path, "#!/bin/sh\n");
    QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (executable) mode |= QFile::ExeOwner;
    QFile::setPermissions(path, mode);
}

}  // namespace

TEST(FilesWithExtension, MatchesAndSortsIgnoringCase)
{
    const QString folder = testsupport::makeFolder("subjects");
    for (const char* name : {"travel.fre", "Animals.FRE", "body.Fre", "Mine.vfre", "old.fre.bak", ".hidden.fre",
                             "notes.txt", "colours.fre"})
        testsupport::writeFile(folder + name, "x");
    testsupport::makeFolder("subjects/folder.fre");

    EXPECT_EQ(filesWithExtension(folder, "fre"), QStringList({"Animals.FRE", "body.Fre", "colours.fre", "travel.fre"}));
    EXPECT_EQ(filesWithExtension(folder, "vfre"), QStringList({"Mine.vfre"}));
    EXPECT_TRUE(filesWithExtension(folder + "missing/", "fre").isEmpty());
}

TEST(ExecutablesIn, ProgramsWithoutDotsInNameOrder)
{
    const QString folder = testsupport::makeFolder("Activities");
    makeProgram(folder + "09blaster", true);
    makeProgram(folder + "01cardflip", true);
    makeProgram(folder + "Zeta", true);
    makeProgram(folder + "alpha", true);
    makeProgram(folder + "01cardflip.cfg", false);
    makeProgram(folder + "run.sh", true);
    makeProgram(folder + "notes", false);
    makeProgram(folder + ".hidden", true);
    testsupport::makeFolder("Activities/12slither");

    EXPECT_EQ(executablesIn(folder), QStringList({"01cardflip", "09blaster", "alpha", "Zeta"}));
}

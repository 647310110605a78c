#include "main/core/shared/AppFolder.h"
#include "main/core/shared/FileExists.h"
#include "main/core/shared/SubjectConnection.h"
#include "main/core/shared/TempPath.h"

#include "common/schema/Schema.h"
#include "TestEnvironment.h"

#include <QFileInfo>

#include <gtest/gtest.h>

TEST(SharedFolders, EndInExactlyOneSlash)
{
    for (const QString& folder : {shared::App_Folder(), shared::Get_Temp_Path()}) {
        EXPECT_TRUE(folder.endsWith('/')) << folder.toStdString();
        EXPECT_FALSE(folder.endsWith("//")) << folder.toStdString();
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    }
}

TEST(FileExists, FilesOnlyAndWildcardsArePlainCharacters)
{
    const QString folder = testsupport::makeFolder("files");
    testsupport::writeFile(folder + "phrase.wav", "RIFF");
    EXPECT_TRUE(shared::File_Exists(folder + "phrase.wav"));
    EXPECT_FALSE(shared::File_Exists(folder + "*.wav"));
    EXPECT_FALSE(shared::File_Exists(folder + "phrase.?av"));
    EXPECT_FALSE(shared::File_Exists(folder));
    EXPECT_FALSE(shared::File_Exists(folder + "missing.wav"));
}

TEST(SubjectConnection, InstalledSubjectsAreReadCustomStoresWritten)
{
    const QString path = testsupport::makeFolder("subjects") + "colours.fre";
    {
        platform::Store store = platform::Store::create(path);
        schema::createSubjectStore(store, "dvlfre");
    }
    platform::Store installed = shared::Subject_Connection_String(path).open();
    EXPECT_EQ(installed.query("SELECT tProgramCode FROM tblProperties").at(0).at(0).toText(), "dvlfre");
    EXPECT_THROW(installed.execute("DELETE FROM tblProperties"), platform::StoreException);
    installed.close();

    for (auto kind : {shared::SubjectStoreKind::Custom, shared::SubjectStoreKind::InstalledForEditing}) {
        platform::Store writable = shared::Subject_Connection_String(path, kind).open();
        EXPECT_EQ(writable.execute("UPDATE tblProperties SET tProgramCode = tProgramCode"), 1);
    }
    EXPECT_THROW(shared::Subject_Connection_String(path + ".missing").open(), platform::StoreException);
    EXPECT_FALSE(QFileInfo::exists(path + ".missing"));
}

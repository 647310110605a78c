#pragma once

#include "main/editor/customstore/CustomStoreLibrary.h"

#include "SubjectFixtures.h"
#include "TestEnvironment.h"
#include "platform/store/Store.h"
#include "common/schema/Schema.h"

#include <gtest/gtest.h>

namespace customstore::testing {

// A program folder with the template, an installed subjects folder and a
// custom-subjects folder in the sandbox. Caption 123 reads "New folder".
class CustomStoreTest : public ::testing::Test {
protected:
    static CustomStoreSettings sandboxSettings()
    {
        CustomStoreSettings settings;
        settings.customSubjectsDir = testsupport::makeFolder("Custom");
        settings.installedSubjectsDir = testsupport::makeFolder("Subjects");
        settings.programDir = testsupport::makeFolder("Program");
        settings.languageCode = "fre";
        settings.caption = [](int row) {
            return row == 123 ? QStringLiteral("New folder") : subjects::testing::fakeCaption(row);
        };
        return settings;
    }

    CustomStoreTest()
    {
        platform::Store store = platform::Store::create(settings.programDir + "custom.tpl");
        schema::createCustomStore(store);
    }

    QString custom(const QString& file) const { return settings.customSubjectsDir + file; }
    // A store of the custom-subjects folder made from the template.
    void makeStore(const QString& folderName)
    {
        ASSERT_TRUE(library.newStore(folderName).done()) << folderName.toStdString();
    }
    QByteArray bytesOf(const QString& file) const { return testsupport::readFile(custom(file)); }
    std::int64_t count(const QString& folderName, const QString& sql) const
    {
        const platform::Store store =
            platform::Store::open(custom(library.storeFileName(folderName)), platform::OpenMode::ReadOnly);
        return store.query(sql).front().at(0).toInt();
    }

    CustomStoreSettings settings = sandboxSettings();
    CustomStoreLibrary library{settings};
};

}  // namespace customstore::testing

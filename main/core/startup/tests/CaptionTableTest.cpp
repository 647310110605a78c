#include "main/core/startup/CaptionTable.h"

#include "platform/store/Store.h"
#include "common/schema/Schema.h"
#include "TestEnvironment.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using platform::Store;
using platform::Value;
using startup::CaptionTable;
using startup::Get_Captions;

namespace {

caption::Row row(int number) { return static_cast<caption::Row>(number); }

// A template with rows (English, Spanish); a null QString becomes a NULL cell.
QString makeTemplate(const std::vector<std::pair<QString, QString>>& rows)
{
    const QString path = testsupport::makeFolder("program") + "Dravolin.tpl";
    Store store = Store::create(path);
    schema::createTemplateStore(store);
    for (const auto& [english, spanish] : rows)
        store.execute("INSERT INTO tblCaptions (English, Spanish) VALUES (?, ?)",
                      {english.isNull() ? Value() : Value(english),
                       spanish.isNull() ? Value() : Value(spanish)});
    return path;
}

}  // namespace

TEST(GetCaptions, ReadsTheColumnOfTheInterfaceLanguageInStoreOrder)
{
    const QString path = makeTemplate({{"Hello", "Hola"}, {"Subjects", "Temas"}, {"Bye", "Adiós"}});
    const CaptionTable english = Get_Captions(path, "English");
    const CaptionTable spanish = Get_Captions(path, "Spanish");
    EXPECT_EQ(english.rowCount(), 3);
    EXPECT_EQ(english[row(1)], "Hello");
    EXPECT_EQ(english[row(3)], "Bye");
    EXPECT_EQ(spanish[row(2)], "Temas");
    EXPECT_EQ(spanish[row(3)], "Adiós");
}

TEST(GetCaptions, NullCellsReadEmptyAndKeepTheNumbering)
{
    const QString path = makeTemplate({{"one", "uno"}, {QString(), "dos"}, {"three", QString()}});
    const CaptionTable english = Get_Captions(path, "English");
    EXPECT_EQ(english[row(2)], "");
    EXPECT_EQ(english[row(3)], "three");
    EXPECT_EQ(Get_Captions(path, "Spanish")[row(3)], "");
    // Entries 0 and n + 1, and any number beyond, are empty rather than an error.
    EXPECT_EQ(english[row(0)], "");
    EXPECT_EQ(english[row(4)], "");
    EXPECT_EQ(english[row(-1)], "");
    EXPECT_EQ(english[row(1000)], "");
}

TEST(GetCaptions, RefusesAnyColumnButEnglishOrSpanish)
{
    const QString path = makeTemplate({{"one", "uno"}});
    for (const char* column : {"", "French", "english", "English FROM tblUsers --", "link"})
        EXPECT_THROW(Get_Captions(path, column), platform::StoreException) << column;
}

TEST(GetCaptions, MissingOrForeignStoreFailsAndCreatesNothing)
{
    const QString folder = testsupport::makeFolder("empty");
    EXPECT_THROW(Get_Captions(folder + "Dravolin.tpl", "English"), platform::StoreException);
    EXPECT_FALSE(QFileInfo::exists(folder + "Dravolin.tpl"));

    const QString junk = testsupport::writeFile(folder + "junk.tpl", "not a store at all");
    EXPECT_THROW(Get_Captions(junk, "English"), platform::StoreException);
    EXPECT_EQ(testsupport::readFile(junk), "not a store at all");
}

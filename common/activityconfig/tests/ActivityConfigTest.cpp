#include "common/activityconfig/ActivityConfig.h"

#include "TestEnvironment.h"
#include "platform/store/Store.h"
#include "common/schema/Schema.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace activityconfig;

namespace {

using Cell = platform::Value;

// A configuration store with the shipped layout and the given caption rows.
QString makeConfig(const std::vector<std::pair<Cell, Cell>>& captions,
                   const std::vector<std::pair<Cell, Cell>>& images = {})
{
    const QString path = testsupport::makeFolder("Activities") + "02studybook.cfg";
    platform::Store store = platform::Store::create(path);
    schema::createActivityConfigStore(store);
    for (const auto& [english, spanish] : captions) {
        store.execute("INSERT INTO tblCaptions (English, Spanish) VALUES (?, ?)", {english, spanish});
    }
    for (const auto& [english, spanish] : images) {
        store.execute("INSERT INTO tblImages (bEnglish, bSpanish) VALUES (?, ?)", {english, spanish});
    }
    return path;
}

}  // namespace

TEST(ActivityConfig, ReadsEveryRowOfTheInterfaceLanguageInStoreOrder)
{
    std::vector<std::pair<Cell, Cell>> rows;
    for (int k = 1; k <= 20; ++k) rows.emplace_back(QString("en %1").arg(k), QString("es %1").arg(k));
    rows[4] = {Cell(QString()), Cell("es 5")};  // an empty English text is an empty caption
    const QString path = makeConfig(rows);

    const Captions english = readCaptions(path, "English");
    ASSERT_EQ(english.count(), 20);
    EXPECT_EQ(english(1), "en 1");
    EXPECT_EQ(english(5), "");
    EXPECT_EQ(english(20), "en 20");
    EXPECT_EQ(english(0), "");
    EXPECT_EQ(english(21), "");

    const Captions spanish = readCaptions(path, "Spanish");
    EXPECT_EQ(spanish(2), "es 2");
    EXPECT_EQ(spanish(5), "es 5");
}

TEST(ActivityConfig, RefusesWhatCannotBeReadWithADescription)
{
    const QString good = makeConfig({{"Quit", "Salir"}, {"Studybook", "Libro"}});
    struct Case {
        const char* name;
        QString path;
        QString language;
    };
    const QString folder = testsupport::makeFolder("other");
    const QString notAStore = testsupport::writeFile(folder + "bad.cfg", "this is not a store");
    const QString missing = folder + "missing.cfg";
    const QString empty = folder + "empty.cfg";
    {
        platform::Store store = platform::Store::create(empty);
        schema::createActivityConfigStore(store);
    }
    const QString noTable = folder + "notable.cfg";
    platform::Store::create(noTable).executeScript("CREATE TABLE other (x TEXT);");

    const std::vector<Case> cases{
        {"missing file", missing, "English"},
        {"not a store", notAStore, "English"},
        {"no caption table", noTable, "English"},
        {"no rows", empty, "English"},
        {"unknown language", good, "French"},
        {"column name taken from data", good, "English FROM tblCaptions; --"},
        {"empty language", good, ""},
        {"a language line of a million letters", good, QString(1'000'000, QChar('E'))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            readCaptions(c.path, c.language);
            ADD_FAILURE() << "read";
        } catch (const ConfigError& error) {
            EXPECT_FALSE(error.text().isEmpty());
            EXPECT_LT(error.text().size(), 400) << "a message quotes only the start of a value";
        }
    }
    EXPECT_TRUE(QFileInfo::exists(notAStore));  // a store that cannot be read is never deleted
    EXPECT_FALSE(QFileInfo::exists(missing));   // nor made
}

TEST(ActivityConfig, ANullCellInTheColumnReadFailsTheWholeLoadButNotTheOtherLanguage)
{
    const QString path = makeConfig({{"Quit", "Salir"}, {"Studybook", Cell()}, {"Go", "Vamos"}});
    EXPECT_EQ(readCaptions(path, "English").count(), 3);
    try {
        readCaptions(path, "Spanish");
        ADD_FAILURE() << "read";
    } catch (const ConfigError& error) {
        EXPECT_TRUE(error.text().contains("row 2")) << error.text().toStdString();
    }
}

TEST(ActivityConfig, AStoreShortOfTheLastRowTheProgramReadsFailsTheLoad)
{
    // A store of an older program: three rows where the program reads four.
    const QString path = makeConfig({{"Quit", "Salir"}, {"Studybook", "Libro"}, {"", ""}});
    EXPECT_EQ(readCaptions(path, "Spanish", 3).count(), 3);  // an empty last row is still a row
    for (const char* language : {"English", "Spanish"}) {
        SCOPED_TRACE(language);
        try {
            readCaptions(path, language, 4);
            ADD_FAILURE() << "read";
        } catch (const ConfigError& error) {
            EXPECT_TRUE(error.text().startsWith("Caption row 4 of " + path + " is missing"))
                << error.text().toStdString();
        }
    }
}

TEST(ActivityConfig, ButtonPicturesComeFromTheLanguageColumnRowsOneAndTwo)
{
    const QString path = makeConfig({{"a", "b"}},
                                    {{QByteArray("EN-N"), QByteArray("ES-N")},
                                     {QByteArray("EN-H"), QByteArray("ES-H")},
                                     {QByteArray("EN-X"), QByteArray("ES-X")}});
    const ButtonPictures english = readButtonPictures(path, "English");
    EXPECT_EQ(english.normal, "EN-N");
    EXPECT_EQ(english.highlighted, "EN-H");
    const ButtonPictures spanish = readButtonPictures(path, "Spanish");
    EXPECT_EQ(spanish.normal, "ES-N");
    EXPECT_EQ(spanish.highlighted, "ES-H");

    EXPECT_THROW(readButtonPictures(path, "German"), ConfigError);
    const QString onePicture = testsupport::makeFolder("one") + "x.cfg";
    {
        platform::Store store = platform::Store::create(onePicture);
        schema::createActivityConfigStore(store);
        store.execute("INSERT INTO tblImages (bEnglish, bSpanish) VALUES (?, ?)", {QByteArray("N"), Cell()});
    }
    EXPECT_THROW(readButtonPictures(onePicture, "English"), ConfigError);
    EXPECT_THROW(readButtonPictures(onePicture, "Spanish"), ConfigError);
}

TEST(ActivityConfig, TheStoreIsNamedAfterTheProgram)
{
    EXPECT_EQ(configStoreName("05jumbler"), "05jumbler.cfg");
    EXPECT_TRUE(schema::isCaptionColumn("English"));
    EXPECT_TRUE(schema::isCaptionColumn("Spanish"));
    EXPECT_FALSE(schema::isCaptionColumn("english"));
}

#include "StoreFixture.h"
#include "TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace platform;
using storetest::thrownBy;

TEST(StoreOpen, MissingFileOrFolderFailsAndCreatesNothing)
{
    const QString folder = testsupport::makeFolder("stores");
    for (const QString& path : {folder + "Users.dat", folder + "missing/Users.dat", folder.chopped(1)}) {
        for (OpenMode mode : {OpenMode::ReadOnly, OpenMode::ReadWrite}) {
            SCOPED_TRACE(path.toStdString());
            const StoreException e = thrownBy([&] { Store::open(path, mode); });
            EXPECT_EQ(e.code(), StoreError::CannotOpen);
            EXPECT_TRUE(e.text().contains(path)) << e.what();
        }
    }
    EXPECT_TRUE(testsupport::entries(folder).isEmpty());
}

TEST(StoreOpen, FileThatIsNotAStoreIsReportedAndLeftAlone)
{
    const QByteArray text = "This is a letter, not a store.\n";
    const QString path = testsupport::writeFile(testsupport::makeFolder("stores") + "Users.dat", text);
    for (OpenMode mode : {OpenMode::ReadOnly, OpenMode::ReadWrite}) {
        const StoreException e = thrownBy([&] { Store::open(path, mode); });
        EXPECT_EQ(e.code(), StoreError::NotADatabase) << e.what();
        EXPECT_TRUE(e.text().contains(path));
    }
    EXPECT_EQ(testsupport::readFile(path), text);
}

TEST(StoreCreate, RefusesAnExistingFile)
{
    const QString path = testsupport::writeFile(testsupport::makeFolder("stores") + "custom.tpl", "keep me");
    const StoreException e = thrownBy([&] { Store::create(path); });
    EXPECT_TRUE(e.text().contains("already exists")) << e.what();
    EXPECT_EQ(testsupport::readFile(path), "keep me");
}

TEST(StoreValues, RoundTripExactly)
{
    QByteArray everyByte(1024 * 1024, '\0');
    for (int i = 0; i < everyByte.size(); ++i) everyByte[i] = static_cast<char>(i * 7 % 256);
    const std::vector<Value> values{
        Value("l'homme"), Value("say \"oui\""), Value("*"), Value("%"), Value("_%*?"),
        Value(QString::fromUtf8("Ça coûte 5 € – straße, 日本語, 😀")), Value(QString::fromUtf8("a\0b", 3)),
        Value(""), Value(), Value(QByteArray()), Value(everyByte),
        Value(std::int64_t{9'000'000'000'000'000'000}), Value(-32769), Value(0.1),
    };
    const QString path = testsupport::makeFolder("stores") + "values.dat";
    {
        Store store = Store::create(path);
        store.executeScript("CREATE TABLE v (c);");
        for (const Value& value : values) store.execute("INSERT INTO v (c) VALUES (?)", {value});
    }
    const Store store = Store::open(path, OpenMode::ReadOnly);
    const auto rows = store.query("SELECT c FROM v ORDER BY rowid");
    ASSERT_EQ(rows.size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i) EXPECT_EQ(rows[i]["c"], values[i]) << "value " << i;

    // A bound "%" or "*" matches itself only, and NULL is no empty text.
    EXPECT_EQ(store.query("SELECT count(*) FROM v WHERE c = ?", {"%"})[0][0].toInt(), 1);
    EXPECT_EQ(store.query("SELECT count(*) FROM v WHERE c = ''")[0][0].toInt(), 1);
    EXPECT_EQ(store.query("SELECT count(*) FROM v WHERE c IS NULL")[0][0].toInt(), 1);
    EXPECT_TRUE(rows[7][0].isText());
    EXPECT_TRUE(rows[8][0].isNull());
}

TEST(StoreValues, Conversions)
{
    struct Case {
        Value value;
        QString text;
        std::int64_t number;
    };
    const std::vector<Case> cases{
        {Value(), "", 0},          {Value(""), "", 0},         {Value(42), "42", 42},
        {Value(2.5), "2.5", 2},    {Value(3.5), "3.5", 4},      {Value(-1.5), "-1.5", -2},
        {Value(" 12 "), " 12 ", 12}, {Value("abc"), "abc", 0}, {Value(QByteArray("7")), "7", 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.value.toText(), c.text);
        EXPECT_EQ(c.value.toInt(), c.number) << c.text.toStdString();
    }
    EXPECT_EQ(Value(12).toBlob(), QByteArray("12"));
    EXPECT_DOUBLE_EQ(Value("0.25").toReal(), 0.25);
}

TEST(StoreQuery, StoreOrderAndColumnsByNameIgnoringCase)
{
    const QString path = testsupport::makeFolder("stores") + "order.dat";
    Store store = Store::create(path);
    store.executeScript("CREATE TABLE tblPhrases (pkPhraseNo INTEGER, tPhrase TEXT);"
                        "CREATE INDEX byText ON tblPhrases (tPhrase);");
    for (const char* text : {"zèbre", "arbre", "maison", "bateau"})
        store.execute("INSERT INTO tblPhrases (pkPhraseNo, tPhrase) VALUES (?, ?)", {store.lastInsertId() + 1, text});
    store.execute("DELETE FROM tblPhrases WHERE tPhrase = 'arbre'");
    store.execute("INSERT INTO tblPhrases (pkPhraseNo, tPhrase) VALUES (9, 'avion')");

    QStringList texts;
    for (const Row& row : store.query("SELECT * FROM tblPhrases ORDER BY rowid")) texts << row["TPHRASE"].toText();
    EXPECT_EQ(texts, QStringList({"zèbre", "maison", "bateau", "avion"}));

    const Row row = store.query("SELECT pkPhraseNo, tPhrase FROM tblPhrases WHERE pkPhraseNo = ?", {9}).at(0);
    EXPECT_EQ(row.columnName(1), "tPhrase");
    EXPECT_TRUE(row.hasColumn("PKPHRASENO"));
    EXPECT_FALSE(row.hasColumn("tTranslation"));
    EXPECT_EQ(thrownBy([&] { row["tTranslation"]; }).code(), StoreError::Other);
    EXPECT_EQ(thrownBy([&] { row[2]; }).code(), StoreError::Other);
}

TEST(StoreQuery, ErrorsNameTheStoreAndTheProblem)
{
    const QString path = testsupport::makeFolder("stores") + "errors.dat";
    Store store = Store::create(path);
    store.executeScript("CREATE TABLE k (id INTEGER PRIMARY KEY, name TEXT NOT NULL);");
    store.execute("INSERT INTO k (id, name) VALUES (1, 'one')");

    struct Case {
        const char* sql;
        Params params;
        StoreError code;
        const char* mentions;
    };
    const std::vector<Case> cases{
        {"INSERT INTO k (id, name) VALUES (1, 'again')", {}, StoreError::Constraint, "UNIQUE"},
        {"INSERT INTO k (id, name) VALUES (?, ?)", {2, Value()}, StoreError::Constraint, "NOT NULL"},
        {"SELECT * FROM missing", {}, StoreError::Other, "missing"},
        {"SELECT * FROM k WHERE id = ?", {}, StoreError::Other, "takes 1 values, 0 given"},
        {"DELETE FROM k; DELETE FROM k", {}, StoreError::Other, "one statement"},
    };
    for (const Case& c : cases) {
        const StoreException e = thrownBy([&] { store.execute(c.sql, c.params); });
        EXPECT_EQ(e.code(), c.code) << e.what();
        EXPECT_TRUE(e.text().contains(path)) << e.what();
        EXPECT_TRUE(e.text().contains(c.mentions)) << e.what();
    }
    EXPECT_EQ(store.query("SELECT count(*) FROM k")[0][0].toInt(), 1);
}

TEST(StoreTransaction, RollsBackUnlessCommitted)
{
    const QString path = testsupport::makeFolder("stores") + "tx.dat";
    storetest::makeTextStore(path, {"first"});
    Store store = Store::open(path, OpenMode::ReadWrite);
    {
        Transaction transaction(store, TransactionKind::Immediate);
        store.execute("INSERT INTO t (tText) VALUES ('dropped')");
        EXPECT_TRUE(store.inTransaction());
    }
    EXPECT_FALSE(store.inTransaction());
    {
        Transaction transaction(store);
        store.execute("INSERT INTO t (tText) VALUES ('kept')");
        transaction.commit();
    }
    store.close();
    EXPECT_EQ(storetest::textsInStore(path), QStringList({"first", "kept"}));
    EXPECT_FALSE(QFile::exists(path + "-journal"));
}

TEST(StoreOpen, ReadOnlyConnectionRefusesWrites)
{
    const QString path = testsupport::makeFolder("stores") + "subject.fre";
    storetest::makeTextStore(path, {"un"});
    Store store = Store::open(path, OpenMode::ReadOnly);
    EXPECT_TRUE(store.isReadOnly());
    EXPECT_EQ(thrownBy([&] { store.execute("DELETE FROM t"); }).code(), StoreError::ReadOnly);
    EXPECT_EQ(storetest::textsInStore(path), QStringList({"un"}));
}

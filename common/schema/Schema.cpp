#include "common/schema/Schema.h"

#include <QStringList>

namespace schema {

const QStringList& programCodes()
{
    static const QStringList codes{"dvlspa", "dvlfre", "dvlger", "dvlita",
                                   "dvleng", "dvlfra", "dvlale", "dvlito"};
    return codes;
}

bool isCaptionColumn(const QString& interfaceLanguage)
{
    return interfaceLanguage == QLatin1String("English") || interfaceLanguage == QLatin1String("Spanish");
}

void createUserTables(platform::Store& store)
{
    // Keys are never reused: a score row's key breaks ties in the top ten, and a
    // learner's key identifies them in the sign-in list.
    store.executeScript(R"sql(
        CREATE TABLE tblUsers (
            pkStudentID INTEGER PRIMARY KEY AUTOINCREMENT,
            tFirstname  TEXT,
            tLastname   TEXT,
            tPassword   TEXT,
            nIcon       INTEGER
        );
        CREATE TABLE tblScores (
            pkScoreID   INTEGER PRIMARY KEY AUTOINCREMENT,
            tName       TEXT,
            numberScore INTEGER,
            textScore   TEXT,
            nDate       TEXT,
            nTime       TEXT,
            tSubject    TEXT,
            tActivity   TEXT
        );
        CREATE INDEX idxScoresGroup ON tblScores (tActivity, tSubject);
        CREATE VIEW qryActivities AS
            SELECT DISTINCT tActivity FROM tblScores WHERE tActivity IS NOT NULL ORDER BY tActivity;
        CREATE VIEW qrySubjects AS
            SELECT DISTINCT tSubject FROM tblScores WHERE tSubject IS NOT NULL ORDER BY tSubject;
    )sql");
}

void createTemplateStore(platform::Store& store)
{
    QStringList tipColumns;
    for (const QString& code : programCodes()) tipColumns << code + " TEXT";
    store.executeScript(R"sql(
        CREATE TABLE tblCaptions (English TEXT, Spanish TEXT);
        CREATE TABLE tblSystemMessages (English TEXT, Spanish TEXT, link TEXT);
        CREATE TABLE tblMenu (English TEXT, Spanish TEXT, link TEXT);
    )sql");
    store.executeScript("CREATE TABLE tblTips (" + tipColumns.join(", ") + ");");
    createUserTables(store);
}

void createSubjectStore(platform::Store& store, const QString& programCode)
{
    store.executeScript(R"sql(
        CREATE TABLE tblPhrases (
            pkPhraseNo    INTEGER PRIMARY KEY,
            tPhrase       TEXT,
            tTranslation  TEXT,
            tTranslation2 TEXT,
            bsound        BLOB
        );
        CREATE TABLE tblProperties (tProgramCode TEXT);
    )sql");
    store.execute("INSERT INTO tblProperties (tProgramCode) VALUES (?)", {programCode});
}

void createCustomStore(platform::Store& store)
{
    // The group name is read by position (second column) only.
    store.executeScript(R"sql(
        CREATE TABLE tblParents (
            nParent INTEGER PRIMARY KEY AUTOINCREMENT,
            tName   TEXT
        );
        CREATE TABLE tblPhrases (
            pkPhraseNo    INTEGER PRIMARY KEY AUTOINCREMENT,
            fkParent      INTEGER NOT NULL,
            tfilename     TEXT,
            nPhraseNo     INTEGER,
            tPhrase       TEXT,
            tTranslation  TEXT,
            tTranslation2 TEXT
        );
        CREATE INDEX idxPhrasesParent ON tblPhrases (fkParent);
    )sql");
}

void createActivityConfigStore(platform::Store& store)
{
    store.executeScript(R"sql(
        CREATE TABLE tblCaptions (English TEXT, Spanish TEXT);
        CREATE TABLE tblImages (bEnglish BLOB, bSpanish BLOB);
    )sql");
}

}  // namespace schema

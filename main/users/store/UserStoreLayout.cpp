#include "main/users/store/UserStoreLayout.h"

#include <QSet>
#include <QStringList>

namespace users {
namespace {

struct TableLayout {
    QString table;
    QStringList columns;
};

const std::vector<TableLayout>& requiredTables()
{
    static const std::vector<TableLayout> tables{
        {QStringLiteral("tblUsers"),
         {"pkStudentID", "tFirstname", "tLastname", "tPassword", "nIcon"}},
        {QStringLiteral("tblScores"),
         {"pkScoreID", "tName", "numberScore", "textScore", "nDate", "nTime", "tSubject",
          "tActivity"}},
    };
    return tables;
}

// Column names of a table, lower-cased (the store finds columns ignoring case).
QSet<QString> columnsOf(const platform::Store& store, const QString& table)
{
    QSet<QString> names;
    for (const platform::Row& row : store.query(
             QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table}))
        names.insert(row[0].toText().toLower());
    return names;
}

}  // namespace

QString missingUserLayout(const platform::Store& store)
{
    for (const TableLayout& layout : requiredTables()) {
        const QSet<QString> present = columnsOf(store, layout.table);
        if (present.isEmpty()) return QStringLiteral("the table %1").arg(layout.table);
        for (const QString& column : layout.columns)
            if (!present.contains(column.toLower()))
                return QStringLiteral("the column %1 of %2").arg(column, layout.table);
    }
    return QString();
}

}  // namespace users

#include "main/core/template/TemplateLoaders.h"

#include "main/core/startup/CaptionTable.h"
#include "main/core/startup/Edition.h"
#include "platform/store/Store.h"
#include "common/schema/Schema.h"

#include <stdexcept>

namespace templatestore {

namespace {

using platform::Row;
using platform::Store;

// Column names go into the SQL text, so only the known ones are accepted.
QString languageColumn(const QString& interfaceLanguage)
{
    if (!schema::isCaptionColumn(interfaceLanguage))
        throw std::runtime_error(
            QString("\"%1\" is not a text column (English or Spanish).").arg(interfaceLanguage).toStdString());
    return interfaceLanguage;
}

std::vector<Row> readRows(const QString& templatePath, const QString& sql)
{
    const Store store = Store::open(templatePath, platform::OpenMode::ReadOnly);
    return store.query(sql + " ORDER BY rowid");
}

QString requiredText(const Row& row, int column, const QString& table, int rowNumber)
{
    const platform::Value& value = row.at(column);
    if (value.isNull())
        throw std::runtime_error(QString("Row %1 of %2 has no value.").arg(rowNumber).arg(table).toStdString());
    return value.toText();
}

void splashLine(const LoadProgress& progress, const QString& line)
{
    if (progress.splashLine) progress.splashLine(line);
    if (progress.processEvents) progress.processEvents();
}

QString caption(const LoadProgress& progress, caption::Row row)
{
    return progress.caption ? progress.caption(row) : QString();
}

}  // namespace

void Get_System_Messages(const QString& templatePath, const QString& interfaceLanguage,
                         SystemMessages& out, const LoadProgress& progress)
{
    const std::vector<Row> rows =
        readRows(templatePath, "SELECT " + languageColumn(interfaceLanguage) + ", link FROM tblSystemMessages");
    out.mMessageCount = static_cast<int>(rows.size());
    for (int i = 1; i <= out.mMessageCount; ++i) {
        splashLine(progress, caption(progress, caption::Loading) + " MSG #00" + QString::number(i));
        const Row& row = rows[static_cast<std::size_t>(i - 1)];
        out.mMessages.push_back(row.at(0).toText());
        out.mMessageLinks.push_back(row.at(1).toText());
        splashLine(progress, caption(progress, caption::OkOrDone));
    }
}

void Get_Tips(const QString& templatePath, const QString& programCode, Tips& out)
{
    if (!startup::findEdition(programCode))
        throw std::runtime_error(QString("\"%1\" is not a program code.").arg(programCode).toStdString());
    const std::vector<Row> rows = readRows(templatePath, "SELECT " + programCode + " FROM tblTips");
    const int count = static_cast<int>(rows.size());
    out.mTipCount = count;
    for (int i = 1; i <= count; ++i)
        out.mTips.push_back(requiredText(rows[static_cast<std::size_t>(i - 1)], 0, "tblTips", i));
    out.mTipCount = count + 1;
}

int Get_Menu_Links(const QString& templatePath, const QString& interfaceLanguage,
                   const MenuEntryAdder& addEntry, const LoadProgress& progress)
{
    const std::vector<Row> rows =
        readRows(templatePath, "SELECT " + languageColumn(interfaceLanguage) + ", link FROM tblMenu");
    int added = 0;
    for (const Row& row : rows) {
        const MenuLink link{requiredText(row, 0, "tblMenu", added + 1), requiredText(row, 1, "tblMenu", added + 1)};
        if (addEntry) addEntry(added, link);
        ++added;
        splashLine(progress, caption(progress, caption::OkOrDone));
    }
    return added;
}

}  // namespace templatestore

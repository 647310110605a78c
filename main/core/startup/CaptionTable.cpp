#include "main/core/startup/CaptionTable.h"

#include "platform/store/Store.h"
#include "common/schema/Schema.h"

namespace startup {

CaptionTable::CaptionTable(std::vector<QString> rows) : rows_(std::move(rows)) {}

QString CaptionTable::operator[](caption::Row row) const
{
    if (row < 1 || row > rowCount()) return {};
    return rows_[static_cast<std::size_t>(row - 1)];
}

CaptionTable Get_Captions(const QString& templatePath, const QString& interfaceLanguage)
{
    // The column name goes into the SQL text, so it must be one of the two known ones.
    if (!schema::isCaptionColumn(interfaceLanguage))
        throw platform::StoreException(platform::StoreError::Other,
                                       QString("\"%1\" is not a caption column (English or Spanish).")
                                           .arg(interfaceLanguage));
    const platform::Store store = platform::Store::open(templatePath, platform::OpenMode::ReadOnly);
    std::vector<QString> rows;
    for (const platform::Row& row :
         store.query("SELECT " + interfaceLanguage + " FROM tblCaptions ORDER BY rowid"))
        rows.push_back(row.at(0).toText());
    return CaptionTable(std::move(rows));
}

}  // namespace startup

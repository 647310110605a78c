#include "CaptionTable.h"

#include "ContentError.h"
#include "JsonFile.h"
#include "TextRules.h"

namespace contentbuilder {

QString columnName(Language language)
{
    return language == Language::English ? QStringLiteral("English") : QStringLiteral("Spanish");
}

Language languageFromName(const QString& name)
{
    if (name == "English") return Language::English;
    if (name == "Spanish") return Language::Spanish;
    throw ContentError("the interface language must be English or Spanish, not \"" + name + "\"");
}

const CaptionRow& CaptionTable::row(int number) const
{
    if (number < 1 || number > rowCount())
        throw ContentError(source, "has no caption row " + QString::number(number) + " (it has " +
                                       QString::number(rowCount()) + " rows)");
    return rows[static_cast<size_t>(number - 1)];
}

CaptionTable readCaptionTable(const QString& path)
{
    const JsonFile file(path);
    file.checkKeys(file.root(), {"captions"}, "");
    const QJsonArray entries = file.array(file.root(), "captions", "");

    CaptionTable table;
    table.source = path;
    for (int i = 0; i < entries.size(); ++i) {
        const QString where = place("captions", i);
        const QJsonObject entry = file.object(entries[i], where);
        file.checkKeys(entry, {"row", "English", "Spanish", "shown"}, where);
        const int number = file.number(entry, "row", where);
        if (number < 1) file.fail(place(where, "row"), "must be 1 or more");
        if (number <= table.rowCount())
            file.fail(where, "row " + QString::number(number) + " comes after row " +
                                 QString::number(table.rowCount()) + "; rows must be in ascending order, each once");
        CaptionRow row{file.text(entry, "English", where), file.text(entry, "Spanish", where)};
        checkPlainText(file, place(where, "English"), row.english);
        checkPlainText(file, place(where, "Spanish"), row.spanish);
        table.rows.resize(static_cast<size_t>(number - 1));  // rows left out stay empty
        table.rows.push_back(row);
    }
    return table;
}

}  // namespace contentbuilder

#pragma once

#include <QString>

#include <vector>

namespace contentbuilder {

// The two interface languages; each is a text column of every caption table.
enum class Language { English, Spanish };
QString columnName(Language language);
Language languageFromName(const QString& name);  // throws ContentError for other names

struct CaptionRow {
    QString english;
    QString spanish;
    const QString& text(Language language) const { return language == Language::English ? english : spanish; }
};

// A caption table: row k (1-based) is caption k. Sources name each row by number and
// may leave rows out; a row left out is an empty row, so later rows keep their numbers.
struct CaptionTable {
    QString source;  // the file it was read from, for messages
    std::vector<CaptionRow> rows;  // rows[0] is caption 1

    int rowCount() const { return static_cast<int>(rows.size()); }
    const CaptionRow& row(int number) const;  // throws ContentError when out of range
};

// Reads {"captions": [{"row": n, "English": "...", "Spanish": "..."}, ...]} with the
// rows in ascending order.
CaptionTable readCaptionTable(const QString& path);

}  // namespace contentbuilder

#pragma once

#include "main/core/startup/CaptionRows.h"
#include "main/core/template/TemplateTexts.h"

#include <QString>

#include <functional>

namespace templatestore {

// What the loaders tell the windows while they run: caption texts for their
// progress lines, one progress line for the splash window, and a moment for
// pending window events.
struct LoadProgress {
    std::function<QString(caption::Row row)> caption;
    std::function<void(const QString& line)> splashLine;
    std::function<void()> processEvents;
};

// Each loader reads the template store at templatePath read-only, in the store's
// row order. On an error (store missing, a wrong column, a cell without a value
// where a text is required) it throws std::exception; what it stored before the
// failing row stays in `out`.

// The system messages in the interface language's column ("English" or
// "Spanish") and their links; a link without a value reads as "". Writes the
// progress lines caption 23 + " MSG #00" + n and caption 8 for message n.
void Get_System_Messages(const QString& templatePath, const QString& interfaceLanguage,
                         SystemMessages& out, const LoadProgress& progress);

// The tips in the column of the program code (one of the edition table's codes).
// A tip without a value is an error.
void Get_Tips(const QString& templatePath, const QString& programCode, Tips& out);

// The menu links in the interface language's column: addEntry(i, link) for rows
// i = 0, 1, ... in store order, each followed by the progress line caption 8.
// A text or link without a value is an error. Gives the number of entries added.
using MenuEntryAdder = std::function<void(int index, const MenuLink& link)>;
int Get_Menu_Links(const QString& templatePath, const QString& interfaceLanguage,
                   const MenuEntryAdder& addEntry, const LoadProgress& progress);

}  // namespace templatestore

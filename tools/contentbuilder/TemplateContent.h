#pragma once

#include "CaptionTable.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <vector>

namespace contentbuilder {

// A ticker message or a menu entry: its text in both languages and the page it opens
// (a page name appended to the web base address; empty for none).
struct LinkedText {
    QString english;
    QString spanish;
    QString link;
};

// Everything the template store "Dravolin.tpl" ships besides its empty user tables.
struct TemplateContent {
    CaptionTable captions;
    std::vector<LinkedText> messages;
    QMap<QString, QStringList> tips;  // program code -> its tips, every code the same count
    std::vector<LinkedText> menu;
    QStringList sources;  // the files it was read from
};

// Reads captions.json, messages.json, tips.json and menu.json from the folder.
TemplateContent readTemplateContent(const QString& folder);

}  // namespace contentbuilder

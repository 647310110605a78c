#include "TemplateContent.h"

#include "JsonFile.h"
#include "RequiredCaptions.h"
#include "TextRules.h"
#include "common/schema/Schema.h"

#include <QRegularExpression>

namespace contentbuilder {

namespace {

// A page name such as "tips.htm" or "help/faq.htm".
bool isPageName(const QString& link)
{
    static const QRegularExpression pattern("^[A-Za-z0-9_-][A-Za-z0-9_.-]*(/[A-Za-z0-9_.-]+)*$");
    return pattern.match(link).hasMatch();
}

std::vector<LinkedText> readLinkedTexts(const QString& path, const QString& listKey, bool linkRequired)
{
    const JsonFile file(path);
    file.checkKeys(file.root(), {listKey}, "");
    const QJsonArray entries = file.array(file.root(), listKey, "");
    if (entries.isEmpty()) file.fail(listKey, "must hold at least one entry");

    std::vector<LinkedText> list;
    for (int i = 0; i < entries.size(); ++i) {
        const QString where = place(listKey, i);
        const QJsonObject entry = file.object(entries[i], where);
        file.checkKeys(entry, {"English", "Spanish", "link"}, where);
        LinkedText item{file.text(entry, "English", where), file.text(entry, "Spanish", where),
                        file.text(entry, "link", where)};
        for (const auto& [key, text] : {std::pair{"English", item.english}, std::pair{"Spanish", item.spanish}}) {
            checkPlainText(file, place(where, key), text);
            if (text.trimmed().isEmpty()) file.fail(place(where, key), "is empty");
        }
        if (item.link.isEmpty() ? linkRequired : !isPageName(item.link))
            file.fail(place(where, "link"), "must be a page name such as \"tips.htm\"" +
                                                QString(linkRequired ? "" : " or \"\" for none"));
        list.push_back(item);
    }
    return list;
}

QMap<QString, QStringList> readTips(const QString& path)
{
    const JsonFile file(path);
    file.checkKeys(file.root(), {"tips"}, "");
    const QJsonObject byCode = file.object(file.root().value("tips"), "tips");
    file.checkKeys(byCode, schema::programCodes(), "tips");

    QMap<QString, QStringList> tips;
    for (const QString& code : schema::programCodes()) {
        const QString where = place("tips", code);
        const QJsonArray entries = file.array(byCode, code, "tips");
        QStringList list;
        for (int i = 0; i < entries.size(); ++i) {
            const QString tipPlace = place(where, i);
            if (!entries[i].isString() || entries[i].toString().trimmed().isEmpty())
                file.fail(tipPlace, "must be a text that is not empty");
            checkPlainText(file, tipPlace, entries[i].toString());
            list << entries[i].toString();
        }
        // Every row of the tip table holds a tip for every code: an empty cell would
        // stop the tip loader of that edition.
        if (list.isEmpty()) file.fail(where, "must hold at least one tip");
        if (!tips.isEmpty() && list.size() != tips.first().size())
            file.fail(where, "has " + QString::number(list.size()) + " tips, but " + tips.firstKey() + " has " +
                                 QString::number(tips.first().size()) + "; every program code needs the same number");
        tips.insert(code, list);
    }
    return tips;
}

}  // namespace

TemplateContent readTemplateContent(const QString& folder)
{
    TemplateContent content;
    const auto source = [&](const QString& name) { return content.sources.emplace_back(folder + "/" + name); };
    content.captions = readCaptionTable(source("captions.json"));
    checkMainProgramCaptions(content.captions);
    content.messages = readLinkedTexts(source("messages.json"), "messages", false);
    content.tips = readTips(source("tips.json"));
    content.menu = readLinkedTexts(source("menu.json"), "menu", true);
    return content;
}

}  // namespace contentbuilder

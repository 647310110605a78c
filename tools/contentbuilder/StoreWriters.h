#pragma once

#include "ActivityContent.h"
#include "CustomContent.h"
#include "SubjectContent.h"
#include "TemplateContent.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace platform {
class Store;
}

namespace contentbuilder {

// Creates a new store at the path, fills it in one transaction and closes it.
void buildStore(const QString& path, const std::function<void(platform::Store&)>& fill);

// The template "Dravolin.tpl": caption rows, ticker messages, tips and menu links in
// store order, and the empty user tables.
void fillTemplateStore(platform::Store& store, const TemplateContent& content);

// An installed subject store; recordings[k - 1] is the WAV of phrase k.
void fillSubjectStore(platform::Store& store, const SubjectSet& set, const Subject& subject,
                      const std::vector<QByteArray>& recordings);

// A custom subject store with its groups and their phrases.
void fillCustomStore(platform::Store& store, const CustomStoreContent& content);

// An activity's configuration store: its captions and, for each language, the normal
// picture (row 1) and the highlighted one (row 2) as PNG.
struct ButtonImages {
    QByteArray englishNormal, englishHighlighted, spanishNormal, spanishHighlighted;
};
void fillActivityConfigStore(platform::Store& store, const CaptionTable& captions, const ButtonImages& images);

}  // namespace contentbuilder

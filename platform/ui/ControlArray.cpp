#include "platform/ui/ControlArray.h"

#include <QMetaProperty>

namespace platform::ui {
namespace {

// Properties taken over when both widgets have them (text last, so formats apply to it).
constexpr const char* kCopied[] = {
    "geometry", "font", "palette", "autoFillBackground", "styleSheet", "enabled", "toolTip",
    "accessibleName", "accessibleDescription", "focusPolicy", "layoutDirection", "alignment", "wordWrap",
    "textFormat", "margin", "indent", "frameShape", "frameShadow", "lineWidth", "scaledContents", "pixmap",
    "icon", "iconSize", "flat", "checkable", "readOnly", "maxLength", "echoMode", "placeholderText", "text",
};

}  // namespace

void copyElementProperties(const QWidget& from, QWidget& to, int index)
{
    const QMetaObject* source = from.metaObject();
    const QMetaObject* target = to.metaObject();
    for (const char* name : kCopied) {
        const int sourceIndex = source->indexOfProperty(name);
        const int targetIndex = target->indexOfProperty(name);
        if (sourceIndex < 0 || targetIndex < 0 || !target->property(targetIndex).isWritable())
            continue;
        to.setProperty(name, from.property(name));
    }
    if (from.testAttribute(Qt::WA_SetCursor))
        to.setCursor(from.cursor());
    for (const QByteArray& name : from.dynamicPropertyNames())
        to.setProperty(name.constData(), from.property(name.constData()));
    if (!from.objectName().isEmpty())
        to.setObjectName(from.objectName() + QLatin1Char('_') + QString::number(index));
}

}  // namespace platform::ui

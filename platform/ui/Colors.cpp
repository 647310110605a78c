#include "platform/ui/Colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace platform::ui {

QColor qbColor(int n)
{
    static constexpr std::array<QRgb, 16> palette = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    if (n < 0 || n >= static_cast<int>(palette.size()))
        return {};
    return QColor::fromRgb(palette[static_cast<std::size_t>(n)]);
}

QColor colorFromNumber(quint32 number)
{
    if (number & kSystemColorFlag)
        return systemColor(static_cast<int>(number & 0xFFFFFFu));
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

quint32 colorNumber(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return static_cast<quint32>(rgb.red()) | static_cast<quint32>(rgb.green()) << 8
           | static_cast<quint32>(rgb.blue()) << 16;
}

QColor systemColor(int index)
{
    struct Entry {
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    };
    using P = QPalette;
    static constexpr std::array<Entry, 25> roles = {{
        {P::Active, P::Button},             // 0 scroll bars
        {P::Active, P::Dark},               // 1 desktop
        {P::Active, P::Highlight},          // 2 active title bar
        {P::Inactive, P::Mid},              // 3 inactive title bar
        {P::Active, P::Window},             // 4 menu bar
        {P::Active, P::Base},               // 5 window background
        {P::Active, P::Shadow},             // 6 window frame
        {P::Active, P::WindowText},         // 7 menu text
        {P::Active, P::Text},               // 8 window text
        {P::Active, P::HighlightedText},    // 9 active title bar text
        {P::Active, P::Button},             // 10 active border
        {P::Inactive, P::Button},           // 11 inactive border
        {P::Active, P::Dark},               // 12 application workspace
        {P::Active, P::Highlight},          // 13 highlight
        {P::Active, P::HighlightedText},    // 14 highlight text
        {P::Active, P::Button},             // 15 button face
        {P::Active, P::Dark},               // 16 button shadow
        {P::Disabled, P::Text},             // 17 grey text
        {P::Active, P::ButtonText},         // 18 button text
        {P::Inactive, P::WindowText},       // 19 inactive title bar text
        {P::Active, P::Light},              // 20 button highlight
        {P::Active, P::Shadow},             // 21 3-D dark shadow
        {P::Active, P::Midlight},           // 22 3-D light
        {P::Active, P::ToolTipText},        // 23 tooltip text
        {P::Active, P::ToolTipBase},        // 24 tooltip background
    }};
    if (index < 0 || index >= static_cast<int>(roles.size()))
        return {};
    const Entry& entry = roles[static_cast<std::size_t>(index)];
    return QGuiApplication::palette().color(entry.group, entry.role);
}

}  // namespace platform::ui

#include "activities/puzzles/06hunchword/rules/HunchLayout.h"

#include <QStringList>

#include <array>

namespace hunchword::layout {

QRect keyRect(int index)
{
    if (index <= kKeysPerRow) {
        const int left = kTemplateKey.left() - kTemplateShift + index * kKeyStep;
        return QRect(left, kTemplateKey.top(), kTemplateKey.width(), kTemplateKey.height());
    }
    return keyRect(index - kKeysPerRow).translated(0, kKeyRowStep);
}

std::vector<QPoint> tilePlaces(const QString& upperPhrase)
{
    std::vector<QPoint> places;
    int x = kFirstTile.left();
    int y = kFirstTile.top();
    for (const QString& word : upperPhrase.split(QLatin1Char(' '))) {
        const int length = static_cast<int>(word.toUcs4().size());
        if (x + (length - 1) * kLineTest >= kLineEnd) {
            x = kFirstTile.left();
            y += kLineStep;
        }
        for (int i = 0; i < length; ++i) {
            places.emplace_back(x, y);
            x += kTileStep;
        }
        x += kWordGap;
    }
    return places;
}

QRect lampRect(int lamp)
{
    if (lamp < 16)
        return QRect(1230 + 600 * lamp, 585, 615, 105);
    if (lamp < 22) {
        static constexpr std::array<int, 6> tops{585, 1185, 1785, 2385, 2985, 3555};
        return QRect(10770, tops[static_cast<std::size_t>(lamp - 16)], 105, lamp == 21 ? 735 : 615);
    }
    if (lamp < 38)
        return QRect(10230 - 600 * (lamp - 22), 4185, 615, 105);
    return QRect(1230, 3585 - 600 * (lamp - 38), 105, 615);
}

std::uint32_t lampStartColour(int lamp)
{
    static constexpr std::array<std::uint32_t, 9> colours{0xFFFFFF, 0xFF0000, 0xFFFF00, 0x00FF00, 0xFF8000,
                                                          0x0000FF, 0xFF00FF, 0x00FFFF, 0x8080FF};
    return colours[static_cast<std::size_t>(lamp % 9)];
}

}  // namespace hunchword::layout

#include "main/users/windows/FaceIcons.h"

#include "main/users/store/UserRecord.h"
#include "platform/ui/Resources.h"

#include <array>

namespace users {
namespace {

// The sizes the sign-in list and the face picker show, and twice each for
// screens with more pixels to the point.
constexpr int kDrawnSizes[] = {32, 40, 48, 64, 80, 96};

// A selected face keeps its colours: the list marks the selection around it.
QIcon drawFace(int face)
{
    const QIcon source(platform::ui::resourcePath(QStringLiteral("ICON"),
                                                  QString::number(faceResourceNumber(face))));
    QIcon icon;
    for (int size : kDrawnSizes) {
        const QPixmap picture = source.pixmap(size, size);
        icon.addPixmap(picture, QIcon::Normal);
        icon.addPixmap(picture, QIcon::Selected);
        icon.addPixmap(picture, QIcon::Active);
    }
    return icon;
}

}  // namespace

QIcon faceIcon(int face)
{
    static std::array<QIcon, kLastFace - kFirstFace + 1> icons;
    const int number = faceOrDefault(face);
    QIcon& icon = icons[number - kFirstFace];
    if (icon.isNull()) icon = drawFace(number);
    return icon;
}

}  // namespace users

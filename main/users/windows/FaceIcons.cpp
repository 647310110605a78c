#include "main/users/windows/FaceIcons.h"

#include "main/users/store/UserRecord.h"
#include "platform/ui/Resources.h"

#include <array>

namespace users {

QIcon faceIcon(int face)
{
    // One icon per face, so each keeps its drawings at the sizes already asked for.
    static std::array<QIcon, kLastFace - kFirstFace + 1> icons;
    const int index = faceOrDefault(face) - kFirstFace;
    if (icons[index].isNull()) {
        const QString path = platform::ui::resourcePath(
            QStringLiteral("ICON"), QString::number(faceResourceNumber(index + kFirstFace)));
        icons[index] = QIcon(path);
    }
    return icons[index];
}

}  // namespace users

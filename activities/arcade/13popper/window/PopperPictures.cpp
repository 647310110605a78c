#include "activities/arcade/13popper/window/PopperPictures.h"

#include "activities/arcade/13popper/rules/PopperLayout.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SvgPicture.h"
#include "platform/ui/Twips.h"

namespace popper {

namespace {
QPixmap icon(const char* name, const layout::Piece& piece)
{
    const QSize size = platform::ui::twipsToPixels(QSize(piece.width, piece.height));
    return platform::ui::renderSvg(platform::ui::resourcePath(QStringLiteral("ICON"), QString::fromLatin1(name)),
                                   size);
}
}  // namespace

PopperPictures PopperPictures::load()
{
    using namespace layout;
    return {icon("LEFTY", kLearner),       icon("RIGHTY", kComputer),     icon("CACTUS", kCacti[0]),
            icon("LBULLET", kLearnerBullet), icon("RBULLET", kComputerBullet), icon("RIP", kComputer)};
}

}  // namespace popper

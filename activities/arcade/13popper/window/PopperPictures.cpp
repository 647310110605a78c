#include "activities/arcade/13popper/window/PopperPictures.h"

#include "activities/arcade/13popper/rules/PopperLayout.h"
#include "platform/ui/SvgPicture.h"
#include "platform/ui/Twips.h"

namespace popper {

namespace {
QPixmap icon(const char* name, const layout::Piece& piece)
{
    return platform::ui::pictureResource(QString::fromLatin1(name),
                                         platform::ui::twipsToPixels(QSize(piece.width, piece.height)));
}
}  // namespace

PopperPictures PopperPictures::load()
{
    using namespace layout;
    return {icon("LEFTY", kLearner),       icon("RIGHTY", kComputer),     icon("CACTUS", kCacti[0]),
            icon("LBULLET", kLearnerBullet), icon("RBULLET", kComputerBullet), icon("RIP", kComputer)};
}

}  // namespace popper

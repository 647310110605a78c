#include "activities/drills/03twinpick/rules/TwinpickLayout.h"

namespace twinpick::layout {

std::vector<QPoint> cardPlaces(int count)
{
    std::vector<QPoint> places;
    QPoint place = kFirstCard.topLeft();
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            // A card right of one that closed its row starts the next row instead.
            if (places.back().x() >= kRowEndLeft)
                place = QPoint(kFirstCard.left(), places.back().y() + kRowStep);
            else
                place = places.back() + QPoint(kColumnStep, 0);
        }
        places.push_back(place);
    }
    return places;
}

}  // namespace twinpick::layout

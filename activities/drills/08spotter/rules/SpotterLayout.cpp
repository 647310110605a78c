#include "activities/drills/08spotter/rules/SpotterLayout.h"

namespace spotter::layout {

std::vector<QPoint> arrayPlaces(QPoint first, int count)
{
    std::vector<QPoint> places;
    if (count < 1)
        return places;
    places.push_back(first);
    int x = first.x();
    int y = first.y();
    for (int i = 1; i < count; ++i) {
        x += kColumnStep;
        places.emplace_back(x, y);
        if (x >= kRowEndLeft) {
            y += kRowStep;
            x = first.x() - kColumnStep;
        }
    }
    return places;
}

}  // namespace spotter::layout

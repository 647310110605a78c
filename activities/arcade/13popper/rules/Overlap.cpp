#include "activities/arcade/13popper/rules/Overlap.h"

#include "platform/ui/IntersectRect.h"

namespace popper {

namespace {
platform::ui::EdgeRect edges(const layout::Piece& p)
{
    return {p.left, p.top, p.left + p.width - 1, p.top + p.height - 1};
}
}  // namespace

bool overlaps(const layout::Piece& a, const layout::Piece& b)
{
    return platform::ui::intersectRect(edges(a), edges(b)).has_value();
}

}  // namespace popper

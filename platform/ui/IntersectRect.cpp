#include "platform/ui/IntersectRect.h"

#include <algorithm>

namespace platform::ui {

std::optional<EdgeRect> intersectRect(const EdgeRect& a, const EdgeRect& b)
{
    if (a.isEmpty() || b.isEmpty())
        return std::nullopt;
    const EdgeRect common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                          std::min(a.bottom, b.bottom)};
    if (common.isEmpty())
        return std::nullopt;
    return common;
}

}  // namespace platform::ui

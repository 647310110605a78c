#pragma once

// Whether two pieces overlap: each piece covers (Left, Top) to
// (Left + Width - 1, Top + Height - 1) with the right and bottom edges
// exclusive, so pieces that only touch never overlap.
#include "activities/arcade/13popper/rules/PopperLayout.h"

namespace popper {

bool overlaps(const layout::Piece& a, const layout::Piece& b);

}  // namespace popper

#pragma once

#include <optional>

namespace platform::ui {

// A rectangle by its edges; right and bottom are exclusive, so a rectangle with
// right <= left or bottom <= top is empty.
struct EdgeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool isEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const EdgeRect&, const EdgeRect&) = default;
};

// The common part of two rectangles; nothing when they do not overlap or
// either is empty (rectangles that only touch do not overlap).
std::optional<EdgeRect> intersectRect(const EdgeRect& a, const EdgeRect& b);

}  // namespace platform::ui

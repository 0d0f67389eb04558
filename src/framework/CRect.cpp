#include "framework/CRect.h"

#include <algorithm>

bool CRect::IntersectRect(const RECT& a, const RECT& b) {
    left = std::max(a.left, b.left);
    top = std::max(a.top, b.top);
    right = std::min(a.right, b.right);
    bottom = std::min(a.bottom, b.bottom);
    if (IsRectEmpty()) {
        SetRect(0, 0, 0, 0);
        return false;
    }
    return true;
}

#include "framework/PictureFit.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace fw {

namespace {

constexpr int kPercents[] = {100, 150, 200};
constexpr int kSharpSlack = 2;  // pixels a drawing may differ from its frame and still be shown as drawn

}  // namespace

int PictureFit::NearestPercent(SIZE base, SIZE frame)
{
    if (base.cx <= 0 || base.cy <= 0 || frame.cx <= 0 || frame.cy <= 0) return 100;
    const double wanted = 100.0 * std::min(static_cast<double>(frame.cx) / base.cx,
                                           static_cast<double>(frame.cy) / base.cy);
    int best = kPercents[0];
    for (int percent : kPercents) {
        if (std::abs(percent - wanted) <= std::abs(best - wanted)) best = percent;  // a tie: the larger, shrunk
    }
    return best;
}

SIZE PictureFit::LoadSize(SIZE drawn, SIZE frame)
{
    if (drawn.cx <= 0 || drawn.cy <= 0 || frame.cx <= 0 || frame.cy <= 0) return SIZE{0, 0};
    // Fit by the tighter side; the other follows the drawing's shape.
    SIZE fit = frame;
    if (static_cast<long long>(frame.cx) * drawn.cy <= static_cast<long long>(frame.cy) * drawn.cx)
        fit.cy = static_cast<LONG>((static_cast<long long>(frame.cx) * drawn.cy + drawn.cx / 2) / drawn.cx);
    else
        fit.cx = static_cast<LONG>((static_cast<long long>(frame.cy) * drawn.cx + drawn.cy / 2) / drawn.cy);
    if (std::abs(fit.cx - drawn.cx) <= kSharpSlack && std::abs(fit.cy - drawn.cy) <= kSharpSlack) return SIZE{0, 0};
    return SIZE{std::max<LONG>(fit.cx, 1), std::max<LONG>(fit.cy, 1)};
}

bool PictureFit::ResourceSize(HMODULE module, UINT id, SIZE* size)
{
    if (!module || !size) return false;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_BITMAP);
    if (!found) return false;
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    BITMAPINFOHEADER header{};
    if (!bytes || SizeofResource(module, found) < sizeof(header)) return false;
    std::memcpy(&header, bytes, sizeof(header));
    // A library is data from elsewhere: a height that has no positive counterpart is refused.
    if (header.biSize < sizeof(header) || header.biWidth <= 0 || header.biHeight == 0 ||
        header.biHeight == std::numeric_limits<LONG>::min())
        return false;
    *size = SIZE{header.biWidth, std::abs(header.biHeight)};
    return true;
}

}  // namespace fw

// gdi32 bitmaps: memory device contexts, a bitmap's description and its pixels as a DIB.
#include <algorithm>
#include <cstring>
#include <memory>

#include "BitmapObject.h"
#include "DeviceContextObject.h"
#include "IconObject.h"
#include "LastError.h"
#include "MachineState.h"
#include "MemoryDcObject.h"
#include "Simulation.h"
#include "platform/win32api.h"

namespace {

// Bytes per row of a device-dependent bitmap (rows are whole 16-bit words).
LONG DdbStride(int width, int bitsPixel)
{
    return static_cast<LONG>((static_cast<int64_t>(width) * bitsPixel + 15) / 16 * 2);
}

// Bytes per row of a DIB (rows are whole 32-bit words).
size_t DibStride(int64_t width, int bits)
{
    return static_cast<size_t>((width * bits + 31) / 32 * 4);
}

bool IsDeviceContext(MachineState& state, HDC dc)
{
    return state.Handles().Get<MemoryDcObject>(dc) || state.Handles().Get<DeviceContextObject>(dc);
}

void PutPixel(uint8_t* at, int bits, uint32_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
    at[2] = static_cast<uint8_t>(value >> 16);
    if (bits == 32) at[3] = static_cast<uint8_t>(value >> 24);
}

}  // namespace

extern "C" HDC CreateCompatibleDC(HDC)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    return static_cast<HDC>(state.Handles().Add(std::make_unique<MemoryDcObject>()));
}

extern "C" int GetObjectA(HANDLE object, int size, LPVOID buffer)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    const BitmapObject* bitmap = state.GdiHandles().Get<BitmapObject>(object);
    if (!bitmap) return LastError::Fail(ERROR_INVALID_HANDLE, 0);
    if (!buffer) return static_cast<int>(sizeof(BITMAP));
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    BITMAP description{};
    description.bmWidth = bitmap->Image().Width();
    description.bmHeight = bitmap->Image().Height();
    description.bmWidthBytes = DdbStride(bitmap->Image().Width(), bitmap->BitsPixel());
    description.bmPlanes = 1;
    description.bmBitsPixel = bitmap->BitsPixel();
    std::memcpy(buffer, &description, sizeof description);
    return static_cast<int>(sizeof(BITMAP));
}

// Scan lines count from the bottom of the bitmap in a bottom-up DIB and from its top in a
// top-down one; columns and lines beyond the bitmap come out black.
extern "C" int GetDIBits(HDC dc, HBITMAP handle, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO info, UINT)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    const BitmapObject* bitmap = state.GdiHandles().Get<BitmapObject>(handle);
    if (!IsDeviceContext(state, dc) || !bitmap) return LastError::Fail(ERROR_INVALID_HANDLE, 0);
    if (!info || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER)) return LastError::Fail(ERROR_INVALID_PARAMETER, 0);
    BITMAPINFOHEADER& header = info->bmiHeader;
    const DibImage& image = bitmap->Image();
    if (!bits) {
        if (header.biBitCount == 0) {
            header.biWidth = image.Width();
            header.biHeight = image.Height();
            header.biPlanes = 1;
            header.biBitCount = bitmap->BitsPixel();
            header.biCompression = BI_RGB;
            header.biXPelsPerMeter = 0;
            header.biYPelsPerMeter = 0;
            header.biClrUsed = 0;
            header.biClrImportant = 0;
        }
        const int64_t rows = header.biHeight < 0 ? -static_cast<int64_t>(header.biHeight) : header.biHeight;
        header.biSizeImage = static_cast<DWORD>(DibStride(header.biWidth, header.biBitCount) * rows);
        return image.Height();
    }
    if ((header.biBitCount != 32 && header.biBitCount != 24) || header.biCompression != BI_RGB || header.biWidth <= 0)
        return LastError::Fail(ERROR_INVALID_PARAMETER, 0);
    const bool topDown = header.biHeight < 0;
    const int64_t height = topDown ? -static_cast<int64_t>(header.biHeight) : header.biHeight;
    if (start >= height) return 0;
    const int64_t count = std::min<int64_t>(lines, height - start);
    const size_t stride = DibStride(header.biWidth, header.biBitCount);
    const int bytesPerPixel = header.biBitCount / 8;
    auto* out = static_cast<uint8_t*>(bits);
    for (int64_t k = 0; k < count; ++k) {
        const int64_t scan = start + k;
        const int64_t row = topDown ? scan : image.Height() - 1 - scan;
        uint8_t* line = out + stride * k;
        std::memset(line, 0, stride);
        if (row < 0 || row >= image.Height()) continue;
        const int columns = static_cast<int>(std::min<int64_t>(header.biWidth, image.Width()));
        for (int x = 0; x < columns; ++x)
            PutPixel(line + x * bytesPerPixel, header.biBitCount, image.Pixel(x, static_cast<int>(row)));
    }
    return static_cast<int>(count);
}

extern "C" BOOL DeleteObject(HGDIOBJ object)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!state.GdiHandles().Get<BitmapObject>(object)) return LastError::Fail(ERROR_INVALID_HANDLE, FALSE);
    state.GdiHandles().Close(object);
    return TRUE;
}

extern "C" DWORD SimMachineGdiObjects(void)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    const auto any = [](const auto&) { return true; };
    const size_t count = state.GdiHandles().Count<BitmapObject>(any) +
                         state.GdiHandles().Count<IconObject>([](const IconObject& icon) { return !icon.Shared(); }) +
                         state.Handles().Count<MemoryDcObject>(any) + state.Handles().Count<DeviceContextObject>(any);
    return static_cast<DWORD>(count);
}

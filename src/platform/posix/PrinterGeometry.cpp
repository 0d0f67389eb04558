#include "PrinterGeometry.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "PrinterRecord.h"
#include "platform/win32api.h"

namespace {

struct Paper {
    int id;
    int width;   // tenths of a millimetre, portrait
    int length;
};

constexpr Paper kPapers[] = {
    {DMPAPER_LETTER, 2159, 2794}, {DMPAPER_TABLOID, 2794, 4318}, {DMPAPER_LEGAL, 2159, 3556},
    {DMPAPER_EXECUTIVE, 1842, 2667}, {DMPAPER_A3, 2970, 4200}, {DMPAPER_A4, 2100, 2970},
    {DMPAPER_A5, 1480, 2100}, {DMPAPER_B4, 2570, 3640}, {DMPAPER_B5, 1820, 2570},
};

int Scale(int64_t value, int64_t numerator, int64_t denominator)
{
    return static_cast<int>((value * numerator + denominator / 2) / denominator);
}

}  // namespace

PrinterGeometry::PrinterGeometry(const PrinterRecord& printer, const std::vector<uint8_t>& devMode)
{
    DEVMODEA dm{};
    std::memcpy(&dm, devMode.data(), std::min(devMode.size(), sizeof dm));
    size_t publicSize = std::min<size_t>({dm.dmSize, devMode.size(), sizeof dm});
    // A field counts when the device mode is long enough to hold it and marks it as set.
    auto has = [&](DWORD bit, size_t end) { return (dm.dmFields & bit) && end <= publicSize; };

    int orientation = printer.orientation;
    if (has(DM_ORIENTATION, offsetof(DEVMODEA, dmPaperSize)) &&
        (dm.dmOrientation == DMORIENT_PORTRAIT || dm.dmOrientation == DMORIENT_LANDSCAPE))
        orientation = dm.dmOrientation;
    int paperId = printer.paperSize;
    if (has(DM_PAPERSIZE, offsetof(DEVMODEA, dmPaperLength)) && dm.dmPaperSize > 0) paperId = dm.dmPaperSize;
    Paper paper = kPapers[5];  // A4 for sizes the printer does not know
    for (const Paper& known : kPapers)
        if (known.id == paperId) paper = known;
    if (has(DM_PAPERLENGTH, offsetof(DEVMODEA, dmPaperWidth)) && has(DM_PAPERWIDTH, offsetof(DEVMODEA, dmScale)) &&
        dm.dmPaperLength > 0 && dm.dmPaperWidth > 0) {
        paper.width = dm.dmPaperWidth;
        paper.length = dm.dmPaperLength;
    }
    m_dpiX = printer.printQuality > 0 ? printer.printQuality : 600;
    if (has(DM_PRINTQUALITY, offsetof(DEVMODEA, dmColor)) && dm.dmPrintQuality > 0) m_dpiX = dm.dmPrintQuality;
    m_dpiY = m_dpiX;
    if (has(DM_YRESOLUTION, offsetof(DEVMODEA, dmTTOption)) && dm.dmYResolution > 0) m_dpiY = dm.dmYResolution;
    int color = printer.color;
    if (has(DM_COLOR, offsetof(DEVMODEA, dmDuplex))) color = dm.dmColor;
    m_color = color != 1;  // DMCOLOR_MONOCHROME

    bool landscape = orientation == DMORIENT_LANDSCAPE;
    int across = landscape ? paper.length : paper.width;  // tenths of a millimetre
    int down = landscape ? paper.width : paper.length;
    int marginAcross = landscape ? printer.marginY : printer.marginX;  // thousandths of an inch
    int marginDown = landscape ? printer.marginX : printer.marginY;
    m_width = Scale(across, m_dpiX, 254);
    m_height = Scale(down, m_dpiY, 254);
    m_offsetX = std::clamp(Scale(marginAcross, m_dpiX, 1000), 0, m_width / 2);
    m_offsetY = std::clamp(Scale(marginDown, m_dpiY, 1000), 0, m_height / 2);
}

int PrinterGeometry::Caps(int index) const
{
    int horzRes = m_width - 2 * m_offsetX;
    int vertRes = m_height - 2 * m_offsetY;
    switch (index) {
    case TECHNOLOGY: return DT_RASPRINTER;
    case HORZSIZE: return Scale(horzRes, 254, 10LL * m_dpiX);
    case VERTSIZE: return Scale(vertRes, 254, 10LL * m_dpiY);
    case HORZRES: return horzRes;
    case VERTRES: return vertRes;
    case BITSPIXEL: return m_color ? 24 : 1;
    case PLANES: return 1;
    case NUMCOLORS: return m_color ? -1 : 2;
    case LOGPIXELSX: return m_dpiX;
    case LOGPIXELSY: return m_dpiY;
    case PHYSICALWIDTH: return m_width;
    case PHYSICALHEIGHT: return m_height;
    case PHYSICALOFFSETX: return m_offsetX;
    case PHYSICALOFFSETY: return m_offsetY;
    default: return 0;
    }
}

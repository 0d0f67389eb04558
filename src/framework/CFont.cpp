#include "framework/CFont.h"

#include <cstring>

#include "framework/WindowSystem.h"

namespace {

void SetFace(LOGFONT& font, const char* faceName) {
    std::memset(font.lfFaceName, 0, sizeof(font.lfFaceName));
    if (faceName) std::strncpy(font.lfFaceName, faceName, sizeof(font.lfFaceName) - 1);
}

}  // namespace

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
    if (!font) return FALSE;
    return Attach(fw::ws::MakeFont(*font));
}

BOOL CFont::CreatePointFont(int pointSize, const char* faceName, CDC* dc) {
    LOGFONT font{};
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfHeight = pointSize;
    SetFace(font, faceName);
    return CreatePointFontIndirect(&font, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* font, CDC*) {
    if (!font) return FALSE;
    LOGFONT pixels = *font;
    // Tenths of a point to a character height in pixels of this screen, rounded: negative
    // means character height (without internal leading), as the system expects.
    const int tenths = font->lfHeight < 0 ? -font->lfHeight : font->lfHeight;
    pixels.lfHeight = -((tenths * fw::ws::ScreenPixelsPerInch() + 360) / 720);
    return CreateFontIndirect(&pixels);
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, const char* faceName) {
    LOGFONT font{};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = italic;
    font.lfUnderline = underline;
    font.lfStrikeOut = strikeOut;
    font.lfCharSet = charSet;
    font.lfOutPrecision = outPrecision;
    font.lfClipPrecision = clipPrecision;
    font.lfQuality = quality;
    font.lfPitchAndFamily = pitchAndFamily;
    SetFace(font, faceName);
    return CreateFontIndirect(&font);
}

int CFont::GetLogFont(LOGFONT* font) const {
    if (!font || !m_hObject) return 0;
    return fw::ws::FontInfo(static_cast<HFONT>(m_hObject), font) ? static_cast<int>(sizeof(LOGFONT)) : 0;
}

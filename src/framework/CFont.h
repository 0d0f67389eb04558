// A font: face, height and weight of text drawn by a device context.
#pragma once

#include <string>

#include "framework/CGdiObject.h"

class CDC;

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONT* font);
    // pointSize in tenths of a point (80 = 8 points), at the screen's pixels per inch.
    BOOL CreatePointFont(int pointSize, const char* faceName, CDC* dc = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONT* font, CDC* dc = nullptr);  // lfHeight in tenths of a point
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const char* faceName);
    int GetLogFont(LOGFONT* font) const;
    static CFont* FromHandle(HFONT font) { return Borrow<CFont>(font); }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

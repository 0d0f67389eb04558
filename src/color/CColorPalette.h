// The 40 colour patches of the colour palette page in 5 rows of 8, drawn on a static control.
// The mouse highlights the enabled patch under it; a click reaches the page as the static
// control's click command, and the page asks which patch is highlighted. Crossed-out patches
// cannot be highlighted, a red double frame marks a value that differs from the printer default
// and a bold label a value changed against the stored setting.
//
// The keyboard has a current patch of its own: with the focus (a tab stop), the palette draws
// a dotted frame around it, the arrow keys move it (Home and End: the first and last patch),
// and Space or Enter does what a click on it does. Crossed-out patches can be reached, so that
// a screen reader names them, but Space and Enter do nothing there. The control's text is the
// current patch's name with its marks ("Patch 9, changed"); screen readers hear of every change
// of it and of the focus.
#pragma once

#include <cstdint>
#include <string>

#include "framework/CFont.h"
#include "framework/CStatic.h"

class CDC;

class CColorPalette : public CStatic {
public:
    static constexpr int patchCount = 40;
    static constexpr int rows = 5;
    static constexpr int columns = 8;

    struct Patch {
        COLORREF fill;
        COLORREF hoverFill;
        COLORREF textColor;
        int32_t changed;  // red double frame
        int32_t hover;    // the highlighted patch
        int32_t left;
        int32_t top;
        int32_t right;
        int32_t bottom;
        int32_t bold;     // bold label
        int32_t enabled;  // 0: crossed out
    };

    // Clears every flag of the shared patch table: a new palette starts without marks.
    CColorPalette();
    ~CColorPalette() override = default;

    // The patch rectangles in client coordinates; an area too small for the grid lays out nothing.
    void Layout(int rowCount, int columnCount);
    // The lowest highlighted patch, or -1.
    int GetHighlighted() const;
    void SetChanged(int index, int flag);
    void SetBold(int index, int flag);
    void SetEnabled(int index, int flag);
    void ClearHighlight(int index);
    void RedrawPatch(int index, BOOL highlighted);
    // The patch at a client point, or -1.
    int HitTest(POINT point) const;

    // The patch the keyboard is on; SetCurrent moves it (an index outside the grid is ignored).
    int GetCurrent() const { return m_current; }
    void SetCurrent(int index);
    // The name a screen reader reads for a patch: its number and its marks.
    static std::string PatchName(int index);

    static const Patch& GetPatch(int index);
    // The patch colour, also the swatch colour of the colour input dialog.
    static COLORREF GetFillColor(int index);

protected:
    void OnPaint() override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnCaptureChanged(CWnd* newCapture) override;
    void OnSetFocus(CWnd* oldWindow) override;
    void OnKillFocus(CWnd* newWindow) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    UINT OnGetDlgCode(const MSG* message) override;

private:
    static bool ValidIndex(int index) { return index >= 0 && index < patchCount; }
    static bool IsLaidOut(const Patch& patch) { return patch.right > patch.left && patch.bottom > patch.top; }

    void DrawPatch(CDC& dc, int index, bool highlighted);
    static void DrawFrame(CDC& dc, const Patch& patch, int inset, COLORREF color);
    static void DrawCross(CDC& dc, const Patch& patch, COLORREF color);
    static void DrawFocusFrame(CDC& dc, const Patch& patch);
    // The current patch's name as the control's text, and the news of it.
    void UpdateName(int index);
    // Space or Enter: the current patch is highlighted and the page hears a click.
    void ClickCurrent();

    static Patch s_patches[patchCount];

    int32_t m_patchSize;
    CFont m_font;
    int m_current = 0;
};

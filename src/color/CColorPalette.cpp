#include "color/CColorPalette.h"

#include <string>

#include "framework/CClientDC.h"
#include "framework/CPaintDC.h"
#include "framework/CPen.h"
#include "framework/WindowSystem.h"
#include "launch/CStrRes.h"
#include "launch/TextFormat.h"
#include "resources/resource.h"
#include "storage/CIniUtility.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kRed = 0x0000FF;
constexpr int kPatchSize = 30;     // pixels on a 96-dpi screen
constexpr int kLabelPoints = 80;  // tenths of a point
constexpr int kFocusInset = 3;     // lines: the focus frame lies outside the red double frame

// Frames, crosses and focus dots are one line wide: a pixel per 30 pixels of patch, rounded,
// so that they keep their weight on screens of more pixels per inch.
int LineWidth(const CColorPalette::Patch& patch)
{
    const int width = patch.right - patch.left;
    return width < kPatchSize ? 1 : (width * 2 + kPatchSize) / (2 * kPatchSize);
}

}  // namespace

// Colours as 0x00BBGGRR: fill, fill while highlighted, label; every flag starts at 0.
CColorPalette::Patch CColorPalette::s_patches[patchCount] = {
    {0x000000, 0x646464, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x003399, 0x3265CB, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x003333, 0x326565, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x003300, 0x5E6532, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x663300, 0x986533, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x800000, 0xB23232, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x993333, 0xCB6565, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x333333, 0x656565, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x000080, 0x3232B2, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x0066FF, 0x2C42CD, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x008080, 0x2C5353, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x008000, 0x2C5300, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x808000, 0x805300, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xFF0000, 0xDD3F3F, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x996666, 0x904242, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x808080, 0x805353, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x0000FF, 0x2C00A5, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x0099FF, 0x2C63A5, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x00CC99, 0x2C8463, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x669933, 0x6F6321, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xCCCC33, 0xB18421, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xFF6633, 0xD24221, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x800080, 0x800053, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x969696, 0x8E6161, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xFF00FF, 0xD200A5, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x00CCFF, 0x2C84A5, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x00FFFF, 0x2CA5A5, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x00FF00, 0x2CA500, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xFFFF00, 0xD2A500, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xFFCC00, 0xD28400, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x663399, 0x6F2163, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xC0C0C0, 0xA97C7C, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xCC99FF, 0xB163A5, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x99CCFF, 0x9084A5, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x99FFFF, 0x90A5A5, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xCCFFCC, 0xB1A584, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xFFFFCC, 0xD2A584, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xFFCC99, 0xD28463, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xFF99CC, 0xD26384, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xFFFFFF, 0xD2A5A5, 0x000000, 0, 0, 0, 0, 0, 0, 0, 0},
};

CColorPalette::CColorPalette() : m_patchSize(fw::ws::ScaleForScreen(kPatchSize))
{
    // The table outlives every palette; marks of an earlier wizard must not show or be clicked.
    for (Patch& patch : s_patches) {
        patch.changed = 0;
        patch.hover = 0;
        patch.bold = 0;
        patch.enabled = 0;
    }
    const std::string face = CIniUtility().Get("Font", "FontName");
    m_font.CreatePointFont(kLabelPoints, face.c_str());
}

const CColorPalette::Patch& CColorPalette::GetPatch(int index)
{
    return s_patches[ValidIndex(index) ? index : 0];
}

COLORREF CColorPalette::GetFillColor(int index)
{
    return ValidIndex(index) ? s_patches[index].fill : kWhite;
}

void CColorPalette::Layout(int rowCount, int columnCount)
{
    RECT client{};
    if (m_hWnd) GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const int s = m_patchSize;
    for (Patch& patch : s_patches) patch.left = patch.top = patch.right = patch.bottom = 0;
    // The gaps are unsigned quotients: an area smaller than the grid has no usable layout.
    if (rowCount <= 0 || columnCount <= 0 || width < s * columnCount || height < s * rowCount) return;
    const int gx = static_cast<int>(static_cast<unsigned>(width - s * columnCount) / static_cast<unsigned>(columnCount + 1));
    const int gy = static_cast<int>(static_cast<unsigned>(height - s * rowCount) / static_cast<unsigned>(rowCount + 1));
    for (int r = 0; r < rowCount; ++r) {
        for (int c = 0; c < columnCount; ++c) {
            const int i = r * columnCount + c;
            if (i >= patchCount) return;
            Patch& patch = s_patches[i];
            patch.left = gx + c * (s + gx);
            patch.top = gy + r * (s + gy);
            patch.right = patch.left + s;
            patch.bottom = patch.top + s;
        }
    }
}

int CColorPalette::GetHighlighted() const
{
    for (int i = 0; i < patchCount; ++i) {
        if (s_patches[i].hover == 1) return i;
    }
    return -1;
}

int CColorPalette::HitTest(POINT point) const
{
    for (int r = 0; r < rows; ++r) {
        const Patch& first = s_patches[r * columns];
        if (!(first.top - 1 < point.y && point.y < first.bottom)) continue;
        for (int c = 0; c < columns; ++c) {
            const Patch& patch = s_patches[r * columns + c];
            if (patch.left - 1 < point.x && point.x < patch.right) return r * columns + c;
        }
        return -1;
    }
    return -1;
}

std::string CColorPalette::PatchName(int index)
{
    if (!ValidIndex(index)) return {};
    const CStrRes strings;
    const Patch& patch = s_patches[index];
    std::string name = FormatNumber(strings.Load(IDS_PALETTE_PATCH_NAME), index);
    if (patch.enabled == 0) name += strings.Load(IDS_PALETTE_PATCH_LOCKED);
    if (patch.changed == 1) name += strings.Load(IDS_PALETTE_PATCH_NOT_DEFAULT);
    if (patch.bold == 1) name += strings.Load(IDS_PALETTE_PATCH_EDITED);
    return name;
}

void CColorPalette::SetCurrent(int index)
{
    if (!ValidIndex(index) || index == m_current) return;
    m_current = index;
    UpdateName(index);
    if (m_hWnd && GetFocus() == this) {
        Invalidate();
        // A new current patch is a new focus inside the control for a screen reader.
        NotifyWinEvent(EVENT_OBJECT_FOCUS);
    }
}

void CColorPalette::UpdateName(int index)
{
    if (!m_hWnd || index != m_current) return;
    const std::string name = PatchName(index);
    if (name == GetWindowText()) return;
    SetWindowText(name);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE);
}

void CColorPalette::SetChanged(int index, int flag)
{
    if (!ValidIndex(index)) return;
    Patch& patch = s_patches[index];
    patch.changed = flag;
    UpdateName(index);
    if (!m_hWnd || !IsLaidOut(patch)) return;
    CClientDC dc(this);
    if (flag) {
        DrawFrame(dc, patch, 0, kWhite);
        DrawFrame(dc, patch, 1, kRed);
        DrawFrame(dc, patch, 2, kRed);
    } else {
        DrawFrame(dc, patch, 0, patch.fill);
        DrawFrame(dc, patch, 1, kBlack);
        DrawFrame(dc, patch, 2, kWhite);
    }
}

void CColorPalette::SetBold(int index, int flag)
{
    if (!ValidIndex(index)) return;
    s_patches[index].bold = flag;
    UpdateName(index);
    RedrawPatch(index, FALSE);
}

void CColorPalette::SetEnabled(int index, int flag)
{
    if (!ValidIndex(index)) return;
    s_patches[index].enabled = flag;
    UpdateName(index);
}

void CColorPalette::ClearHighlight(int index)
{
    if (!ValidIndex(index)) return;
    RedrawPatch(index, FALSE);
    s_patches[index].hover = 0;
}

void CColorPalette::RedrawPatch(int index, BOOL highlighted)
{
    if (!ValidIndex(index) || !m_hWnd || !IsLaidOut(s_patches[index])) return;
    const Patch& patch = s_patches[index];
    CClientDC dc(this);
    DrawPatch(dc, index, highlighted != FALSE);
    if (patch.changed == 1) DrawFrame(dc, patch, 0, kWhite);
    if (patch.enabled == 0) DrawCross(dc, patch, kRed);
}

void CColorPalette::OnPaint()
{
    CPaintDC dc(this);
    RECT client{};
    GetClientRect(&client);
    dc.FillSolidRect(&client, kWhite);
    for (int i = 0; i < patchCount; ++i) {
        const Patch& patch = s_patches[i];
        if (!IsLaidOut(patch)) continue;
        DrawPatch(dc, i, patch.hover == 1);
        if (patch.changed == 1) {
            DrawFrame(dc, patch, 0, kWhite);
            DrawFrame(dc, patch, 1, kRed);
            DrawFrame(dc, patch, 2, kRed);
        } else {
            DrawFrame(dc, patch, 1, kBlack);
        }
        if (patch.enabled == 0) DrawCross(dc, patch, kRed);
    }
    if (GetFocus() == this && IsLaidOut(s_patches[m_current])) DrawFocusFrame(dc, s_patches[m_current]);
}

void CColorPalette::OnSetFocus(CWnd*)
{
    Default();
    UpdateName(m_current);
    Invalidate();
    NotifyWinEvent(EVENT_OBJECT_FOCUS);
}

void CColorPalette::OnKillFocus(CWnd*)
{
    Default();
    Invalidate();
}

UINT CColorPalette::OnGetDlgCode(const MSG* message)
{
    // The arrow keys move the current patch, and Enter opens it instead of pressing Next.
    UINT code = DLGC_WANTARROWS;
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
    return code;
}

void CColorPalette::OnKeyDown(UINT key, UINT, UINT)
{
    switch (key) {
        case VK_LEFT: SetCurrent(m_current - 1); return;
        case VK_RIGHT: SetCurrent(m_current + 1); return;
        case VK_UP: SetCurrent(m_current - columns); return;
        case VK_DOWN: SetCurrent(m_current + columns); return;
        case VK_HOME: SetCurrent(0); return;
        case VK_END: SetCurrent(patchCount - 1); return;
        case VK_SPACE:
        case VK_RETURN: ClickCurrent(); return;
        default: Default(); return;
    }
}

void CColorPalette::ClickCurrent()
{
    // A crossed-out patch takes no highlight, so, as with the mouse, nothing opens.
    if (!s_patches[m_current].enabled) return;
    const int highlighted = GetHighlighted();
    if (highlighted != m_current) {
        if (highlighted != -1) ClearHighlight(highlighted);
        s_patches[m_current].hover = 1;
        RedrawPatch(m_current, TRUE);
    }
    if (CWnd* parent = GetParent()) {
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), STN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
    }
}

void CColorPalette::OnMouseMove(UINT, CPoint point)
{
    RECT client{};
    GetClientRect(&client);
    if (point.x < client.left || point.y < client.top || point.x >= client.right || point.y >= client.bottom) {
        // Keeping the capture outside the palette would turn every click on the page into a
        // palette click; the highlight stays on the last patch crossed.
        if (GetCapture() == this) ReleaseCapture();
        Default();
        return;
    }
    SetCapture();
    const int highlighted = GetHighlighted();
    const int hit = HitTest(point);
    if (hit >= 0 && hit != highlighted && s_patches[hit].enabled) {
        if (highlighted != -1) ClearHighlight(highlighted);
        s_patches[hit].hover = 1;
        RedrawPatch(hit, TRUE);
    }
    Default();
}

void CColorPalette::OnCaptureChanged(CWnd*)
{
    // Only this control's own capture is given up, never one another window has just taken.
    if (GetCapture() == this) ReleaseCapture();
    Default();
}

void CColorPalette::DrawPatch(CDC& dc, int index, bool highlighted)
{
    const Patch& patch = s_patches[index];
    RECT rect{patch.left, patch.top, patch.left + m_patchSize, patch.top + m_patchSize};
    const COLORREF fill = highlighted ? patch.hoverFill : patch.fill;
    dc.FillSolidRect(&rect, fill);

    LOGFONT logFont{};
    m_font.GetLogFont(&logFont);
    logFont.lfWeight = patch.bold == 1 ? FW_BOLD : FW_NORMAL;
    CFont label;
    label.CreateFontIndirect(&logFont);
    CFont* previous = dc.SelectObject(&label);
    dc.SetTextColor(patch.textColor);
    dc.SetBkColor(fill);
    dc.DrawText(std::to_string(index), &rect, DT_SINGLELINE | DT_CENTER | DT_BOTTOM);
    dc.SelectObject(previous);
}

void CColorPalette::DrawFrame(CDC& dc, const Patch& patch, int inset, COLORREF color)
{
    // The rectangle grown by inset lines on each side, outlined one line wide.
    const int w = LineWidth(patch);
    const int l = patch.left - inset * w;
    const int t = patch.top - inset * w;
    const int r = patch.right + inset * w;
    const int b = patch.bottom + inset * w;
    dc.FillSolidRect(l, t, r - l, w, color);
    dc.FillSolidRect(l, b - w, r - l, w, color);
    dc.FillSolidRect(l, t, w, b - t, color);
    dc.FillSolidRect(r - w, t, w, b - t, color);
}

void CColorPalette::DrawFocusFrame(CDC& dc, const Patch& patch)
{
    // Dotted, as the system draws focus: every other dot in black on the white ground.
    const int w = LineWidth(patch);
    const int l = patch.left - kFocusInset * w;
    const int t = patch.top - kFocusInset * w;
    const int r = patch.right + kFocusInset * w - w;
    const int b = patch.bottom + kFocusInset * w - w;
    for (int x = l; x <= r; x += 2 * w) {
        dc.FillSolidRect(x, t, w, w, kBlack);
        dc.FillSolidRect(x, b, w, w, kBlack);
    }
    for (int y = t; y <= b; y += 2 * w) {
        dc.FillSolidRect(l, y, w, w, kBlack);
        dc.FillSolidRect(r, y, w, w, kBlack);
    }
}

void CColorPalette::DrawCross(CDC& dc, const Patch& patch, COLORREF color)
{
    CPen pen(PS_SOLID, LineWidth(patch), color);
    CPen* previous = dc.SelectObject(&pen);
    dc.MoveTo(patch.left, patch.top);
    dc.LineTo(patch.right, patch.bottom);
    dc.MoveTo(patch.left, patch.bottom);
    dc.LineTo(patch.right, patch.top);
    dc.SelectObject(previous);
}

#include "controls/CmyStatic.h"

#include <memory>

#include "framework/CPaintDC.h"
#include "framework/PictureFit.h"
#include "framework/ResourceModule.h"
#include "framework/WindowSystem.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/TextFormat.h"

void CmyStatic::SetCaption(UINT stringId, const std::string& argument)
{
    std::string text = CStrRes().Load(stringId);
    if (!argument.empty()) text = FormatText(text, argument);
    SetWindowText(text);
}

int CmyStatic::SetBitmap(UINT bitmapId, const RECT& rect)
{
    // The sheet keeps the dialog library open; open it here only when nobody did.
    HMODULE module = fw::GetResourceModule();
    std::unique_ptr<CDlgRes> library;
    if (module == nullptr) {
        library = std::make_unique<CDlgRes>();
        module = library->GetModule();
    }
    // The drawing nearest the frame, at its own size when that fits (sharp), else fitted in its
    // own shape; the control centres it in the frame.
    const SIZE frame{rect.right - rect.left, rect.bottom - rect.top};
    UINT id = bitmapId;
    SIZE drawn{};
    if (fw::PictureFit::ResourceSize(module, bitmapId, &drawn)) {
        const UINT scaled = fw::PictureFit::ScaledId(bitmapId, fw::PictureFit::NearestPercent(drawn, frame));
        // A library that carries one drawing only keeps showing that one.
        if (scaled != bitmapId && fw::PictureFit::ResourceSize(module, scaled, &drawn)) id = scaled;
    }
    const SIZE size = fw::PictureFit::LoadSize(drawn, frame);
    HBITMAP bitmap = fw::ws::LoadBitmapSized(module, id, size.cx, size.cy);
    HBITMAP previous = CStatic::SetBitmap(bitmap);
    if (previous == nullptr) return 0;
    fw::ws::DeleteGdiObject(previous);
    return 1;
}

void CmyStatic::FillColor(COLORREF color)
{
    CPaintDC dc(this);
    RECT client{};
    GetClientRect(&client);
    dc.FillSolidRect(0, 0, client.right - client.left, client.bottom - client.top, color);
}

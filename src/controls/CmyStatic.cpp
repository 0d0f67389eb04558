#include "controls/CmyStatic.h"

#include <memory>

#include "framework/CPaintDC.h"
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
    HBITMAP bitmap = fw::ws::LoadBitmapSized(module, bitmapId, rect.right - rect.left, rect.bottom - rect.top);
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

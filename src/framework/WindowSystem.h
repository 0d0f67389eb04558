// The window system under the framework classes. Every call here is implemented by the
// backend of the build: framework/headless (windows in memory, driven by a script or a
// terminal) or framework/win32 (real windows). The framework classes use nothing else, so
// code built on them never knows which backend runs.
//
// Names avoid the system's A/W macros (SendMessage, DrawText ...), which would otherwise
// rename them on Windows.
#pragma once

#include <string>

#include "framework/ControlClassNames.h"
#include "framework/MessageBox.h"
#include "framework/UiTypes.h"

class CWnd;
class CDialog;
class CPropertySheet;
class CPropertyPage;

namespace fw::ws {

// ---- Messages ------------------------------------------------------------------------------
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// What the window's class does with a message that its object leaves to the default.
LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---- The C++ object of a window ------------------------------------------------------------
void AttachObject(HWND window, CWnd* object);  // messages of the window now reach object
void DetachObject(HWND window);
CWnd* AttachedObject(HWND window);

// ---- Windows ---------------------------------------------------------------------------------
BOOL IsWindow(HWND window);
HWND Parent(HWND window);  // the parent of a child, the owner of a top-level window
HWND DialogItem(HWND dialog, int id);
int ControlId(HWND window);
std::string WindowClass(HWND window);  // "#32770" for dialogs, pages and sheets
DWORD Style(HWND window);
HWND FirstChild(HWND window);
HWND NextSibling(HWND window);
BOOL WindowRect(HWND window, RECT* rect);  // screen coordinates
BOOL ClientRect(HWND window, RECT* rect);  // origin 0, 0
BOOL Move(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL ScreenToClientPoint(HWND window, POINT* point);
BOOL ClientToScreenPoint(HWND window, POINT* point);
BOOL Enable(HWND window, BOOL enable);  // returns whether it was disabled before
BOOL IsEnabled(HWND window);
BOOL Show(HWND window, int command);  // returns whether it was visible before
BOOL IsVisible(HWND window);
HWND Find(const char* className, const char* title);  // top-level windows; null = any
BOOL Destroy(HWND window);
HWND Focus();
HWND SetFocusTo(HWND window);
// NotifyWinEvent: the system's on real windows; the headless backend records each call.
void NotifyAccessibility(DWORD event, HWND window, LONG objectId, LONG childId);

// ---- Modal runs ------------------------------------------------------------------------------
// Creates the dialog from its template (DLGTEMPLATEEX bytes; size 0 when not known; module:
// the one that holds it, null when not known), runs it modally and destroys it: the result of
// EndModal, or -1 when the window cannot be made.
INT_PTR RunModalDialog(CDialog* dialog, LPCDLGTEMPLATE dialogTemplate, DWORD size, HMODULE module, HWND parent);
BOOL EndModal(HWND window, INT_PTR result);
// Runs the sheet modally (wizard mode when its header says so): ID_WIZFINISH, IDOK,
// IDCANCEL, or -1 when the sheet cannot be made.
INT_PTR RunPropertySheet(CPropertySheet* sheet);
// The sheet's page list changed while it runs.
void SheetPageAdded(HWND sheet, CPropertyPage* page);
void SheetPageRemoving(HWND sheet, int index);

// ---- Timers, capture -------------------------------------------------------------------------
UINT_PTR StartTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC callback);
BOOL StopTimer(HWND window, UINT_PTR id);
HWND Capture(HWND window);  // returns the previous capture window
BOOL ReleaseTheCapture();
HWND CaptureWindow();

// ---- Painting and drawing --------------------------------------------------------------------
void InvalidateWindow(HWND window);
void UpdateNow(HWND window);  // paints now if anything is invalid
HDC BeginPaintOn(HWND window, RECT* paintRect);
void EndPaintOn(HWND window, HDC dc);
HDC WindowDC(HWND window);  // client area
int ReleaseWindowDC(HWND window, HDC dc);

HGDIOBJ Select(HDC dc, HGDIOBJ object);
COLORREF TextColor(HDC dc, COLORREF color);  // sets; returns the previous
COLORREF BackColor(HDC dc, COLORREF color);
int BackMode(HDC dc, int mode);
BOOL MoveToPoint(HDC dc, int x, int y, POINT* previous);
BOOL LineToPoint(HDC dc, int x, int y);
void FillSolid(HDC dc, const RECT& rect, COLORREF color);
BOOL FillWithBrush(HDC dc, const RECT& rect, HBRUSH brush);
BOOL RectangleShape(HDC dc, int left, int top, int right, int bottom);
COLORREF PutPixel(HDC dc, int x, int y, COLORREF color);
COLORREF PixelAt(HDC dc, int x, int y);  // CLR_INVALID outside
int DrawTextIn(HDC dc, const std::string& text, RECT* rect, UINT format);
BOOL TextAt(HDC dc, int x, int y, const std::string& text);
SIZE TextExtent(HDC dc, const std::string& text);

HPEN MakePen(int style, int width, COLORREF color);
HBRUSH MakeSolidBrush(COLORREF color);
HFONT MakeFont(const LOGFONT& font);
// Pixels per inch of the screen the windows are on (96 at 100 %, 144 at 150 %).
int ScreenPixelsPerInch();
// pixels, as meant for a 96-dpi screen, on this screen (rounded; at least 1 for a positive value).
int ScaleForScreen(int pixels);
BOOL FontInfo(HFONT font, LOGFONT* info);
// Releases a pen, brush or font of the framework, or a bitmap or icon of the two calls below.
BOOL DeleteGdiObject(HGDIOBJ object);
// Bitmap resource id of module at cx x cy pixels (0 = the bitmap's own size): the system's
// bitmap (LoadImageA), null when the module has none. The caller owns it (DeleteGdiObject).
HBITMAP LoadBitmapSized(HMODULE module, UINT id, int cx, int cy);
// Icon resource id of module, or with a null module the system's icon id (IDI_...): the
// system's icon, owned by the caller (DeleteGdiObject). A module without that icon gives the
// system's application icon.
HICON LoadIconResource(HMODULE module, UINT id);

// ---- Menus -----------------------------------------------------------------------------------
HMENU SystemMenu(HWND window, BOOL revert);
BOOL MenuAppend(HMENU menu, UINT flags, UINT_PTR id, const char* text);
int MenuItemCount(HMENU menu);
UINT MenuItemId(HMENU menu, int position);  // 0 for a separator, -1 when out of range
std::string MenuItemText(HMENU menu, int position);

// ---- Templates and message boxes -------------------------------------------------------------
// The dialog resource id of module (null: the program's own file), as the system keeps it:
// its DLGTEMPLATEEX bytes, or null when there is none. size receives their length. The same
// calls on both targets (FindResourceA, LoadResource, LockResource, SizeofResource).
LPCDLGTEMPLATE LoadTemplate(HMODULE module, UINT id, DWORD* size = nullptr);
// Shows a message box on the backend's screen. Returns false when the backend leaves the box
// to the system default (framework/MessageBox.cpp).
bool ShowBox(const MessageBoxRequest& request, int* answer);
// The call that ran the windows is over (the library's entry point returns): a driver that
// still holds steps of a command script reports them as never run.
void SessionEnded();

// What a standard open or save dialog asks for. The filter is the classic text of
// description/pattern pairs separated by '|'.
struct FileDialogRequest {
    HWND owner = nullptr;
    bool open = true;
    std::string filter;
    std::string defaultExt;
    std::string initialName;
    std::string title;  // empty: the system's own ("Open", "Save As")
    DWORD flags = 0;
};
// Runs the system's standard file dialog. Returns false when the backend has none (the
// framework's own small dialog stands in); else path receives the chosen path, or stays
// empty when the user cancelled.
bool RunSystemFileDialog(const FileDialogRequest& request, std::string* path);

}  // namespace fw::ws

#include "framework/headless/UiView.h"

#include "framework/headless/ButtonControl.h"
#include "framework/headless/ComboBoxControl.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/GdiTable.h"
#include "framework/headless/MenuTable.h"
#include "framework/headless/MessageBoxWindow.h"
#include "framework/headless/SheetController.h"

#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"

namespace fw::headless {
namespace {

std::string KindOf(const Window& window) {
    const std::string& cls = window.className;
    if (cls == FW_CLASS_BUTTON) {
        switch (window.ButtonType()) {
            case BS_DEFPUSHBUTTON: return "default button";
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_3STATE:
            case BS_AUTO3STATE: return "check box";
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON: return "radio button";
            case BS_GROUPBOX: return "group box";
            default: return "push button";
        }
    }
    if (cls == FW_CLASS_STATIC) {
        switch (window.StaticType()) {
            case SS_BITMAP: return "picture";
            case SS_ICON: return "icon";
            case SS_BLACKRECT:
            case SS_GRAYRECT:
            case SS_WHITERECT:
            case SS_BLACKFRAME:
            case SS_GRAYFRAME:
            case SS_WHITEFRAME:
            case SS_ETCHEDFRAME:
            case SS_ETCHEDHORZ:
            case SS_ETCHEDVERT: return "frame";
            case SS_OWNERDRAW: return "custom";
            default: return "text";
        }
    }
    if (cls == FW_CLASS_EDIT) return "edit";
    if (cls == FW_CLASS_LISTBOX) return "list box";
    if (cls == FW_CLASS_COMBOBOX) return window.ComboType() == CBS_DROPDOWNLIST ? "drop-down list" : "combo box";
    if (cls == FW_CLASS_TRACKBAR) return "trackbar";
    return "custom";
}

UINT ResourceOf(HGDIOBJ handle) {
    const PictureRecord* picture = GdiTable::Get().FindPicture(handle);
    return picture ? picture->resourceId : 0;
}

ControlView ControlOf(const Window& window) {
    ControlView view;
    view.handle = window.handle;
    view.id = window.id;
    view.className = window.className;
    view.kind = KindOf(window);
    view.text = window.className == FW_CLASS_COMBOBOX ? ComboBoxControl::FieldText(window) : window.text;
    for (size_t i = 0; i < window.items.size(); ++i) {
        view.items.push_back(window.items[i].text);
        if (window.items[i].selected) view.selectedItems.push_back(static_cast<int>(i));
    }
    view.selection = window.selection;
    view.check = window.className == FW_CLASS_BUTTON && ButtonControl::IsCheckable(window) ? window.check : BST_UNCHECKED;
    view.enabled = window.Enabled();
    view.visible = window.Visible();
    view.focused = Desktop::Get().Focus() == window.handle;
    view.rangeMin = window.rangeMin;
    view.rangeMax = window.rangeMax;
    view.position = window.position;
    view.limit = window.limit;
    view.bitmapId = ResourceOf(window.bitmap);
    view.iconId = ResourceOf(window.icon);
    view.style = window.style;
    view.rect = window.rect;
    return view;
}

void AddControls(std::vector<ControlView>& controls, const Window& parent) {
    for (HWND child : parent.children) {
        const Window* control = Desktop::Get().Find(child);
        if (control && control->kind == WindowKind::Control) controls.push_back(ControlOf(*control));
    }
}

ButtonState StateOf(const std::vector<ControlView>& buttons, UINT id) {
    for (const auto& button : buttons) {
        if (button.id == id) return ButtonState{button.visible, button.enabled};
    }
    return ButtonState{};
}

void AddTimers(std::vector<UINT_PTR>& timers, HWND handle) {
    Desktop& desktop = Desktop::Get();
    for (const auto& timer : desktop.Timers()) {
        if (timer.window == handle) timers.push_back(timer.id);
    }
    if (const Window* window = desktop.Find(handle)) {
        for (HWND child : window->children) AddTimers(timers, child);
    }
}

}  // namespace

std::string ControlView::selectedText() const {
    return selection >= 0 && selection < static_cast<int>(items.size()) ? items[static_cast<size_t>(selection)] : std::string();
}

const ControlView& WindowView::Control(UINT id) const {
    static const ControlView missing;
    for (const auto& control : controls) {
        if (control.id == id) return control;
    }
    for (const auto& control : sheetButtons) {
        if (control.id == id) return control;
    }
    return missing;
}

WindowView WindowView::Of(HWND handle) {
    Desktop& desktop = Desktop::Get();
    if (!handle) handle = desktop.ActiveWindow();
    WindowView view;
    const Window* window = desktop.Find(handle);
    if (!window) return view;
    view.handle = handle;
    view.title = window->text;
    view.owner = window->parent;
    view.iconId = ResourceOf(window->bigIcon ? window->bigIcon : window->smallIcon);
    view.templateId = window->templateId;
    AddTimers(view.timers, handle);
    if (const auto* items = MenuTable::Get().Find(window->systemMenu)) {
        for (const auto& item : *items) {
            view.systemMenu.push_back(MenuItemView{static_cast<UINT>(item.id), item.text, (item.flags & MF_SEPARATOR) != 0});
        }
    }
    switch (window->kind) {
        case WindowKind::Sheet: {
            view.kind = WindowView::Kind::Sheet;
            const SheetController& sheet = *window->sheet;
            view.wizard = sheet.IsWizard();
            AddControls(view.sheetButtons, *window);
            if (const CPropertyPage* page = sheet.ActivePage()) {
                view.templateId = page->m_psp.nIDTemplate;
                if (const Window* pageWindow = desktop.Find(page->m_hWnd)) AddControls(view.controls, *pageWindow);
            }
            view.buttons.back = StateOf(view.sheetButtons, ID_WIZBACK);
            view.buttons.next = StateOf(view.sheetButtons, ID_WIZNEXT);
            view.buttons.finish = StateOf(view.sheetButtons, ID_WIZFINISH);
            view.buttons.cancel = StateOf(view.sheetButtons, IDCANCEL);
            view.buttons.help = StateOf(view.sheetButtons, IDHELP);
            view.buttons.pageIndex = sheet.ActiveIndex();
            view.buttons.pageCount = sheet.Sheet()->GetPageCount();
            view.buttons.pageTemplate = view.templateId;
            break;
        }
        case WindowKind::MessageBox:
            view.kind = WindowView::Kind::MessageBox;
            view.boxStyle = window->boxStyle;
            view.boxButtons = MessageBoxWindow::Buttons(window->boxStyle);
            AddControls(view.controls, *window);
            view.boxText = view.Control(MessageBoxWindow::kTextId).text;
            break;
        default:
            view.kind = WindowView::Kind::Dialog;
            AddControls(view.controls, *window);
            break;
    }
    return view;
}

}  // namespace fw::headless

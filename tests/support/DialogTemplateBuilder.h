// Dialog templates made by a test and registered as the program's own (looked up with a null
// template module) for as long as the builder lives.
//
//   DialogTemplateBuilder page(9001);
//   page.Add(1012, FW_CLASS_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP, 10, 10, 80, 12);
//   page.Register();
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "framework/DialogTemplate.h"

class DialogTemplateBuilder {
public:
    explicit DialogTemplateBuilder(UINT id, short width = 220, short height = 140,
                                   DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU);
    ~DialogTemplateBuilder();
    DialogTemplateBuilder(const DialogTemplateBuilder&) = delete;
    DialogTemplateBuilder& operator=(const DialogTemplateBuilder&) = delete;

    DialogTemplateBuilder& Caption(const std::string& caption);
    DialogTemplateBuilder& Add(UINT id, const char* className, DWORD style, short x, short y, short cx, short cy,
                               const std::string& text = {});
    // The finished template (valid while the builder lives), registered for a null module.
    const FwDialogTemplate* Register();
    const FwDialogTemplate* Get();

private:
    FwDialogTemplate m_template{};
    std::vector<FwDialogItem> m_items;
    std::deque<std::string> m_texts;
    bool m_registered = false;
};

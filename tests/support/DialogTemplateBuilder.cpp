#include "support/DialogTemplateBuilder.h"

#include "framework/WindowSystem.h"

DialogTemplateBuilder::DialogTemplateBuilder(UINT id, short width, short height, DWORD style) {
    m_template.id = id;
    m_template.caption = "";
    m_template.style = style;
    m_template.cx = width;
    m_template.cy = height;
    m_template.fontFace = "MS Shell Dlg";
    m_template.pointSize = 8;
}

DialogTemplateBuilder::~DialogTemplateBuilder() {
    if (m_registered) fw::ws::UnregisterDialogTemplate(m_template.id);
}

DialogTemplateBuilder& DialogTemplateBuilder::Caption(const std::string& caption) {
    m_template.caption = m_texts.emplace_back(caption).c_str();
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::Add(UINT id, const char* className, DWORD style, short x, short y,
                                                  short cx, short cy, const std::string& text) {
    const char* stored = m_texts.emplace_back(text).c_str();
    m_items.push_back(FwDialogItem{id, className, stored, style, 0, x, y, cx, cy});
    return *this;
}

const FwDialogTemplate* DialogTemplateBuilder::Get() {
    m_template.items = m_items.data();
    m_template.itemCount = static_cast<UINT>(m_items.size());
    return &m_template;
}

const FwDialogTemplate* DialogTemplateBuilder::Register() {
    fw::ws::RegisterDialogTemplate(Get());
    m_registered = true;
    return &m_template;
}

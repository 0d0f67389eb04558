#include "framework/CListBox.h"

namespace {

LPARAM Text(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }

}  // namespace

int CListBox::GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }

int CListBox::GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }

int CListBox::SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }

int CListBox::GetText(int index, std::string& text) const {
    text.clear();
    const int length = GetTextLen(index);
    if (length < 0) return LB_ERR;
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    const int copied = static_cast<int>(
        SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data())));
    if (copied < 0) return LB_ERR;
    text.assign(buffer.c_str());
    return static_cast<int>(text.size());
}

std::string CListBox::GetText(int index) const {
    std::string text;
    GetText(index, text);
    return text;
}

int CListBox::GetTextLen(int index) const {
    return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
}

int CListBox::AddString(const std::string& text) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, Text(text))); }

int CListBox::InsertString(int index, const std::string& text) {
    return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), Text(text)));
}

int CListBox::DeleteString(int index) {
    return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index)));
}

void CListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }

int CListBox::FindString(int start, const std::string& text) const {
    return static_cast<int>(SendMessage(LB_FINDSTRING, static_cast<WPARAM>(start), Text(text)));
}

int CListBox::FindStringExact(int start, const std::string& text) const {
    return static_cast<int>(SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(start), Text(text)));
}

int CListBox::SelectString(int start, const std::string& text) {
    return static_cast<int>(SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(start), Text(text)));
}

int CListBox::SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

DWORD_PTR CListBox::GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int CListBox::GetSel(int index) const { return static_cast<int>(SendMessage(LB_GETSEL, static_cast<WPARAM>(index))); }

int CListBox::SetSel(int index, BOOL select) {
    return static_cast<int>(SendMessage(LB_SETSEL, static_cast<WPARAM>(select), static_cast<LPARAM>(index)));
}

int CListBox::GetSelCount() const { return static_cast<int>(SendMessage(LB_GETSELCOUNT)); }

int CListBox::GetSelItems(int maxItems, int* indexes) const {
    return static_cast<int>(
        SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(maxItems), reinterpret_cast<LPARAM>(indexes)));
}

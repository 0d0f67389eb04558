// The standard open and save dialogs of the window system, on real windows: the system's
// common file dialog.
#include <algorithm>
#include <vector>

#include "framework/WindowSystem.h"

namespace fw::ws {
namespace {

// The system takes the filter as strings ended by a null each, the list ended by another.
std::vector<char> SystemFilter(const std::string& filter) {
    std::vector<char> list(filter.begin(), filter.end());
    std::replace(list.begin(), list.end(), '|', '\0');
    while (list.size() < 2 || list[list.size() - 1] != '\0' || list[list.size() - 2] != '\0') list.push_back('\0');
    return list;
}

}  // namespace

bool RunSystemFileDialog(const FileDialogRequest& request, std::string* path) {
    std::vector<char> filter = SystemFilter(request.filter);
    std::vector<char> file(MAX_PATH * 4, '\0');
    std::copy_n(request.initialName.begin(), std::min(request.initialName.size(), file.size() - 1), file.begin());

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    // A page asks for itself as the owner; the dialog belongs to its top-level window.
    dialog.hwndOwner = request.owner ? GetAncestor(request.owner, GA_ROOT) : nullptr;
    dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.data();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    dialog.lpstrDefExt = request.defaultExt.empty() ? nullptr : request.defaultExt.c_str();
    // Our flags are the caller's; the hook and template flags would need what we do not pass.
    dialog.Flags = (request.flags & ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_ENABLETEMPLATEHANDLE |
                                      OFN_ALLOWMULTISELECT)) |
                   OFN_EXPLORER;

    const BOOL chosen = request.open ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    if (path) *path = chosen ? std::string(file.data()) : std::string();
    return true;
}

}  // namespace fw::ws

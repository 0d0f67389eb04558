// Turns a portable dialog template into the system's in-memory extended dialog template
// (DLGTEMPLATEEX and its items), for DialogBoxIndirectParamA and PSP_DLGINDIRECT pages.
#pragma once

#include <vector>

#include "framework/DialogTemplate.h"

namespace fw::win32 {

class DialogTemplateWriter {
public:
    enum class Kind { Dialog, Page };

    // The words of the template; DWORD-aligned when the vector's data is.
    static std::vector<WORD> Build(const FwDialogTemplate& dialogTemplate, Kind kind);

private:
    static void AppendString(std::vector<WORD>& out, const char* text);
    static void AppendDword(std::vector<WORD>& out, DWORD value);
    static void AlignDword(std::vector<WORD>& out);
};

}  // namespace fw::win32

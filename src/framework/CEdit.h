// Edit control.
#pragma once

#include "framework/CWnd.h"

class CEdit : public CWnd {
public:
    // At most maxChars characters can be typed (0: the system's maximum). Text set by the
    // program is not cut.
    void LimitText(int maxChars = 0);
    void SetLimitText(UINT maxChars) { LimitText(static_cast<int>(maxChars)); }
    UINT GetLimitText() const;
    void SetSel(int start, int end);
    void GetSel(int& start, int& end) const;
    // Replaces the selection as typing would (within the limit).
    void ReplaceSel(const std::string& text);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
};

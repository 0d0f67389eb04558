// Push button, check box, radio button or group box.
#pragma once

#include "framework/CWnd.h"

class CButton : public CWnd {
public:
    int GetCheck() const;  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
    void SetCheck(int check);
    UINT GetButtonStyle() const;  // the BS_ type of the button
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
};

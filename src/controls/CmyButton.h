// Button whose caption comes from the string library.
#pragma once

#include "framework/CButton.h"

class CmyButton : public CButton {
public:
    ~CmyButton() override = default;

    void SetCaption(UINT stringId);
};

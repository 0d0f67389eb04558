#include "controls/CmyButton.h"

#include "launch/CStrRes.h"

void CmyButton::SetCaption(UINT stringId)
{
    SetWindowText(CStrRes().Load(stringId));
}

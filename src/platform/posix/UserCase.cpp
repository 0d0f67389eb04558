// user32 case mapping of narrow text in the ANSI code page.
#include "AnsiCodePage.h"
#include "platform/win32api.h"

extern "C" DWORD CharUpperBuffA(LPSTR text, DWORD length)
{
    if (!text) return 0;
    for (DWORD i = 0; i < length; ++i) text[i] = AnsiCodePage::Upper(text[i]);
    return length;
}

extern "C" DWORD CharLowerBuffA(LPSTR text, DWORD length)
{
    if (!text) return 0;
    for (DWORD i = 0; i < length; ++i) text[i] = AnsiCodePage::Lower(text[i]);
    return length;
}

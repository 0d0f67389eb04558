// Trackbar: a thumb on a range of positions. Moving it by hand sends the parent WM_HSCROLL
// (WM_VSCROLL for TBS_VERT) with TB_THUMBTRACK, TB_THUMBPOSITION and TB_ENDTRACK.
#pragma once

#include "framework/CWnd.h"

class CSliderCtrl : public CWnd {
public:
    // The range is kept as signed 16-bit values, as the system's trackbar keeps it.
    void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
    void GetRange(int& minimum, int& maximum) const;
    void SetRangeMin(int minimum, BOOL redraw = FALSE);
    void SetRangeMax(int maximum, BOOL redraw = FALSE);
    int GetRangeMin() const;
    int GetRangeMax() const;
    void SetPos(int position);  // clamped to the range
    int GetPos() const;
    void SetTicFreq(int frequency);
    int SetPageSize(int size);  // returns the previous size
    int GetPageSize() const;
    int SetLineSize(int size);
    int GetLineSize() const;
};

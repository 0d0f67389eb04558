// The dialog in which the user sets the value of one colour patch: the patch colour as a
// swatch, the printer default as text and two drop-down lists of every allowed step.
//
//   dialog.SetIndex(i); dialog.SetX(x, defaultX); dialog.SetY(y, defaultY);
//   dialog.SetRanges(xFirst, xLast, yFirst, yLast);
//   dialog.DoModal(); dialog.GetResult(x, y);   // unchanged after Cancel
#pragma once

#include <cstdint>

#include "controls/CmyButton.h"
#include "controls/CmyStatic.h"
#include "framework/CComboBox.h"
#include "framework/CDialog.h"

class CColorInputDlg : public CDialog {
public:
    static constexpr UINT templateId = 1000;
    // x is a step on the hue circle: its range may wrap from the last step back to 0.
    static constexpr int hueSteps = 36;

    explicit CColorInputDlg(CWnd* parent = nullptr);
    ~CColorInputDlg() override = default;

    void SetX(int x, int defaultX);
    void SetY(int y, int defaultY);
    void SetRanges(int xFirst, int xLast, int yFirst, int yLast);
    void SetIndex(int index);
    void GetResult(int& x, int& y) const;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnPaint() override;
    void OnDestroy() override;

private:
    void OnOkClicked();
    void OnCancelClicked();
    // The selected step of list, or keep when nothing is selected.
    static int32_t SelectedStep(const CComboBox& list, int32_t keep);

    int32_t m_index = 0;
    int32_t m_x = 0;
    int32_t m_y = 0;
    int32_t m_defaultX = 0;
    int32_t m_defaultY = 0;
    int32_t m_xFirst = 0;
    int32_t m_xLast = 0;
    int32_t m_yFirst = 0;
    int32_t m_yLast = 0;

    CComboBox m_xList;          // 1040
    CComboBox m_yList;          // 1041
    CmyStatic m_defaultXText;   // 1038
    CmyStatic m_defaultYText;   // 1039
    CmyStatic m_swatch;         // 1046
    CmyButton m_ok;             // 1030
    CmyButton m_cancel;         // 1102
    CmyStatic m_picture;        // 1101
    CmyStatic m_pictureFrame;   // 1138
    CmyStatic m_instruction;    // 1078
    CmyStatic m_defaultHeading; // 1036
    CmyStatic m_stepsNote;      // 1037
    CmyStatic m_valueHeading;   // 1033
    CmyStatic m_hueLabel;       // 1031
    CmyStatic m_defaultHueLabel;       // 1034
    CmyStatic m_strengthLabel;         // 1032
    CmyStatic m_defaultStrengthLabel;  // 1035
    CmyStatic m_pictureNote;    // 1153
};

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
#include "resources/resource.h"

class CColorInputDlg : public CDialog {
public:
    static constexpr UINT templateId = IDD_COLOR_INPUT_DIALOG;
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

    CComboBox m_xList;                 // IDC_COLORINPUT_HUE_LIST
    CComboBox m_yList;                 // IDC_COLORINPUT_STRENGTH_LIST
    CmyStatic m_defaultXText;          // IDC_COLORINPUT_DEFAULT_HUE
    CmyStatic m_defaultYText;          // IDC_COLORINPUT_DEFAULT_STRENGTH
    CmyStatic m_swatch;                // IDC_COLORINPUT_SWATCH
    CmyButton m_ok;                    // IDC_COLORINPUT_OK_BUTTON
    CmyButton m_cancel;                // IDC_COLORINPUT_CANCEL_BUTTON
    CmyStatic m_picture;               // IDC_COLORINPUT_PICTURE
    CmyStatic m_pictureFrame;          // IDC_COLORINPUT_PICTURE_FRAME
    CmyStatic m_instruction;           // IDC_COLORINPUT_INSTRUCTION
    CmyStatic m_defaultHeading;        // IDC_COLORINPUT_DEFAULT_HEADING
    CmyStatic m_stepsNote;             // IDC_COLORINPUT_STEPS_NOTE
    CmyStatic m_valueHeading;          // IDC_COLORINPUT_NEW_HEADING
    CmyStatic m_hueLabel;              // IDC_COLORINPUT_HUE_LABEL
    CmyStatic m_defaultHueLabel;       // IDC_COLORINPUT_DEFAULT_HUE_LABEL
    CmyStatic m_strengthLabel;         // IDC_COLORINPUT_STRENGTH_LABEL
    CmyStatic m_defaultStrengthLabel;  // IDC_COLORINPUT_DEFAULT_STRENGTH_LABEL
    CmyStatic m_pictureNote;           // IDC_COLORINPUT_PICTURE_NOTE
};

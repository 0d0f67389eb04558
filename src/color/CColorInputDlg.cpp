#include "color/CColorInputDlg.h"

#include <cstdlib>
#include <string>

#include "color/CColorPalette.h"
#include "framework/DataExchange.h"
#include "framework/WindowSystem.h"
#include "launch/CStrRes.h"
#include "launch/TextFormat.h"

namespace {

// Adds the steps first ... last (64-bit, so that a last step at the top of the int range ends).
void AddSteps(CComboBox& list, int64_t first, int64_t last)
{
    for (int64_t step = first; step <= last; ++step) list.AddString(std::to_string(step));
}

void SelectStep(CComboBox& list, int32_t value)
{
    const int found = list.FindStringExact(-1, std::to_string(value));
    // The search ignores case and the steps are plain digits, so found is the whole-text match.
    list.SetCurSel(found >= 0 ? found : -1);
}

}  // namespace

CColorInputDlg::CColorInputDlg(CWnd* parent) : CDialog(templateId, parent)
{
    MapCommand(IDC_COLORINPUT_OK_BUTTON, &CColorInputDlg::OnOkClicked);
    MapCommand(IDC_COLORINPUT_CANCEL_BUTTON, &CColorInputDlg::OnCancelClicked);
}

void CColorInputDlg::SetX(int x, int defaultX)
{
    m_x = x;
    m_defaultX = defaultX;
}

void CColorInputDlg::SetY(int y, int defaultY)
{
    m_y = y;
    m_defaultY = defaultY;
}

void CColorInputDlg::SetRanges(int xFirst, int xLast, int yFirst, int yLast)
{
    m_xFirst = xFirst;
    m_xLast = xLast;
    m_yFirst = yFirst;
    m_yLast = yLast;
}

void CColorInputDlg::SetIndex(int index) { m_index = index; }

void CColorInputDlg::GetResult(int& x, int& y) const
{
    x = m_x;
    y = m_y;
}

void CColorInputDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_COLORINPUT_HUE_LIST, m_xList);
    DDX_Control(dx, IDC_COLORINPUT_STRENGTH_LIST, m_yList);
    DDX_Control(dx, IDC_COLORINPUT_DEFAULT_HUE, m_defaultXText);
    DDX_Control(dx, IDC_COLORINPUT_DEFAULT_STRENGTH, m_defaultYText);
    DDX_Control(dx, IDC_COLORINPUT_SWATCH, m_swatch);
    DDX_Control(dx, IDC_COLORINPUT_OK_BUTTON, m_ok);
    DDX_Control(dx, IDC_COLORINPUT_CANCEL_BUTTON, m_cancel);
    DDX_Control(dx, IDC_COLORINPUT_PICTURE, m_picture);
    DDX_Control(dx, IDC_COLORINPUT_PICTURE_FRAME, m_pictureFrame);
    DDX_Control(dx, IDC_COLORINPUT_INSTRUCTION, m_instruction);
    DDX_Control(dx, IDC_COLORINPUT_DEFAULT_HEADING, m_defaultHeading);
    DDX_Control(dx, IDC_COLORINPUT_STEPS_NOTE, m_stepsNote);
    DDX_Control(dx, IDC_COLORINPUT_NEW_HEADING, m_valueHeading);
    DDX_Control(dx, IDC_COLORINPUT_HUE_LABEL, m_hueLabel);
    DDX_Control(dx, IDC_COLORINPUT_DEFAULT_HUE_LABEL, m_defaultHueLabel);
    DDX_Control(dx, IDC_COLORINPUT_STRENGTH_LABEL, m_strengthLabel);
    DDX_Control(dx, IDC_COLORINPUT_DEFAULT_STRENGTH_LABEL, m_defaultStrengthLabel);
    DDX_Control(dx, IDC_COLORINPUT_PICTURE_NOTE, m_pictureNote);
}

BOOL CColorInputDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(FormatNumber(CStrRes().Load(IDS_TITLE_COLOR_INPUT), m_index));

    m_ok.SetCaption(IDS_BUTTON_OK);
    m_cancel.SetCaption(IDS_BUTTON_CANCEL);
    m_instruction.SetCaption(IDS_COLORINPUT_INSTRUCTION);
    m_defaultHeading.SetCaption(IDS_COLORINPUT_DEFAULT_HEADING);
    m_stepsNote.SetCaption(IDS_COLORINPUT_STEPS_NOTE);
    m_valueHeading.SetCaption(IDS_COLORINPUT_NEW_HEADING);
    m_hueLabel.SetCaption(IDS_COLORINPUT_HUE_LABEL);
    // The printer default's labels repeat the list labels' words without their access keys.
    m_defaultHueLabel.SetWindowText(WithoutAccessKey(CStrRes().Load(IDS_COLORINPUT_HUE_LABEL)));
    m_strengthLabel.SetCaption(IDS_COLORINPUT_STRENGTH_LABEL);
    m_defaultStrengthLabel.SetWindowText(WithoutAccessKey(CStrRes().Load(IDS_COLORINPUT_STRENGTH_LABEL)));
    m_pictureNote.SetCaption(IDS_COLORINPUT_PICTURE_NOTE);

    m_xList.ResetContent();
    if (m_xLast < m_xFirst) {
        AddSteps(m_xList, m_xFirst, hueSteps - 1);
        AddSteps(m_xList, 0, m_xLast);
    } else {
        AddSteps(m_xList, m_xFirst, m_xLast);
    }
    m_yList.ResetContent();
    AddSteps(m_yList, m_yFirst, m_yLast);
    SelectStep(m_xList, m_x);
    SelectStep(m_yList, m_y);

    m_defaultXText.SetWindowText(std::to_string(m_defaultX));
    m_defaultYText.SetWindowText(std::to_string(m_defaultY));

    RECT frame{};
    m_pictureFrame.GetClientRect(&frame);
    m_picture.SetBitmap(IDB_COLOR_INPUT, frame);
    return TRUE;
}

void CColorInputDlg::OnPaint()
{
    Default();
    m_swatch.FillColor(CColorPalette::GetFillColor(m_index));
}

void CColorInputDlg::OnDestroy()
{
    // The picture's bitmap belongs to the dialog, which is opened once per patch click.
    if (m_picture.GetSafeHwnd()) {
        if (HBITMAP bitmap = m_picture.SetBitmap(static_cast<HBITMAP>(nullptr))) fw::ws::DeleteGdiObject(bitmap);
    }
    CDialog::OnDestroy();
}

int32_t CColorInputDlg::SelectedStep(const CComboBox& list, int32_t keep)
{
    const int selection = list.GetCurSel();
    // A list without a selection offers nothing chosen: the value stays as it was rather than
    // becoming 0, which may lie outside the allowed steps.
    if (selection < 0) return keep;
    const std::string text = list.GetLBText(selection);
    return static_cast<int32_t>(std::strtoul(text.c_str(), nullptr, 0));
}

void CColorInputDlg::OnOkClicked()
{
    m_x = SelectedStep(m_xList, m_x);
    m_y = SelectedStep(m_yList, m_y);
    CDialog::OnOK();
}

void CColorInputDlg::OnCancelClicked() { CDialog::OnCancel(); }

#include "pages/CSelectEditPage.h"

#include "framework/DataExchange.h"
#include "launch/IWizardSheet.h"
#include "resources/resource.h"

namespace {

struct Task {
    int buttonId;
    int editType;
    UINT description;
};

constexpr Task kTasks[] = {
    {IDC_SELECTEDIT_COLOR_RADIO, 1, IDS_SELECTEDIT_COLOR_DESCRIPTION},
    {IDC_SELECTEDIT_GAMMA_RADIO, 2, IDS_SELECTEDIT_GAMMA_DESCRIPTION},
    {IDC_SELECTEDIT_EXCHANGE_RADIO, 3, IDS_SELECTEDIT_EXCHANGE_DESCRIPTION},
};

}  // namespace

CSelectEditPage::CSelectEditPage(CUtilityInfo* info) : CPageFunction(IDD_SELECT_EDIT_PAGE, info)
{
    MapCommandRange(IDC_SELECTEDIT_COLOR_RADIO, IDC_SELECTEDIT_EXCHANGE_RADIO, &CSelectEditPage::OnTaskClicked);
}

void CSelectEditPage::DoDataExchange(CDataExchange* dx)
{
    CPageFunction::DoDataExchange(dx);
    DDX_Control(dx, IDC_SELECTEDIT_COLOR_RADIO, m_colourRadio);
    DDX_Control(dx, IDC_SELECTEDIT_GAMMA_RADIO, m_gammaRadio);
    DDX_Control(dx, IDC_SELECTEDIT_EXCHANGE_RADIO, m_exchangeRadio);
    DDX_Control(dx, IDC_SELECTEDIT_ADJUST_GROUP, m_editGroup);
    DDX_Control(dx, IDC_SELECTEDIT_MANAGE_GROUP, m_exchangeGroup);
    DDX_Control(dx, IDC_SELECTEDIT_HEADING, m_heading);
    DDX_Control(dx, IDC_SELECTEDIT_DESCRIPTION, m_description);
    DDX_Control(dx, IDC_SELECTEDIT_PICTURE, m_mainPicture);
    DDX_Control(dx, IDC_SELECTEDIT_COLOR_PICTURE, m_colourPicture);
    DDX_Control(dx, IDC_SELECTEDIT_GAMMA_PICTURE, m_gammaPicture);
    DDX_Control(dx, IDC_SELECTEDIT_EXCHANGE_PICTURE, m_exchangePicture);
    DDX_Control(dx, IDC_SELECTEDIT_PICTURE_FRAME, m_mainFrame);
    DDX_Control(dx, IDC_SELECTEDIT_COLOR_FRAME, m_colourFrame);
    DDX_Control(dx, IDC_SELECTEDIT_GAMMA_FRAME, m_gammaFrame);
    DDX_Control(dx, IDC_SELECTEDIT_EXCHANGE_FRAME, m_exchangeFrame);
}

void CSelectEditPage::ShowPicture(CmyStatic& picture, UINT bitmapId, const CmyStatic& frame)
{
    RECT client{};
    frame.GetClientRect(&client);
    picture.SetBitmap(bitmapId, client);
}

BOOL CSelectEditPage::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) sheet->SetWizardButtons(PSWIZB_NEXT);
    SetSheetTitle(*this, IDS_TITLE_SELECT_EDIT, m_strRes);

    m_editGroup.SetCaption(IDS_SELECTEDIT_ADJUST_GROUP);
    m_exchangeGroup.SetCaption(IDS_SELECTEDIT_MANAGE_GROUP);
    m_heading.SetCaption(IDS_SELECTEDIT_INTRO);
    m_exchangeRadio.SetCaption(IDS_SELECTEDIT_EXCHANGE_OPTION);
    m_gammaRadio.SetCaption(IDS_SELECTEDIT_GAMMA_OPTION);
    m_colourRadio.SetCaption(IDS_SELECTEDIT_COLOR_OPTION);
    ShowPicture(m_mainPicture, IDB_SIDE_PICTURE, m_mainFrame);
    ShowPicture(m_colourPicture, IDB_TASK_COLOR, m_colourFrame);
    ShowPicture(m_gammaPicture, IDB_TASK_GAMMA, m_gammaFrame);
    ShowPicture(m_exchangePicture, IDB_TASK_EXCHANGE, m_exchangeFrame);

    // Only the first visit forces a choice; later visits show the previous one.
    if (m_colourRadio.GetCheck() != BST_CHECKED && m_gammaRadio.GetCheck() != BST_CHECKED &&
        m_exchangeRadio.GetCheck() != BST_CHECKED) {
        m_colourRadio.SetCheck(BST_CHECKED);
        m_info->editType = kTasks[0].editType;
        m_description.SetCaption(kTasks[0].description);
    }
    return CPageFunction::OnSetActive();
}

void CSelectEditPage::OnTaskClicked(UINT id)
{
    for (const Task& task : kTasks) {
        if (task.buttonId != static_cast<int>(id)) continue;
        if (IsDlgButtonChecked(task.buttonId) != BST_CHECKED) {
            for (const Task& other : kTasks) {
                if (other.buttonId != task.buttonId && IsDlgButtonChecked(other.buttonId) == BST_CHECKED)
                    CheckDlgButton(other.buttonId, BST_UNCHECKED);
            }
            CheckDlgButton(task.buttonId, BST_CHECKED);
        }
        m_description.SetCaption(task.description);
        m_info->editType = task.editType;
        return;
    }
}

LRESULT CSelectEditPage::OnWizardNext()
{
    const int editType = m_info->editType;
    if (editType >= 1 && editType <= 3) {
        if (IWizardSheet* wizard = FindWizardSheet(*this)) wizard->SetPageSequence(editType);
    }
    return CPageFunction::OnWizardNext();
}

#include "pages/CSelectEditPage.h"

#include "framework/DataExchange.h"
#include "launch/IWizardSheet.h"

namespace {

constexpr UINT kTemplate = 108;
constexpr UINT strTitle = 14;

constexpr int idColour = 1012;
constexpr int idGamma = 1013;
constexpr int idExchange = 1014;
constexpr int idEditGroup = 1009;
constexpr int idExchangeGroup = 1015;
constexpr int idHeading = 1007;
constexpr int idDescription = 1001;

struct Task {
    int buttonId;
    int editType;
    UINT description;
};

constexpr Task kTasks[] = {
    {idColour, 1, 153},
    {idGamma, 2, 154},
    {idExchange, 3, 155},
};

}  // namespace

CSelectEditPage::CSelectEditPage(CUtilityInfo* info) : CPageFunction(kTemplate, info)
{
    MapCommandRange(idColour, idExchange, &CSelectEditPage::OnTaskClicked);
}

void CSelectEditPage::DoDataExchange(CDataExchange* dx)
{
    CPageFunction::DoDataExchange(dx);
    DDX_Control(dx, idColour, m_colourRadio);
    DDX_Control(dx, idGamma, m_gammaRadio);
    DDX_Control(dx, idExchange, m_exchangeRadio);
    DDX_Control(dx, idEditGroup, m_editGroup);
    DDX_Control(dx, idExchangeGroup, m_exchangeGroup);
    DDX_Control(dx, idHeading, m_heading);
    DDX_Control(dx, idDescription, m_description);
    DDX_Control(dx, 1011, m_mainPicture);
    DDX_Control(dx, 1005, m_colourPicture);
    DDX_Control(dx, 1076, m_gammaPicture);
    DDX_Control(dx, 1077, m_exchangePicture);
    DDX_Control(dx, 1129, m_mainFrame);
    DDX_Control(dx, 1130, m_colourFrame);
    DDX_Control(dx, 1131, m_gammaFrame);
    DDX_Control(dx, 1132, m_exchangeFrame);
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
    SetSheetTitle(*this, strTitle, m_strRes);

    m_editGroup.SetCaption(104);
    m_exchangeGroup.SetCaption(105);
    m_heading.SetCaption(103);
    m_exchangeRadio.SetCaption(203);
    m_gammaRadio.SetCaption(202);
    m_colourRadio.SetCaption(201);
    ShowPicture(m_mainPicture, 1500, m_mainFrame);
    ShowPicture(m_colourPicture, 1502, m_colourFrame);
    ShowPicture(m_gammaPicture, 1523, m_gammaFrame);
    ShowPicture(m_exchangePicture, 1503, m_exchangeFrame);

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

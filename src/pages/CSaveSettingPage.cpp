#include "pages/CSaveSettingPage.h"

#include "color/CColorDataMng.h"
#include "framework/CPropertySheet.h"
#include "framework/DataExchange.h"
#include "gamma/CGammaDataMng.h"
#include "launch/CDlgRes.h"
#include "launch/CmyException.h"
#include "launch/CmyMessageBox.h"
#include "launch/IWizardSheet.h"
#include "resources/resource.h"
#include "storage/CCatalogKey.h"
#include "storage/CCtrlMng.h"
#include "storage/CIniUtility.h"

namespace {

constexpr UINT kExclamationOk = 0x30;
constexpr UINT kInformationOk = 0x40;

constexpr int kEditColour = 1;
constexpr int kEditGamma = 2;
constexpr int kColourSettings = 1;
constexpr int kGammaSettings = 2;

// The page lends its profile builder to a manager for one save only.
class BuilderLoan {
public:
    BuilderLoan(CDataMngBase& manager, IProfileBuilder& builder) : m_manager(manager)
    {
        m_manager.SetProfileBuilder(&builder);
    }
    ~BuilderLoan() { m_manager.SetProfileBuilder(nullptr); }
    BuilderLoan(const BuilderLoan&) = delete;
    BuilderLoan& operator=(const BuilderLoan&) = delete;

private:
    CDataMngBase& m_manager;
};

std::string Trim(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

CSaveSettingPage::CSaveSettingPage(CUtilityInfo* info)
    : CPageFunction(IDD_SAVE_SETTING_PAGE, info), m_checkDlg(this), m_nameDlg(this)
{
    MapCommand(IDC_SAVE_BUTTON, &CSaveSettingPage::Save);
}

void CSaveSettingPage::DoDataExchange(CDataExchange* dx)
{
    CPageFunction::DoDataExchange(dx);
    DDX_Control(dx, IDC_SAVE_PICTURE, m_picture);
    DDX_Control(dx, IDC_SAVE_PICTURE_FRAME, m_pictureFrame);
    DDX_Control(dx, IDC_SAVE_INSTRUCTION, m_instruction);
    DDX_Control(dx, IDC_SAVE_GROUP, m_group);
    DDX_Control(dx, IDC_SAVE_NAME_LABEL, m_nameLabel);
    DDX_Control(dx, IDC_SAVE_NAME_EDIT, m_nameEdit);
    DDX_Control(dx, IDC_SAVE_BUTTON, m_saveButton);
    DDX_Control(dx, IDC_SAVE_CLOSING_NOTE, m_closingNote);
}

BOOL CSaveSettingPage::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) {
        sheet->SetWizardButtons(m_info->dataSaved ? (PSWIZB_BACK | PSWIZB_FINISH) : (PSWIZB_BACK | PSWIZB_DISABLEDFINISH));
    }
    SetSheetTitle(*this, IDS_TITLE_SAVE_SETTING, m_strRes);
    SetTexts();
    if (m_info->userSettingSelected != 0) m_nameEdit.SetWindowText(m_info->selectedSettingName);
    return CPageFunction::OnSetActive();
}

void CSaveSettingPage::SetTexts()
{
    RECT frame{};
    m_pictureFrame.GetClientRect(&frame);
    m_picture.SetBitmap(IDB_SIDE_PICTURE, frame);
    m_instruction.SetCaption(m_info->editType == kEditGamma ? IDS_SAVE_INSTRUCTION_GAMMA : IDS_SAVE_INSTRUCTION_COLOR);
    m_group.SetCaption(IDS_SAVE_GROUP);
    m_nameLabel.SetCaption(IDS_SAVE_NAME_LABEL);
    m_saveButton.SetCaption(IDS_BUTTON_SAVE);
    m_closingNote.SetCaption(IDS_SAVE_CLOSING_NOTE);
    m_nameEdit.LimitText(maxNameLength);
}

int CSaveSettingPage::ClassifyName(const std::string& name, std::string* storedName) const
{
    if (!CCatalogKey::IsUsableName(name)) return nameReserved;
    CCtrlMng colour;
    colour.SetFile(m_info->driverCatalogPath, kColourSettings);
    CCtrlMng gamma;
    gamma.SetFile(m_info->driverCatalogPath, kGammaSettings);
    const CmyStringArray defaults = CIniUtility().GetDefaultSettingKeys(m_info->ccmVersion);

    // The catalogue ignores case in its keys, so a stored name matches in any case.
    std::string stored = CCatalogKey::FindStored(colour.GetSettingNames(), name);
    int kind = nameColorSetting;
    if (stored.empty()) {
        stored = CCatalogKey::FindStored(gamma.GetSettingNames(), name);
        kind = nameGammaSetting;
    }
    if (!stored.empty()) {
        if (storedName) *storedName = stored;
        return kind;
    }
    if (!CCatalogKey::FindStored(defaults, name).empty()) return nameDefaultSetting;
    if (CCatalogKey::SameName(name, Trim(m_strRes.Load(IDS_DEFAULT_ENTRY)))) return nameDefaultEntry;
    return nameFree;
}

void CSaveSettingPage::ShowWarning(UINT textId, const std::string& argument)
{
    CmyMessageBox().Show(GetSafeHwnd(), textId, kExclamationOk, IDS_CAPTION_WARNING, argument);
}

INT_PTR CSaveSettingPage::RunFromLibrary(CDialog& dialog, UINT templateId)
{
    // The holder keeps the dialog library, and so the template, loaded while the dialog runs.
    CDlgRes library;
    HGLOBAL dialogTemplate = library.LoadDialogTemplate(templateId);
    if (!dialogTemplate || !dialog.InitModalIndirect(dialogTemplate, this)) return -1;
    return dialog.DoModal();
}

std::string CSaveSettingPage::AskName()
{
    for (;;) {
        const INT_PTR result = RunFromLibrary(m_nameDlg, CSaveNameDlg::templateId);
        if (result == CSaveNameDlg::resultCancel) return std::string();
        // A dialog that could not be made would fail again on every try.
        if (result == -1) return std::string();
        if (result != CSaveNameDlg::resultName) continue;

        const std::string name = m_nameDlg.GetName();
        if (name.empty()) {
            ShowWarning(IDS_ERR_NAME_EMPTY);
            continue;
        }
        if (name.front() == ' ') {
            ShowWarning(IDS_ERR_NAME_LEADING_SPACE);
            continue;
        }
        switch (ClassifyName(name)) {
        case nameDefaultSetting:
        case nameDefaultEntry:
        case nameReserved:
            ShowWarning(IDS_ERR_NAME_OF_DEFAULT_SETTING, name);
            continue;
        case nameGammaSetting:
        case nameColorSetting:
            ShowWarning(IDS_ERR_NAME_IN_USE);
            continue;
        default:
            return name;
        }
    }
}

std::string CSaveSettingPage::CheckName(const std::string& typed)
{
    if (typed.empty()) return AskName();

    std::string stored;
    const int kind = ClassifyName(typed, &stored);
    const int editType = m_info->editType;
    if (editType == kEditColour && kind == nameGammaSetting) {
        ShowWarning(IDS_ERR_NAME_OF_GAMMA_SETTING, typed);
        return std::string();
    }
    if (editType == kEditGamma && kind == nameColorSetting) {
        ShowWarning(IDS_ERR_NAME_OF_COLOR_SETTING, typed);
        return std::string();
    }
    if (kind == nameDefaultSetting || kind == nameDefaultEntry || kind == nameReserved) {
        ShowWarning(IDS_ERR_NAME_OF_DEFAULT_SETTING, typed);
        return std::string();
    }
    if (kind == nameFree && !CCatalogKey::SameName(typed, m_info->selectedSettingName)) return typed;

    // Overwriting keeps the stored spelling, so the setting stays one catalogue entry.
    const std::string target = stored.empty() ? typed : stored;
    m_checkDlg.SetName(target);
    switch (RunFromLibrary(m_checkDlg, CSaveCheckDlg::templateId)) {
    case CSaveCheckDlg::resultOverwrite:
        return target;
    case CSaveCheckDlg::resultOtherName:
        return AskName();
    default:
        return std::string();
    }
}

int CSaveSettingPage::StoreSetting(const std::string& name, const std::string& previousName)
{
    IWizardSheet* wizard = FindWizardSheet(*this);
    if (!wizard) return 0;
    const int userSetting = m_info->userSettingSelected;
    if (m_info->editType == kEditGamma) {
        CGammaDataMng& manager = wizard->GetGammaDataMng();
        BuilderLoan loan(manager, m_profileBuilder);
        const int result = manager.SaveSetting(name, userSetting, previousName);
        if (result != 0) manager.CommitCurrent();
        return result;
    }
    CColorDataMng& manager = wizard->GetColorDataMng();
    BuilderLoan loan(manager, m_profileBuilder);
    const int result = manager.SaveCCM(name, userSetting, previousName);
    // A failed save leaves the values unsaved, so leaving the editing page still sees changes.
    if (result != 0) manager.AcceptCurrent();
    return result;
}

void CSaveSettingPage::Save()
{
    try {
        const std::string typed = Trim(m_nameEdit.GetWindowText());
        const std::string previousName = m_info->selectedSettingName;
        const std::string name = CheckName(typed);
        if (name.empty()) return;

        const int result = StoreSetting(name, previousName);
        m_nameEdit.SetWindowText(name);
        if (result == 0) throw CmyException(IDS_ERR_SETTING_NOT_STORED, m_info->driverCatalogPath, CmyException::error);

        // Only a save that reached the catalogue counts: after a failure the changes are still
        // unsaved, so Finish stays as it was and Cancel keeps warning about them.
        m_info->dataSaved = 1;
        if (CPropertySheet* sheet = GetParentSheet()) sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
        CmyMessageBox().Show(GetSafeHwnd(), IDS_MSG_SETTING_SAVED, kInformationOk, IDS_CAPTION_DONE, name);
    } catch (const CmyException& e) {
        e.Report();
    }
}

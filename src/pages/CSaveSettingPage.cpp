#include "pages/CSaveSettingPage.h"

#include "launch/CDlgRes.h"

#include "color/CColorDataMng.h"
#include "framework/CPropertySheet.h"
#include "framework/DataExchange.h"
#include "gamma/CGammaDataMng.h"
#include "launch/CDlgRes.h"
#include "launch/CmyException.h"
#include "launch/CmyMessageBox.h"
#include "launch/IWizardSheet.h"
#include "storage/CCtrlMng.h"
#include "storage/CIniUtility.h"

namespace {

constexpr UINT kTemplate = 1002;
constexpr UINT strTitle = 18;
constexpr UINT strColourInstruction = 121;
constexpr UINT strGammaInstruction = 122;
constexpr UINT strNameLabel = 123;
constexpr UINT strGroup = 150;
constexpr UINT strClosingNote = 163;
constexpr UINT strSaveButton = 210;
constexpr UINT strDefaultEntry = 518;
constexpr UINT kPictureBitmap = 1500;

constexpr UINT msgNoName = 513;
constexpr UINT msgNameInUse = 523;
constexpr UINT msgSaveFailed = 546;
constexpr UINT msgSaved = 548;
constexpr UINT msgLeadingSpace = 550;
constexpr UINT msgColourName = 558;
constexpr UINT msgGammaName = 559;
constexpr UINT msgDefaultName = 560;
constexpr int captionWarning = 539;
constexpr int captionSaved = 547;
constexpr UINT kExclamationOk = 0x30;
constexpr UINT kInformationOk = 0x40;

constexpr int idInstruction = 1042;
constexpr int idGroup = 1043;
constexpr int idNameLabel = 1044;
constexpr int idSave = 1045;
constexpr int idPicture = 1049;
constexpr int idNameEdit = 1107;
constexpr int idClosingNote = 1108;
constexpr int idFrame = 1137;

constexpr int kEditColour = 1;
constexpr int kEditGamma = 2;
constexpr int kColourSettings = 1;
constexpr int kGammaSettings = 2;

std::string Trim(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool Contains(const CmyStringArray& names, const std::string& name)
{
    for (const std::string& entry : names)
        if (entry == name) return true;
    return false;
}

}  // namespace

CSaveSettingPage::CSaveSettingPage(CUtilityInfo* info)
    : CPageFunction(kTemplate, info), m_checkDlg(this), m_nameDlg(this)
{
    MapCommand(idSave, &CSaveSettingPage::Save);
}

void CSaveSettingPage::DoDataExchange(CDataExchange* dx)
{
    CPageFunction::DoDataExchange(dx);
    DDX_Control(dx, idPicture, m_picture);
    DDX_Control(dx, idFrame, m_pictureFrame);
    DDX_Control(dx, idInstruction, m_instruction);
    DDX_Control(dx, idGroup, m_group);
    DDX_Control(dx, idNameLabel, m_nameLabel);
    DDX_Control(dx, idNameEdit, m_nameEdit);
    DDX_Control(dx, idSave, m_saveButton);
    DDX_Control(dx, idClosingNote, m_closingNote);
}

BOOL CSaveSettingPage::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) {
        sheet->SetWizardButtons(m_info->dataSaved ? (PSWIZB_BACK | PSWIZB_FINISH) : (PSWIZB_BACK | PSWIZB_DISABLEDFINISH));
    }
    SetSheetTitle(*this, strTitle, m_strRes);
    SetTexts();
    if (m_info->userSettingSelected != 0) m_nameEdit.SetWindowText(m_info->selectedSettingName);
    return CPageFunction::OnSetActive();
}

void CSaveSettingPage::SetTexts()
{
    RECT frame{};
    m_pictureFrame.GetClientRect(&frame);
    m_picture.SetBitmap(kPictureBitmap, frame);
    m_instruction.SetCaption(m_info->editType == kEditGamma ? strGammaInstruction : strColourInstruction);
    m_group.SetCaption(strGroup);
    m_nameLabel.SetCaption(strNameLabel);
    m_saveButton.SetCaption(strSaveButton);
    m_closingNote.SetCaption(strClosingNote);
    m_nameEdit.LimitText(maxNameLength);
}

int CSaveSettingPage::ClassifyName(const std::string& name) const
{
    CCtrlMng colour;
    colour.SetFile(m_info->driverCatalogPath, kColourSettings);
    CCtrlMng gamma;
    gamma.SetFile(m_info->driverCatalogPath, kGammaSettings);
    const CmyStringArray defaults = CIniUtility().GetDefaultSettingKeys(m_info->ccmVersion);

    if (Contains(colour.GetSettingNames(), name)) return nameColorSetting;
    if (Contains(gamma.GetSettingNames(), name)) return nameGammaSetting;
    if (Contains(defaults, name)) return nameDefaultSetting;
    if (name == Trim(m_strRes.Load(strDefaultEntry))) return nameDefaultEntry;
    return nameFree;
}

void CSaveSettingPage::ShowWarning(UINT textId, const std::string& argument)
{
    CmyMessageBox().Show(GetSafeHwnd(), textId, kExclamationOk, captionWarning, argument);
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
            ShowWarning(msgNoName);
            continue;
        }
        if (name.front() == ' ') {
            ShowWarning(msgLeadingSpace);
            continue;
        }
        switch (ClassifyName(name)) {
        case nameDefaultSetting:
        case nameDefaultEntry:
            ShowWarning(msgDefaultName, name);
            continue;
        case nameGammaSetting:
        case nameColorSetting:
            ShowWarning(msgNameInUse);
            continue;
        default:
            return name;
        }
    }
}

std::string CSaveSettingPage::CheckName(const std::string& typed)
{
    if (typed.empty()) return AskName();

    const int kind = ClassifyName(typed);
    const int editType = m_info->editType;
    if (editType == kEditColour && kind == nameGammaSetting) {
        ShowWarning(msgGammaName, typed);
        return std::string();
    }
    if (editType == kEditGamma && kind == nameColorSetting) {
        ShowWarning(msgColourName, typed);
        return std::string();
    }
    if (kind == nameDefaultSetting || kind == nameDefaultEntry) {
        ShowWarning(msgDefaultName, typed);
        return std::string();
    }
    if (kind == nameFree && typed != m_info->selectedSettingName) return typed;

    m_checkDlg.SetName(typed);
    switch (RunFromLibrary(m_checkDlg, CSaveCheckDlg::templateId)) {
    case CSaveCheckDlg::resultOverwrite:
        return typed;
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
        manager.SaveData(name);
        const int result = manager.SaveSetting(name, userSetting, previousName);
        if (result != 0) manager.CommitCurrent();
        return result;
    }
    CColorDataMng& manager = wizard->GetColorDataMng();
    manager.SaveColorData(name);
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
        if (result == 0) throw CmyException(msgSaveFailed, m_info->driverCatalogPath, CmyException::error);

        // Only a save that reached the catalogue counts: after a failure the changes are still
        // unsaved, so Finish stays as it was and Cancel keeps warning about them.
        m_info->dataSaved = 1;
        if (CPropertySheet* sheet = GetParentSheet()) sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
        CmyMessageBox().Show(GetSafeHwnd(), msgSaved, kInformationOk, captionSaved, name);
    } catch (const CmyException& e) {
        e.Report();
    }
}

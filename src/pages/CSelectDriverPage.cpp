#include "pages/CSelectDriverPage.h"

#include "framework/DataExchange.h"
#include "launch/IWizardSheet.h"
#include "resources/resource.h"
#include "launch/CmyException.h"
#include "storage/CFileAcc.h"
#include "storage/CFileTransaction.h"
#include "storage/CTransactionJournal.h"
#include "storage/CIniUtility.h"

namespace {

constexpr const char* kUtilityFolder = "\\Tintora\\";

struct EditTexts {
    int editType;
    UINT instruction;
    UINT note;
};

constexpr EditTexts kTexts[] = {
    {1, IDS_DRIVER_INSTRUCTION_COLOR, IDS_DRIVER_NOTE_COLOR},
    {2, IDS_DRIVER_INSTRUCTION_GAMMA, IDS_DRIVER_NOTE_GAMMA},
    {3, IDS_DRIVER_INSTRUCTION_EXCHANGE, IDS_DRIVER_NOTE_EXCHANGE},
};

}  // namespace

CSelectDriverPage::CSelectDriverPage(CUtilityInfo* info) : CPageFunction(IDD_SELECT_DRIVER_PAGE, info)
{
    BuildPrinterList();
}

void CSelectDriverPage::BuildPrinterList()
{
    m_supportedPrinters.RemoveAll();
    CmyStringArray installed;
    m_print.GetPrinterList(installed);
    for (const std::string& name : installed) {
        if (m_print.IsSupported(name) == 1) m_supportedPrinters.Add(name);
    }
}

void CSelectDriverPage::DoDataExchange(CDataExchange* dx)
{
    CPageFunction::DoDataExchange(dx);
    DDX_Control(dx, IDC_DRIVER_INSTRUCTION, m_instruction);
    DDX_Control(dx, IDC_DRIVER_NOTE, m_note);
    DDX_Control(dx, IDC_DRIVER_LIST, m_printerList);
    DDX_Control(dx, IDC_DRIVER_PICTURE, m_picture);
    DDX_Control(dx, IDC_DRIVER_PICTURE_FRAME, m_pictureFrame);
}

BOOL CSelectDriverPage::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    SetSheetTitle(*this, IDS_TITLE_SELECT_DRIVER, m_strRes);

    RECT frame{};
    m_pictureFrame.GetClientRect(&frame);
    m_picture.SetBitmap(IDB_SIDE_PICTURE, frame);

    for (const EditTexts& texts : kTexts) {
        if (texts.editType != m_info->editType) continue;
        m_instruction.SetCaption(texts.instruction, "");
        m_note.SetCaption(texts.note, "");
    }

    m_printerList.ResetContent();
    for (const std::string& name : m_supportedPrinters) m_printerList.AddString(name);
    int selected = 0;
    if (!m_info->printerName.empty()) {
        int found = m_printerList.FindStringExact(-1, m_info->printerName);
        if (found != LB_ERR) selected = found;
    }
    if (m_printerList.GetCount() > 0) m_printerList.SetCurSel(selected);

    return CPageFunction::OnSetActive();
}

LRESULT CSelectDriverPage::OnWizardNext()
{
    std::string chosen;
    int selected = m_printerList.GetCurSel();
    if (selected != LB_ERR) chosen = m_printerList.GetText(selected);

    // Case-sensitive on purpose: the list's own spelling of the name is applied.
    if (chosen != m_info->printerName) {
        m_info->printerName = chosen;
        ApplyPrinter();
        m_info->reloadNeeded = 1;
    } else {
        m_info->reloadNeeded = (m_info->editType == 1 || m_info->editType == 2) ? 1 : 0;
    }
    return CPageFunction::OnWizardNext();
}

void CSelectDriverPage::ApplyPrinter()
{
    const std::string& printer = m_info->printerName;
    m_info->driverName = m_print.GetDriverName(printer);
    m_info->driverCatalogPath = m_print.GetCCMInfoFile(printer);
    m_info->ccmVersion = m_print.GetCCMVersion(printer);
    m_info->printMode = CIniUtility().GetVersionValue(m_info->ccmVersion, "PrintMode");

    SynchroniseLocalCatalog();

    m_info->driverFolders.RemoveAll();
    CPrint().GetDriverFolders(m_info->driverFolders);
}

void CSelectDriverPage::SynchroniseLocalCatalog()
{
    // A save, import or deletion that an earlier process left half done is finished or taken
    // back before any catalogue is read.
    CTransactionJournal::Recover();
    m_info->catalogRestored = 0;
    // Without a catalogue there is nothing to keep in step: no folder, no copy.
    if (m_info->driverCatalogPath.empty() || m_info->driverName.empty()) {
        m_info->localCatalogPath.clear();
        return;
    }

    CFileAcc files(m_info->driverCatalogPath);
    std::string dataFolder = files.GetExeFolder() + kUtilityFolder + m_info->driverName;
    if (!files.FileExists(dataFolder)) files.CreateFolder(m_info->driverName, "");

    std::string localCopy = files.GetDataPath(m_info->driverCatalogPath, m_info->driverName);
    // A driver catalogue without the update mark was replaced by a fresh one: bring the
    // user's settings back from the local copy. Only a copy that worked counts as restored.
    // A failed restore is said; the data managers then refuse to write until it is done, so
    // the local copy is never replaced by the fresh catalogue.
    if (files.CheckUpdateMark(localCopy) == 0) {
        try {
            CFileTransaction restore(m_info->driverCatalogPath);
            restore.StageCopyOf(m_info->driverCatalogPath, localCopy);
            restore.Commit();
            m_info->catalogRestored = 1;
        } catch (const CmyException&) {
            CmyException(IDS_ERR_CATALOG_NOT_RESTORED, m_info->driverCatalogPath).Report();
        }
    }
    m_info->localCatalogPath = localCopy;
}

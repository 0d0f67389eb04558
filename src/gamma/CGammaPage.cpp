#include "gamma/CGammaPage.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "color/CCoreModule.h"
#include "framework/CPaintDC.h"
#include "framework/CPropertySheet.h"
#include "framework/DataExchange.h"
#include "launch/CmyException.h"
#include "launch/CmyMessageBox.h"
#include "launch/IWizardSheet.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/CIniUtility.h"
#include "testprint/CEmfInternal9x.h"
#include "testprint/CEmfInternalNT.h"
#include "testprint/CEmfPrintDialog.h"
#include "testprint/CPrintMsgDlg.h"
#include "testprint/XPSTestJobPrintingDlg.h"

namespace {

constexpr UINT templateId = 1004;
constexpr UINT titleId = 8;

constexpr int idGammaSlider = 1052;
constexpr int idGammaValue = 1051;
constexpr int idHueSlider = 1066;
constexpr int idHueValue = 1064;
constexpr int idHueCaption = 1070;
constexpr int idLevelSlider = 1067;
constexpr int idLevelValue = 1065;
constexpr int idHueFromPrinter = 1068;
constexpr int idFirstRadio = 1058;
constexpr int idFirstSwatch = 1143;
constexpr int idFirstZoneCaption = 1123;
constexpr int idZonePicture1 = 1071;
constexpr int idZonePicture2 = 1072;
constexpr int idGammaPicture = 1103;
constexpr int idScalePicture = 1054;
constexpr int idGammaFrame = 1139;
constexpr int idScaleFrame = 1140;
constexpr int idZoneFrame1 = 1141;
constexpr int idZoneFrame2 = 1142;
constexpr int idTestPrint = 1074;
constexpr int idReset = 1075;

constexpr UINT bitmapScale = 1504;
constexpr UINT strHueCaption = 132;
constexpr UINT strHueFromPrinter = 213;
constexpr UINT strFirstZone = 214;
constexpr UINT strTestPrint = 207;
constexpr UINT strReset = 204;
constexpr UINT strDefaultEntry = 518;

struct Caption {
    int id;
    UINT text;
};
constexpr Caption kCaptions[] = {{1073, 115}, {1050, 128}, {1053, 129}, {1056, 137}, {1069, 133}, {1057, 134}};

struct Zone {
    COLORREF colour;
    UINT picture1;
    UINT picture2;
};
// Red, yellow, green, cyan, blue, magenta.
constexpr Zone kZones[CGammaPage::zoneCount] = {
    {RGB(255, 0, 0), 1509, 1515},   {RGB(255, 225, 0), 1510, 1516}, {RGB(0, 255, 0), 1507, 1513},
    {RGB(0, 142, 182), 1506, 1512}, {RGB(0, 0, 255), 1505, 1511},   {RGB(182, 25, 109), 1508, 1514},
};

constexpr int hueMin = -50;
constexpr int hueMax = 50;
constexpr int levelMin = 0;
constexpr int levelMax = 50;
constexpr int zoneTicks = 5;

constexpr UINT msgNoTestFile = 524;
constexpr UINT msgCatalogFull = 525;
constexpr UINT msgUndoQuestion = 542;
constexpr UINT styleYesNoWarning = MB_YESNO | MB_ICONEXCLAMATION;
constexpr int captionWarning = 539;

constexpr const char* kUtilityFolder = "\\Tintora\\";
constexpr const char* kTestName = "testprint";

std::string Format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string Format(int value) { return std::to_string(value); }

std::string Trimmed(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

CGammaPage::CGammaPage(CUtilityInfo* info) : CPageFunction(templateId, info)
{
    MapCommandRange(idFirstRadio, idFirstRadio + zoneCount - 1, &CGammaPage::OnZoneClicked);
    MapCommandRange(idFirstSwatch, idFirstSwatch + zoneCount - 1, &CGammaPage::OnSwatchClicked);
    MapCommand(idHueFromPrinter, &CGammaPage::OnHueFromPrinter);
    MapCommand(idTestPrint, &CGammaPage::OnTestPrint);
    MapCommand(idReset, &CGammaPage::OnResetClicked);
}

// ---- The slider mapping and pictures ----

double CGammaPage::GammaOfPosition(int position)
{
    // Exactly the decimal value position × 0.1 + 1.4 names, as a stored 1.6 also is.
    return (position + 14) / 10.0;
}

int CGammaPage::PositionOfGamma(double gamma)
{
    const double tenths = gamma * 10.0;
    if (!std::isfinite(tenths) || tenths > 1000.0 || tenths < -1000.0) return -1;
    return static_cast<int>(std::lround(tenths)) - 14;
}

UINT CGammaPage::GammaPicture(double gamma)
{
    const double hundredths = gamma * 100.0;
    if (!std::isfinite(hundredths) || hundredths < 160.0) return 1517;
    const long g = std::lround(hundredths);
    if (g < 160) return 1517;
    if (g <= 170) return 1518;
    if (g <= 190) return 1519;
    if (g <= 210) return 1520;
    if (g <= 230) return 1521;
    return 1522;
}

std::string CGammaPage::FreeTestName(const CmyStringArray& taken)
{
    auto isTaken = [&taken](const std::string& name) {
        for (const std::string& entry : taken) {
            if (entry == name) return true;
        }
        return false;
    };
    std::string name = kTestName;
    for (int number = 1; isTaken(name); ++number) name = kTestName + std::to_string(number);
    return name;
}

// ---- Controls ----

void CGammaPage::DoDataExchange(CDataExchange* dx)
{
    CPageFunction::DoDataExchange(dx);
    DDX_Control(dx, idGammaSlider, m_gammaSlider);
    DDX_Control(dx, idGammaValue, m_gammaValue);
    DDX_Control(dx, idHueSlider, m_hueSlider);
    DDX_Control(dx, idHueValue, m_hueValue);
    DDX_Control(dx, idHueCaption, m_hueCaption);
    DDX_Control(dx, idLevelSlider, m_levelSlider);
    DDX_Control(dx, idLevelValue, m_levelValue);
    DDX_Control(dx, idHueFromPrinter, m_hueFromPrinter);
    for (int zone = 0; zone < zoneCount; ++zone) {
        DDX_Control(dx, idFirstRadio + zone, m_zoneRadio[zone]);
        DDX_Control(dx, idFirstSwatch + zone, m_swatch[zone]);
        DDX_Control(dx, idFirstZoneCaption + zone, m_zoneCaption[zone]);
    }
    DDX_Control(dx, idZonePicture1, m_zonePicture1);
    DDX_Control(dx, idZonePicture2, m_zonePicture2);
    DDX_Control(dx, idGammaPicture, m_gammaPicture);
    DDX_Control(dx, idScalePicture, m_scalePicture);
    DDX_Control(dx, idZoneFrame1, m_zoneFrame1);
    DDX_Control(dx, idZoneFrame2, m_zoneFrame2);
    DDX_Control(dx, idGammaFrame, m_gammaFrame);
    DDX_Control(dx, idScaleFrame, m_scaleFrame);
    DDX_Control(dx, idTestPrint, m_testPrint);
    DDX_Control(dx, idReset, m_reset);
}

void CGammaPage::ShowPicture(CmyStatic& picture, UINT bitmapId, const CmyStatic& frame)
{
    RECT client{};
    frame.GetClientRect(&client);
    picture.SetBitmap(bitmapId, client);
}

void CGammaPage::SetTexts()
{
    for (const Caption& caption : kCaptions) SetDlgItemText(caption.id, m_strRes.Load(caption.text));
    m_hueCaption.SetCaption(strHueCaption);
    m_hueFromPrinter.SetCaption(strHueFromPrinter);
    for (int zone = 0; zone < zoneCount; ++zone) m_zoneCaption[zone].SetCaption(strFirstZone + zone);
    m_testPrint.SetCaption(strTestPrint);
    m_reset.SetCaption(strReset);
    ShowPicture(m_scalePicture, bitmapScale, m_scaleFrame);
}

// ---- Activation and leaving ----

BOOL CGammaPage::OnSetActive()
{
    if (CPropertySheet* sheet = GetParentSheet()) sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    SetSheetTitle(*this, titleId, m_strRes);
    SetTexts();
    if (m_info->selectedSettingName != m_loadedName || m_info->reloadNeeded == 1) LoadSelectedSetting();
    ShowValues();
    return CPageFunction::OnSetActive();
}

void CGammaPage::LoadSelectedSetting()
{
    m_manager.SetDriver(*m_info);
    bool loaded = true;
    try {
        if (m_info->userSettingSelected == 1)
            m_manager.LoadSetting(m_info->selectedSettingName);
        else
            m_manager.LoadDefaultSetting(m_info->selectedSettingName);
    } catch (const CmyException& e) {
        // The values shown before stay; the next activation tries again.
        e.Report();
        loaded = false;
    }
    m_manager.CommitCurrent();
    m_zone = 0;
    if (loaded) m_info->reloadNeeded = 0;
}

void CGammaPage::ShowValues()
{
    m_gammaSlider.SetRange(0, gammaSteps);
    m_gammaSlider.SetTicFreq(1);
    m_gammaSlider.SetPageSize(1);
    m_hueSlider.SetRange(hueMin, hueMax);
    m_hueSlider.SetTicFreq(zoneTicks);
    m_hueSlider.SetPageSize(1);
    m_levelSlider.SetRange(levelMin, levelMax);
    m_levelSlider.SetTicFreq(zoneTicks);
    m_levelSlider.SetPageSize(1);

    ShowGamma(m_manager.GetCurrent().GetGamma());
    GammaChanged(true);
    SelectZone(m_zone);
}

void CGammaPage::LeavePage()
{
    m_loadedName = m_info->selectedSettingName;
    m_info->dataSaved = m_manager.IsUnchanged();
}

LRESULT CGammaPage::OnWizardBack()
{
    LeavePage();
    return CPageFunction::OnWizardBack();
}

LRESULT CGammaPage::OnWizardNext()
{
    LeavePage();
    return CPageFunction::OnWizardNext();
}

BOOL CGammaPage::OnQueryCancel()
{
    m_info->dataSaved = m_manager.IsUnchanged();
    return CPageFunction::OnQueryCancel();
}

// ---- Gamma ----

void CGammaPage::ShowGamma(double gamma)
{
    const int position = PositionOfGamma(gamma);
    // A value the slider cannot show lands on the nearer end.
    m_gammaSlider.SetPos(position < 0 ? 0 : position);
}

void CGammaPage::GammaChanged(bool keepCurrent)
{
    const int position = m_gammaSlider.GetPos();
    const double current = m_manager.GetCurrent().GetGamma();
    // Showing a value is no edit: a stored 1.51 that the slider shows as 1.5 stays 1.51, so
    // an untouched setting still counts as unchanged.
    if (!keepCurrent || PositionOfGamma(current) != position) m_manager.SetGamma(GammaOfPosition(position));
    const double gamma = m_manager.GetCurrent().GetGamma();
    m_gammaValue.SetWindowText(Format("%.1f", gamma));
    ShowPicture(m_gammaPicture, GammaPicture(gamma), m_gammaFrame);
}

void CGammaPage::OnHScroll(UINT code, UINT position, CWnd* scrollBar)
{
    (void)position;
    if (code != TB_ENDTRACK && code != TB_THUMBPOSITION) return;
    const int id = scrollBar ? scrollBar->GetDlgCtrlID() : 0;
    if (id == idGammaSlider)
        GammaChanged(false);
    else if (id == idHueSlider || id == idLevelSlider)
        ZoneChanged();
}

// ---- Zones ----

void CGammaPage::ShowZone(const CGammaData& source)
{
    source.GetHue(m_hue);
    source.GetHueFromPrinter(m_fromPrinter);
    source.GetLevel(m_level);
    m_hueSlider.SetPos(m_hue[m_zone]);
    m_levelSlider.SetPos(m_level[m_zone]);
    m_hueFromPrinter.SetCheck(m_fromPrinter[m_zone] == 1 ? BST_CHECKED : BST_UNCHECKED);
    EnableHue(m_hueFromPrinter.GetCheck() != BST_CHECKED);
    ZoneChanged();
}

void CGammaPage::ZoneChanged()
{
    m_hue[m_zone] = m_hueSlider.GetPos();
    m_fromPrinter[m_zone] = m_hueFromPrinter.GetCheck() == BST_CHECKED ? 1 : 0;
    m_level[m_zone] = m_levelSlider.GetPos();
    m_manager.SetHue(m_hue, m_fromPrinter);
    m_manager.SetLevel(m_level);
    m_hueValue.SetWindowText(Format(m_hue[m_zone]));
    m_levelValue.SetWindowText(Format(m_level[m_zone]));
}

void CGammaPage::EnableHue(bool enable)
{
    m_hueSlider.EnableWindow(enable ? TRUE : FALSE);
    m_hueCaption.EnableWindow(enable ? TRUE : FALSE);
    m_hueValue.EnableWindow(enable ? TRUE : FALSE);
}

void CGammaPage::SelectZone(int zone)
{
    m_zone = (zone >= 0 && zone < zoneCount) ? zone : 0;
    ShowZone(m_manager.GetCurrent());
    for (CmyButton& radio : m_zoneRadio) radio.SetCheck(BST_UNCHECKED);
    m_zoneRadio[m_zone].SetCheck(BST_CHECKED);
    ShowZonePictures();
}

void CGammaPage::ShowZonePictures()
{
    ShowPicture(m_zonePicture1, kZones[m_zone].picture1, m_zoneFrame1);
    ShowPicture(m_zonePicture2, kZones[m_zone].picture2, m_zoneFrame2);
}

void CGammaPage::OnZoneClicked(UINT id) { SelectZone(static_cast<int>(id) - idFirstRadio); }

void CGammaPage::OnSwatchClicked(UINT id) { SelectZone(static_cast<int>(id) - idFirstSwatch); }

void CGammaPage::OnHueFromPrinter()
{
    if (m_hueFromPrinter.GetCheck() == BST_CHECKED) {
        try {
            CCoreModule module(m_info->ccmVersion);
            m_hueSlider.SetPos(module.GetPrinterHue(m_zone));
        } catch (const CmyException& e) {
            // Without the printer's hue the zone keeps its own.
            m_hueFromPrinter.SetCheck(BST_UNCHECKED);
            e.Report();
            return;
        }
        EnableHue(false);
    } else {
        EnableHue(true);
    }
    ZoneChanged();
}

void CGammaPage::OnPaint()
{
    CPaintDC dc(this);
    for (int zone = 0; zone < zoneCount; ++zone) m_swatch[zone].FillColor(kZones[zone].colour);
}

// ---- Reset ----

void CGammaPage::OnResetClicked()
{
    if (CmyMessageBox().Show(GetSafeHwnd(), msgUndoQuestion, styleYesNoWarning, captionWarning) != IDYES) return;
    const CGammaData& stored = m_manager.GetStored();
    ShowGamma(stored.GetGamma());
    m_manager.RevertCurrent();
    GammaChanged(true);
    ShowZone(stored);
    m_manager.RevertCurrent();
}

// ---- Test print ----

void CGammaPage::OnTestPrint()
{
    std::optional<CmyException> failure;
    try {
        PrintTestPage();
    } catch (const CmyException& e) {
        failure = e;
    }
    // Shown once the tables are freed and the module unloaded.
    if (failure) failure->Report();
}

void CGammaPage::PrintTestPage()
{
    CCoreModule module(m_info->ccmVersion);
    CCcmTables tables;
    const CGammaData& current = m_manager.GetCurrent();
    if (m_info->userSettingSelected == 1) {
        module.SetGammaData(current, m_manager.GetSettingMode(m_info->selectedSettingName));
        tables.Allocate(m_manager.ReadTables(m_info->selectedSettingName, nullptr, nullptr));
        m_manager.ReadTables(m_info->selectedSettingName, tables.T(), tables.V());
    } else {
        module.SetGammaData(current, m_info->defaultSettingNumber);
        tables.Allocate(module.GetCCMSize());
    }
    // The buffers grow to the module's size first: a stored table may be shorter.
    tables.Compute(module, m_info->userSettingSelected == 1 ? 1 : 0);

    CIniUtility ini;
    const std::string mode = ini.GetVersionValue(m_info->ccmVersion, "PrintMode");
    const std::string file = ini.GetVersionValue(m_info->ccmVersion, "GammaTestFile");
    if (file.empty()) throw CmyException(msgNoTestFile);
    PrintByMode(mode, CFileAcc().BuildPath(file, kUtilityFolder), tables);
}

void CGammaPage::PrintByMode(const std::string& mode, const std::string& path, CCcmTables& tables)
{
    const DWORD length = static_cast<DWORD>(tables.GetSize());
    if (mode == "EMF") {
        CEmfPrintDialog::Run(*m_info, CEmfPrintDialog::modeGammaTest, path, tables.T(), std::string());
    } else if (mode == "EMF_INTERNAL") {
        auto print = [&](CEmfPrintBase& page) {
            page.SetPrinterName(m_info->printerName);
            page.OpenPrinterData();
            page.PrintPage(path, m_info->ccmVersion, CEmfPrintBase::kindTestTables, tables.T(), tables.V(), length);
        };
        if (GetPlatformId() == 1) {
            CEmfInternal9x page;
            print(page);
        } else {
            CEmfInternalNT page;
            print(page);
        }
        CPrintMsgDlg::ShowNotice();
    } else if (mode == "EMF_INTERNAL_XPS") {
        PrintThroughXps(path, tables);
    } else {
        m_print.SetPrinterName(m_info->printerName);
        m_print.SendRawJob(m_info->ccmVersion, path, tables.T(), tables.V(), length);
    }
}

void CGammaPage::PrintThroughXps(const std::string& path, CCcmTables& tables)
{
    try {
        MakeTemporarySetting();
        CCtrlMng catalog;
        catalog.SetFile(m_info->driverCatalogPath, CDataMngBase::kindGamma);
        const std::string id = catalog.GetIdByName(m_testName);

        XPSTestJobPrintingDlg::Run(XPSTestJobPrintingDlg::Request::ForTables(
                                       path, m_info->ccmVersion, tables.T(), tables.V(),
                                       static_cast<DWORD>(tables.GetSize()), CEmfInternalXPS::tableTypeGamma, id,
                                       m_info->printerName),
                                   this);
    } catch (...) {
        RemoveTemporarySetting();
        throw;
    }
    RemoveTemporarySetting();
}

CmyStringArray CGammaPage::TakenSettingNames() const
{
    CmyStringArray taken;
    for (int kind : {CDataMngBase::kindColor, CDataMngBase::kindGamma}) {
        CCtrlMng catalog;
        catalog.SetFile(m_info->driverCatalogPath, kind);
        taken.AppendAll(catalog.GetSettingNames());
    }
    taken.AppendAll(CIniUtility().GetDefaultSettingKeys(m_info->ccmVersion));
    taken.Add(Trimmed(m_strRes.Load(strDefaultEntry)));
    return taken;
}

void CGammaPage::MakeTemporarySetting()
{
    m_testName = FreeTestName(TakenSettingNames());
    CCtrlMng catalog;
    catalog.SetFile(m_info->driverCatalogPath, CDataMngBase::kindGamma);
    catalog.AddTestSetting(m_testName);
    // Without an entry of its own the print would name the identifier of another setting.
    if (catalog.GetIdByName(m_testName).empty()) throw CmyException(msgCatalogFull, {}, CmyException::warning);
    m_testExists = 1;
    m_manager.SaveTemporarySetting(m_testName, m_info->userSettingSelected, m_info->selectedSettingName);
}

void CGammaPage::RemoveTemporarySetting()
{
    if (m_testExists != 1) return;
    CGammaDataMng manager;
    manager.SetDriver(*m_info);
    manager.DeleteSetting(m_testName);
    CCtrlMng catalog;
    catalog.SetFile(m_info->driverCatalogPath, CDataMngBase::kindGamma);
    catalog.RemoveLastSetting(m_testName);
    m_testExists = 0;
}

void CGammaPage::OnEndSession(BOOL ending)
{
    if (ending) RemoveTemporarySetting();
    CPageFunction::OnEndSession(ending);
}

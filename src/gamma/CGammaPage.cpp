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
#include "resources/resource.h"
#include "testprint/CTestPrint.h"

namespace {

struct Caption {
    int id;
    UINT text;
};
constexpr Caption kCaptions[] = {
    {IDC_GAMMA_INSTRUCTION, IDS_GAMMA_INSTRUCTION}, {IDC_GAMMA_GAMMA_LABEL, IDS_GAMMA_GAMMA_LABEL},
    {IDC_GAMMA_GAMMA_NOTE, IDS_GAMMA_GAMMA_NOTE},   {IDC_GAMMA_ZONE_GROUP, IDS_GAMMA_ZONE_GROUP},
    {IDC_GAMMA_LEVEL_LABEL, IDS_GAMMA_LEVEL_LABEL}, {IDC_GAMMA_ZONE_LABEL, IDS_GAMMA_ZONE_LABEL},
};

struct Zone {
    COLORREF colour;
    UINT picture1;
    UINT picture2;
};
// Red, yellow, green, cyan, blue, magenta.
constexpr Zone kZones[CGammaPage::zoneCount] = {
    {RGB(255, 0, 0), IDB_ZONE1_RED, IDB_ZONE2_RED},
    {RGB(255, 225, 0), IDB_ZONE1_YELLOW, IDB_ZONE2_YELLOW},
    {RGB(0, 255, 0), IDB_ZONE1_GREEN, IDB_ZONE2_GREEN},
    {RGB(0, 142, 182), IDB_ZONE1_CYAN, IDB_ZONE2_CYAN},
    {RGB(0, 0, 255), IDB_ZONE1_BLUE, IDB_ZONE2_BLUE},
    {RGB(182, 25, 109), IDB_ZONE1_MAGENTA, IDB_ZONE2_MAGENTA},
};

// The zones' controls and names are addressed as the first id plus the zone.
static_assert(IDC_GAMMA_ZONE6_RADIO - IDC_GAMMA_ZONE1_RADIO + 1 == CGammaPage::zoneCount);
static_assert(IDC_GAMMA_ZONE6_SWATCH - IDC_GAMMA_ZONE1_SWATCH + 1 == CGammaPage::zoneCount);
static_assert(IDC_GAMMA_ZONE6_NAME - IDC_GAMMA_ZONE1_NAME + 1 == CGammaPage::zoneCount);
static_assert(IDS_ZONE_MAGENTA - IDS_ZONE_RED + 1 == CGammaPage::zoneCount);

constexpr int hueMin = -50;
constexpr int hueMax = 50;
constexpr int levelMin = 0;
constexpr int levelMax = 50;
constexpr int zoneTicks = 5;

constexpr UINT styleYesNoWarning = MB_YESNO | MB_ICONEXCLAMATION;

std::string Format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string Format(int value) { return std::to_string(value); }

}  // namespace

CGammaPage::CGammaPage(CUtilityInfo* info)
    : CPageFunction(IDD_GAMMA_PAGE, info),
      m_temporary(
          CDataMngBase::kindGamma, [this](const std::string& name) { WriteTemporaryTables(name); },
          [this](const std::string& name) { RemoveTemporaryTables(name); })
{
    MapCommandRange(IDC_GAMMA_ZONE1_RADIO, IDC_GAMMA_ZONE6_RADIO, &CGammaPage::OnZoneClicked);
    MapCommandRange(IDC_GAMMA_ZONE1_SWATCH, IDC_GAMMA_ZONE6_SWATCH, &CGammaPage::OnSwatchClicked);
    MapCommand(IDC_GAMMA_HUE_FROM_PRINTER_CHECK, &CGammaPage::OnHueFromPrinter);
    MapCommand(IDC_GAMMA_TESTPRINT_BUTTON, &CGammaPage::OnTestPrint);
    MapCommand(IDC_GAMMA_UNDO_BUTTON, &CGammaPage::OnResetClicked);
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
    if (!std::isfinite(hundredths) || hundredths < 160.0) return IDB_GAMMA_CURVE1;
    const long g = std::lround(hundredths);
    if (g < 160) return IDB_GAMMA_CURVE1;
    if (g <= 170) return IDB_GAMMA_CURVE2;
    if (g <= 190) return IDB_GAMMA_CURVE3;
    if (g <= 210) return IDB_GAMMA_CURVE4;
    if (g <= 230) return IDB_GAMMA_CURVE5;
    return IDB_GAMMA_CURVE6;
}

// ---- Controls ----

void CGammaPage::DoDataExchange(CDataExchange* dx)
{
    CPageFunction::DoDataExchange(dx);
    DDX_Control(dx, IDC_GAMMA_GAMMA_SLIDER, m_gammaSlider);
    DDX_Control(dx, IDC_GAMMA_GAMMA_VALUE, m_gammaValue);
    DDX_Control(dx, IDC_GAMMA_HUE_SLIDER, m_hueSlider);
    DDX_Control(dx, IDC_GAMMA_HUE_VALUE, m_hueValue);
    DDX_Control(dx, IDC_GAMMA_HUE_LABEL, m_hueCaption);
    DDX_Control(dx, IDC_GAMMA_LEVEL_SLIDER, m_levelSlider);
    DDX_Control(dx, IDC_GAMMA_LEVEL_VALUE, m_levelValue);
    DDX_Control(dx, IDC_GAMMA_HUE_FROM_PRINTER_CHECK, m_hueFromPrinter);
    for (int zone = 0; zone < zoneCount; ++zone) {
        DDX_Control(dx, IDC_GAMMA_ZONE1_RADIO + zone, m_zoneRadio[zone]);
        DDX_Control(dx, IDC_GAMMA_ZONE1_SWATCH + zone, m_swatch[zone]);
        DDX_Control(dx, IDC_GAMMA_ZONE1_NAME + zone, m_zoneCaption[zone]);
    }
    DDX_Control(dx, IDC_GAMMA_ZONE_PICTURE1, m_zonePicture1);
    DDX_Control(dx, IDC_GAMMA_ZONE_PICTURE2, m_zonePicture2);
    DDX_Control(dx, IDC_GAMMA_CURVE_PICTURE, m_gammaPicture);
    DDX_Control(dx, IDC_GAMMA_SCALE_PICTURE, m_scalePicture);
    DDX_Control(dx, IDC_GAMMA_ZONE_FRAME1, m_zoneFrame1);
    DDX_Control(dx, IDC_GAMMA_ZONE_FRAME2, m_zoneFrame2);
    DDX_Control(dx, IDC_GAMMA_CURVE_FRAME, m_gammaFrame);
    DDX_Control(dx, IDC_GAMMA_SCALE_FRAME, m_scaleFrame);
    DDX_Control(dx, IDC_GAMMA_TESTPRINT_BUTTON, m_testPrint);
    DDX_Control(dx, IDC_GAMMA_UNDO_BUTTON, m_reset);
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
    m_hueCaption.SetCaption(IDS_GAMMA_HUE_LABEL);
    m_hueFromPrinter.SetCaption(IDS_GAMMA_HUE_FROM_PRINTER);
    for (int zone = 0; zone < zoneCount; ++zone) {
        m_zoneCaption[zone].SetCaption(IDS_ZONE_RED + zone);
        // The radio button is too narrow to show it, but a screen reader reads its name.
        m_zoneRadio[zone].SetCaption(IDS_ZONE_RED + zone);
    }
    m_testPrint.SetCaption(IDS_BUTTON_GAMMA_TEST_PRINT);
    m_reset.SetCaption(IDS_BUTTON_UNDO_CHANGES);
    ShowPicture(m_scalePicture, IDB_GAMMA_SCALE, m_scaleFrame);
}

// ---- Activation and leaving ----

BOOL CGammaPage::OnSetActive()
{
    SetSheetTitle(*this, IDS_TITLE_GAMMA, m_strRes);
    SetTexts();
    if (!m_settingLoaded || m_info->selectedSettingName != m_loadedName || m_info->reloadNeeded == 1) {
        LoadSelectedSetting();
    }
    // Values that did not load must not be saved over the stored setting.
    if (CPropertySheet* sheet = GetParentSheet()) {
        sheet->SetWizardButtons(m_settingLoaded ? (PSWIZB_BACK | PSWIZB_NEXT) : PSWIZB_BACK);
    }
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
    m_settingLoaded = loaded;
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
    if (!m_settingLoaded) return -1;
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
    if (id == IDC_GAMMA_GAMMA_SLIDER)
        GammaChanged(false);
    else if (id == IDC_GAMMA_HUE_SLIDER || id == IDC_GAMMA_LEVEL_SLIDER)
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

void CGammaPage::OnZoneClicked(UINT id) { SelectZone(static_cast<int>(id) - IDC_GAMMA_ZONE1_RADIO); }

void CGammaPage::OnSwatchClicked(UINT id) { SelectZone(static_cast<int>(id) - IDC_GAMMA_ZONE1_SWATCH); }

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
    if (CmyMessageBox().Show(GetSafeHwnd(), IDS_QUESTION_UNDO_CHANGES, styleYesNoWarning, IDS_CAPTION_WARNING) != IDYES)
        return;
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
    const bool stored = m_info->userSettingSelected == 1;
    module.SetGammaData(current, stored ? m_manager.GetSettingMode(m_info->selectedSettingName)
                                        : m_info->defaultSettingNumber);
    // A stored setting's tables are taken only when they are of the module's size.
    const int size = module.GetCCMSize();
    tables.Allocate(size);
    if (stored) m_manager.ReadTablesOfSize(m_info->selectedSettingName, size, tables.T(), tables.V());
    tables.Compute(module, stored ? 1 : 0);

    CTestPrint(*m_info, this).PrintGammaTest(tables, m_temporary);
}

void CGammaPage::WriteTemporaryTables(const std::string& name)
{
    m_manager.SaveTemporarySetting(name, m_info->userSettingSelected, m_info->selectedSettingName);
}

void CGammaPage::RemoveTemporaryTables(const std::string& name)
{
    CGammaDataMng manager;
    manager.SetDriver(*m_info);
    manager.DeleteSetting(name);
}

void CGammaPage::OnEndSession(BOOL ending)
{
    if (ending) m_temporary.Remove();
    CPageFunction::OnEndSession(ending);
}

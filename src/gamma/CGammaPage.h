// The gamma page: edits the gamma exponent and, for six hue zones, a hue correction, a level
// and whether the zone's hue comes from the printer. It prints gamma test pages in the way the
// printer model asks for and can return every control to the stored values.
#pragma once

#include <string>

#include "color/CCcmTables.h"
#include "controls/CmyButton.h"
#include "controls/CmyStatic.h"
#include "framework/CSliderCtrl.h"
#include "gamma/CGammaData.h"
#include "gamma/CGammaDataMng.h"
#include "launch/CPageFunction.h"
#include "printer/CPrint.h"

class CGammaPage : public CPageFunction {
public:
    static constexpr int zoneCount = CGammaData::zoneCount;
    static constexpr int gammaSteps = 10;  // slider positions 0 … 10 give 1.4 … 2.4

    explicit CGammaPage(CUtilityInfo* info);

    BOOL OnSetActive() override;
    BOOL OnQueryCancel() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

    CGammaDataMng& GetDataMng() { return m_manager; }
    int GetZone() const { return m_zone; }

    // The slider mapping: position × 0.1 + 1.4, and back to the nearest position (any value
    // that is not a number gives -1, a position the slider does not have).
    static double GammaOfPosition(int position);
    static int PositionOfGamma(double gamma);
    // The picture of a gamma value, 1517 (lightest) … 1522 (darkest).
    static UINT GammaPicture(double gamma);
    // "testprint", or "testprint" with the first number that is not in taken.
    static std::string FreeTestName(const CmyStringArray& taken);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnHScroll(UINT code, UINT position, CWnd* scrollBar) override;
    void OnPaint() override;
    void OnEndSession(BOOL ending) override;

private:
    void OnZoneClicked(UINT id);
    void OnSwatchClicked(UINT id);
    void OnHueFromPrinter();
    void OnTestPrint();
    void OnResetClicked();

    void LoadSelectedSetting();
    void SetTexts();
    void ShowValues();
    void ShowGamma(double gamma);
    void GammaChanged(bool keepCurrent);
    void ShowZone(const CGammaData& source);
    void ZoneChanged();
    void SelectZone(int zone);
    void ShowZonePictures();
    void EnableHue(bool enable);
    void ShowPicture(CmyStatic& picture, UINT bitmapId, const CmyStatic& frame);
    void LeavePage();

    void PrintTestPage();
    void PrintByMode(const std::string& mode, const std::string& path, CCcmTables& tables);
    void PrintThroughXps(const std::string& path, CCcmTables& tables);
    CmyStringArray TakenSettingNames() const;
    void MakeTemporarySetting();
    void RemoveTemporarySetting();

    // Controls.
    CSliderCtrl m_gammaSlider;   // 1052
    CmyStatic m_gammaValue;      // 1051
    CSliderCtrl m_hueSlider;     // 1066
    CmyStatic m_hueValue;        // 1064
    CmyStatic m_hueCaption;      // 1070
    CSliderCtrl m_levelSlider;   // 1067
    CmyStatic m_levelValue;      // 1065
    CmyButton m_hueFromPrinter;  // 1068
    CmyButton m_zoneRadio[zoneCount];    // 1058 … 1063
    CmyStatic m_swatch[zoneCount];       // 1143 … 1148
    CmyStatic m_zoneCaption[zoneCount];  // 1123 … 1128
    CmyStatic m_zonePicture1;    // 1071, in the place of 1141
    CmyStatic m_zonePicture2;    // 1072, in the place of 1142
    CmyStatic m_gammaPicture;    // 1103, in the place of 1139
    CmyStatic m_scalePicture;    // 1054, in the place of 1140
    CmyStatic m_zoneFrame1;      // 1141
    CmyStatic m_zoneFrame2;      // 1142
    CmyStatic m_gammaFrame;      // 1139
    CmyStatic m_scaleFrame;      // 1140
    CmyButton m_testPrint;       // 1074
    CmyButton m_reset;           // 1075

    // Page fields.
    CPrint m_print;
    std::string m_loadedName;
    CGammaDataMng m_manager;
    int m_level[zoneCount] = {};
    int m_hue[zoneCount] = {};
    int m_fromPrinter[zoneCount] = {};
    int m_zone = 0;
    std::string m_testName;
    int m_testExists = 0;
};

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
#include "testprint/CTemporaryTestSetting.h"

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
    // The picture of a gamma value, IDB_GAMMA_CURVE1 (lightest) … IDB_GAMMA_CURVE6 (darkest).
    static UINT GammaPicture(double gamma);

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
    // The temporary setting's tables: written from the setting under test, and removed.
    void WriteTemporaryTables(const std::string& name);
    void RemoveTemporaryTables(const std::string& name);

    // Controls.
    CSliderCtrl m_gammaSlider;           // IDC_GAMMA_GAMMA_SLIDER
    CmyStatic m_gammaValue;              // IDC_GAMMA_GAMMA_VALUE
    CSliderCtrl m_hueSlider;             // IDC_GAMMA_HUE_SLIDER
    CmyStatic m_hueValue;                // IDC_GAMMA_HUE_VALUE
    CmyStatic m_hueCaption;              // IDC_GAMMA_HUE_LABEL
    CSliderCtrl m_levelSlider;           // IDC_GAMMA_LEVEL_SLIDER
    CmyStatic m_levelValue;              // IDC_GAMMA_LEVEL_VALUE
    CmyButton m_hueFromPrinter;          // IDC_GAMMA_HUE_FROM_PRINTER_CHECK
    CmyButton m_zoneRadio[zoneCount];    // IDC_GAMMA_ZONE1_RADIO … IDC_GAMMA_ZONE6_RADIO
    CmyStatic m_swatch[zoneCount];       // IDC_GAMMA_ZONE1_SWATCH … IDC_GAMMA_ZONE6_SWATCH
    CmyStatic m_zoneCaption[zoneCount];  // IDC_GAMMA_ZONE1_NAME … IDC_GAMMA_ZONE6_NAME
    CmyStatic m_zonePicture1;            // IDC_GAMMA_ZONE_PICTURE1, in the place of IDC_GAMMA_ZONE_FRAME1
    CmyStatic m_zonePicture2;            // IDC_GAMMA_ZONE_PICTURE2, in the place of IDC_GAMMA_ZONE_FRAME2
    CmyStatic m_gammaPicture;            // IDC_GAMMA_CURVE_PICTURE, in the place of IDC_GAMMA_CURVE_FRAME
    CmyStatic m_scalePicture;            // IDC_GAMMA_SCALE_PICTURE, in the place of IDC_GAMMA_SCALE_FRAME
    CmyStatic m_zoneFrame1;              // IDC_GAMMA_ZONE_FRAME1
    CmyStatic m_zoneFrame2;              // IDC_GAMMA_ZONE_FRAME2
    CmyStatic m_gammaFrame;              // IDC_GAMMA_CURVE_FRAME
    CmyStatic m_scaleFrame;              // IDC_GAMMA_SCALE_FRAME
    CmyButton m_testPrint;               // IDC_GAMMA_TESTPRINT_BUTTON
    CmyButton m_reset;                   // IDC_GAMMA_UNDO_BUTTON

    // Page fields.
    std::string m_loadedName;
    bool m_settingLoaded = false;  // the last load of the selected setting succeeded
    CGammaDataMng m_manager;
    int m_level[zoneCount] = {};
    int m_hue[zoneCount] = {};
    int m_fromPrinter[zoneCount] = {};
    int m_zone = 0;
    // The entry an XPS-driver test print runs under; removed when the session ends.
    CTemporaryTestSetting m_temporary;
};

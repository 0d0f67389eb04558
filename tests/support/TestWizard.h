// A wizard sheet for page tests: it takes the pages in order, records the titles and page
// sequences the pages ask for, and holds the two data managers the save page takes from the
// sheet (a test may hand out another page's manager instead).
//
//   CSaveSettingPage page(&info);
//   TestWizard wizard({&page});
//   INT_PTR result = wizard.RunWithDialogLibrary();
#pragma once

#include <functional>
#include <vector>

#include "color/CColorDataMng.h"
#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "gamma/CGammaDataMng.h"
#include "launch/IWizardSheet.h"

class TestWizard : public CPropertySheet, public IWizardSheet {
public:
    explicit TestWizard(const std::vector<CPropertyPage*>& pages);

    void SetPageSequence(int editType) override;
    void SetPageTitle(UINT titleId) override;
    CColorDataMng& GetColorDataMng() override { return colourSource ? *colourSource : colour; }
    CGammaDataMng& GetGammaDataMng() override { return gamma; }

    // The modal run with the dialog library as resource module, so pages find their templates.
    INT_PTR RunWithDialogLibrary();

    // Called with the edit type after it was recorded, to rebuild the later pages.
    std::function<void(TestWizard&, int)> sequenceHook;
    CColorDataMng* colourSource = nullptr;
    CColorDataMng colour;
    CGammaDataMng gamma;
    std::vector<int> sequences;
    std::vector<UINT> titles;
};

// A page made from a template the test built, to stand before or after the page under test.
class TemplatePage : public CPropertyPage {
public:
    TemplatePage(UINT id, LPCDLGTEMPLATE pageTemplate);
};

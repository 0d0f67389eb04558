// The wizard page that lists the supported printers; applying the chosen one resolves its
// driver, catalogue, version and print mode and keeps the local catalogue copy in step.
#pragma once

#include "controls/CmyListBox.h"
#include "controls/CmyStatic.h"
#include "launch/CPageFunction.h"
#include "launch/CmyStringArray.h"
#include "printer/CPrint.h"

class CSelectDriverPage : public CPageFunction {
public:
    // Builds the list of supported printers once.
    explicit CSelectDriverPage(CUtilityInfo* info);

    int GetSupportedPrinterCount() const { return m_supportedPrinters.GetSize(); }
    const CmyStringArray& GetSupportedPrinters() const { return m_supportedPrinters; }
    // Resolves everything that depends on the shared state's printerName.
    void ApplyPrinter();

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

private:
    void BuildPrinterList();
    void SynchroniseLocalCatalog();

    CPrint m_print;
    CmyStringArray m_supportedPrinters;
    CmyStatic m_instruction;  // 1016
    CmyStatic m_note;         // 1017
    CmyListBox m_printerList; // 1018
    CmyStatic m_picture;      // 1019
    CmyStatic m_pictureFrame; // 1136
};

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
    CmyStatic m_instruction;   // IDC_DRIVER_INSTRUCTION
    CmyStatic m_note;          // IDC_DRIVER_NOTE
    CmyListBox m_printerList;  // IDC_DRIVER_LIST
    CmyStatic m_picture;       // IDC_DRIVER_PICTURE
    CmyStatic m_pictureFrame;  // IDC_DRIVER_PICTURE_FRAME
};

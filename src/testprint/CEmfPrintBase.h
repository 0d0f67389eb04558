// Common part of the metafile test-page prints: opens the printer with its device mode, writes
// the driver-private fields that carry the print kind and the tables, and plays the page.
// Each driver family lays out the private fields its own way (the derived classes).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32api.h"
#include "printer/CPrint.h"

class CEmfPrintBase : public CPrint {
public:
    static constexpr int kindSample = 108;     // sample of a stored setting, no tables
    static constexpr int kindTestTables = 110; // test print with the T and V tables
    static constexpr int kindTestProfile = 0;  // test print through a temporary profile

    // Largest table the private table areas hold (the distance to the length field after each).
    static constexpr DWORD maxTableLength = 256;

    CEmfPrintBase() = default;
    ~CEmfPrintBase() override;

    // Opens printerName and fetches its level-2 information and device mode. Raises CmyException,
    // also when the spooler gives no printer information (and so no device mode).
    void OpenPrinterData();
    // Prints the metafile at path with the fields of kind written into the device mode.
    // Raises CmyException for every step that fails, a DC that cannot be made, a refused
    // document start, playback or end included: returning means the page went to the spooler.
    void PrintPage(const std::string& path, const std::string& ccmVersion, int kind, const BYTE* tTable,
                   const BYTE* vTable, DWORD tableLength);
    // The fetched device mode; null before OpenPrinterData.
    const DEVMODEA* GetDeviceMode() const;
    DWORD GetDeviceModeSize() const { return devModeSize; }

protected:
    // Driver-private writes of one print, checked as a whole before any byte is changed.
    struct PrivateFields {
        struct Field {
            DWORD offset;
            DWORD width;  // 2 or 4 bytes, little-endian
            DWORD value;
        };
        struct Table {
            DWORD offset;
            const BYTE* bytes;
        };
        std::vector<Field> fields;
        std::vector<Table> tables;  // each tableLength bytes long
        DWORD tableLength = 0;

        void Word(DWORD offset, DWORD value) { fields.push_back({offset, 2, value}); }
        void Dword(DWORD offset, DWORD value) { fields.push_back({offset, 4, value}); }
    };

    // Offset of the driver-private base from the device mode's start; negative when the device
    // mode cannot have one.
    virtual std::ptrdiff_t PrivateBase() const;
    virtual void PlanPrivateFields(int kind, const BYTE* tTable, const BYTE* vTable, DWORD tableLength,
                                   PrivateFields& plan) const = 0;
    // The 9x family brackets the playback with a page and uses the packed document information.
    virtual bool UsesPageBracket() const { return false; }
    virtual int DocInfoSize() const { return static_cast<int>(sizeof(DOCINFOA)); }
    // Called right after the document started, with the job id StartDocA gave.
    virtual void OnDocumentStarted(const std::string& path, int kind, int jobId);

    const PRINTER_INFO_2A* PrinterInfo() const;

    HDC dc = nullptr;
    std::unique_ptr<BYTE[]> metaHeader;
    std::unique_ptr<BYTE[]> devMode;
    HENHMETAFILE metafile = nullptr;
    DWORD devModeSize = 0;

private:
    void SetOrientation(const std::string& path, const std::string& ccmVersion);
    bool FitsDeviceMode(const PrivateFields& plan) const;
    void WritePrivateFields(const PrivateFields& plan);
    void ReleasePage();
};

// Metafile test pages: the driver-private device-mode fields each driver family gets for a
// sample print (108), a test print with tables (110) and a profile test print (0), checked
// byte for byte in the spooler's job record; orientation; and prints that must not start.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "launch/CmyException.h"
#include "platform/win32api.h"
#include "resources/resource.h"
#include "support/MinimalMetafile.h"
#include "support/SimMachine.h"
#include "testprint/CEmfInternal9x.h"
#include "testprint/CEmfInternalNT.h"
#include "testprint/CEmfInternalXPS.h"
#include "testprint/CEmfPrint.h"

namespace {

const char kPrinter[] = "Emf Printer";
const char kUtilityIni[] = "C:\\Host\\Tintora\\Tavrel.ini";
const char kPage[] = "C:\\Host\\Tintora\\test page.emf";
const char kVersion[] = "3.40";
constexpr unsigned kDriverExtra = 2100;

// An enhanced metafile of a header record with the given frame and an end-of-file record.
std::vector<BYTE> Table(size_t length, int seed)
{
    std::vector<BYTE> table(length);
    for (size_t i = 0; i < length; ++i) table[i] = static_cast<BYTE>(i * 13 + seed);
    return table;
}

void Put(std::string& bytes, size_t at, DWORD value, int width = 2)
{
    for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

void PutTable(std::string& bytes, size_t at, const std::vector<BYTE>& table)
{
    bytes.replace(at, table.size(), std::string(table.begin(), table.end()));
}

// The fixture's driver and one printer with a private device-mode area of driverExtra bytes.
void SetUpMachine(SimMachine& machine, unsigned driverExtra)
{
    SimDriver driver;
    driver.name = "Emf Driver";
    driver.driverPath = "C:\\Windows\\System32\\spool\\DRIVERS\\x64\\3\\EMFDRV.DLL";
    machine.AddDriver(driver);
    SimPrinter printer;
    printer.name = kPrinter;
    printer.driver = "Emf Driver";
    printer.driverExtra = driverExtra;
    machine.AddPrinter(printer);
    machine.Apply();
    machine.WriteFile(kUtilityIni, "[CCMVer3.40]\r\nModule=TV340.DLL\r\n");
    machine.WriteFile(kPage, MinimalMetafile(21000, 29700));
}

class EmfPrintTest : public ::testing::Test {
protected:
    void SetUp() override { SetUpMachine(machine, kDriverExtra); }

    // The device mode the driver returns, before anything is written into it.
    std::string DefaultDeviceMode()
    {
        HANDLE handle = nullptr;
        std::string device = kPrinter;
        EXPECT_TRUE(OpenPrinterA(device.data(), &handle, nullptr));
        LONG size = DocumentPropertiesA(nullptr, handle, device.data(), nullptr, nullptr, 0);
        std::string bytes(static_cast<size_t>(size), '\0');
        DocumentPropertiesA(nullptr, handle, device.data(), reinterpret_cast<DEVMODEA*>(bytes.data()), nullptr,
                            DM_OUT_BUFFER);
        ClosePrinter(handle);
        return bytes;
    }

    // Prints page and returns the one job it made.
    template <class Print, class... Extra>
    SimJob PrintOne(int kind, const std::vector<BYTE>& t, const std::vector<BYTE>& v, Extra... extra)
    {
        Print print;
        print.SetPrinterName(kPrinter);
        print.OpenPrinterData();
        print.PrintPage(kPage, kVersion, kind, t.data(), v.data(), static_cast<DWORD>(t.size()), extra...);
        std::vector<SimJob> jobs = machine.Jobs();
        EXPECT_EQ(jobs.size(), 1u);
        return jobs.empty() ? SimJob{} : jobs.front();
    }

    // The default device mode in portrait, as a tall page without orientation value prints.
    std::string Expected()
    {
        std::string bytes = DefaultDeviceMode();
        Put(bytes, offsetof(DEVMODEA, dmOrientation), DMORIENT_PORTRAIT);
        return bytes;
    }

    size_t PublicSize(const std::string& devMode) const
    {
        return reinterpret_cast<const DEVMODEA*>(devMode.data())->dmSize;
    }

    // The code of the message a call raised, 0 when it raised none.
    template <class Call>
    UINT MessageOf(Call call)
    {
        try {
            call();
        } catch (const CmyException& e) {
            return e.GetTextId();
        }
        return 0;
    }

    SimMachine machine;
    const std::vector<BYTE> t = Table(228, 1);
    const std::vector<BYTE> v = Table(228, 90);
};

TEST_F(EmfPrintTest, InternalNTWritesKindAndTables)
{
    SimJob job = PrintOne<CEmfInternalNT>(110, t, v);
    std::string expected = Expected();
    size_t base = PublicSize(expected);
    Put(expected, base + 682, 1);
    Put(expected, base + 692, 1);
    Put(expected, base + 694, 3);
    PutTable(expected, base + 968, t);
    Put(expected, base + 1224, 228);
    PutTable(expected, base + 1226, v);
    Put(expected, base + 1482, 228);
    EXPECT_EQ(job.devMode, expected);
    EXPECT_EQ(job.document, kPage);
    EXPECT_EQ(job.events, (std::vector<std::string>{"Play", "End", "State=printed"}));
    machine.ClearJobs();

    job = PrintOne<CEmfInternalNT>(0, t, v);
    EXPECT_EQ(job.devMode, expected);  // a test print like 110
    machine.ClearJobs();

    job = PrintOne<CEmfInternalNT>(108, t, v);
    expected = Expected();
    Put(expected, base + 682, 1);
    Put(expected, base + 694, 2);
    EXPECT_EQ(job.devMode, expected);
}

TEST_F(EmfPrintTest, Internal9xWritesItsLayoutInsideAPage)
{
    SimJob job = PrintOne<CEmfInternal9x>(110, t, v);
    std::string expected = Expected();
    size_t base = PublicSize(expected);
    Put(expected, base + 498, 1);
    Put(expected, base + 508, 1);
    Put(expected, base + 510, 3);
    PutTable(expected, base + 710, t);
    Put(expected, base + 966, 228);
    PutTable(expected, base + 968, v);
    Put(expected, base + 1224, 228);
    EXPECT_EQ(job.devMode, expected);
    EXPECT_EQ(job.events, (std::vector<std::string>{"StartPage", "Play", "EndPage", "End", "State=printed"}));
    machine.ClearJobs();

    job = PrintOne<CEmfInternal9x>(0, t, v);
    EXPECT_EQ(job.devMode, expected);
    machine.ClearJobs();

    job = PrintOne<CEmfInternal9x>(108, t, v);
    expected = Expected();
    Put(expected, base + 498, 1);
    Put(expected, base + 510, 2);
    EXPECT_EQ(job.devMode, expected);
}

TEST_F(EmfPrintTest, EmfPrintWritesKindOnly)
{
    std::string expected = Expected();
    size_t base = PublicSize(expected);
    for (int kind : {0, 110}) {
        SimJob job = PrintOne<CEmfPrint>(kind, t, v);
        std::string test = expected;
        Put(test, base + 1238, 1);
        Put(test, base + 1250, 3);
        Put(test, base + 2028, 1, 4);
        EXPECT_EQ(job.devMode, test) << kind;
        machine.ClearJobs();
    }
    SimJob job = PrintOne<CEmfPrint>(108, t, v);
    Put(expected, base + 1238, 1);
    Put(expected, base + 1250, 2);
    Put(expected, base + 1330, 1);
    EXPECT_EQ(job.devMode, expected);

    // Played over the printable page.
    HDC dc = CreateDCA(nullptr, kPrinter, nullptr, reinterpret_cast<const DEVMODEA*>(job.devMode.data()));
    ASSERT_NE(dc, nullptr);
    ASSERT_EQ(job.plays.size(), 1u);
    EXPECT_EQ(job.plays[0].left, 0);
    EXPECT_EQ(job.plays[0].top, 0);
    EXPECT_EQ(job.plays[0].right, GetDeviceCaps(dc, PHYSICALWIDTH) - GetDeviceCaps(dc, PHYSICALOFFSETX));
    EXPECT_EQ(job.plays[0].bottom, GetDeviceCaps(dc, PHYSICALHEIGHT) - GetDeviceCaps(dc, PHYSICALOFFSETY));
    EXPECT_EQ(job.plays[0].metafile, kPage);
    DeleteDC(dc);
}

TEST_F(EmfPrintTest, XpsWritesAtTheEndAndFollowsTheJob)
{
    int signalled = 0;
    auto previous = CEmfInternalXPS::SetJobEventHandler([&] { ++signalled; });
    std::string expected = Expected();
    size_t base = expected.size() - CEmfInternalXPS::privatePartSize;
    {
        CEmfInternalXPS print;
        print.SetPrinterName(kPrinter);
        print.OpenPrinterData();
        print.PrintPage(kPage, kVersion, 110, t.data(), v.data(), 228, CEmfInternalXPS::tableTypeGamma, 0x12345);
        ASSERT_EQ(machine.Jobs().size(), 1u);
        SimJob job = machine.Jobs().front();
        Put(expected, base + 602, 1);
        Put(expected, base + 612, 1);
        Put(expected, base + 614, 3);
        Put(expected, base + 618, 1);
        Put(expected, base + 620, 0x2345);
        PutTable(expected, base + 888, t);
        Put(expected, base + 1144, 228);
        PutTable(expected, base + 1146, v);
        Put(expected, base + 1402, 228);
        EXPECT_EQ(job.devMode, expected);
        EXPECT_EQ(signalled, 1);
        EXPECT_TRUE(print.IsJobSeen());
        EXPECT_EQ(print.GetJobId(), job.id);
        EXPECT_NE(print.GetJobPrinter(), nullptr);
    }
    machine.ClearJobs();

    // Colour tables write 0 as their type; a sample print is not followed.
    SimJob job = PrintOne<CEmfInternalXPS>(110, t, v, CEmfInternalXPS::tableTypeColor, DWORD{7});
    Put(expected, base + 618, 0);
    Put(expected, base + 620, 7);
    EXPECT_EQ(job.devMode, expected);
    machine.ClearJobs();

    job = PrintOne<CEmfInternalXPS>(108, t, v, CEmfInternalXPS::tableTypeGamma, DWORD{7});
    expected = Expected();
    Put(expected, base + 602, 1);
    Put(expected, base + 612, 1);
    Put(expected, base + 614, 2);
    EXPECT_EQ(job.devMode, expected);
    EXPECT_EQ(signalled, 2);
    CEmfInternalXPS::SetJobEventHandler(previous);
}

TEST_F(EmfPrintTest, OrientationFromModelValueElseFromFrame)
{
    struct Case {
        LONG right, bottom;
        const char* value;
        SHORT orientation;
    };
    const Case cases[] = {{2000, 1000, nullptr, DMORIENT_LANDSCAPE},
                          {1000, 2000, nullptr, DMORIENT_PORTRAIT},
                          {1000, 1000, nullptr, DMORIENT_PORTRAIT},
                          {2000, 1000, "Portrait", DMORIENT_PORTRAIT},
                          {1000, 2000, "Landscape", DMORIENT_LANDSCAPE},
                          {2000, 1000, "landscape", DMORIENT_LANDSCAPE},  // not a value: from the frame
                          {1000, 2000, "landscape", DMORIENT_PORTRAIT}};
    const std::string defaults = DefaultDeviceMode();
    const DWORD defaultFields = reinterpret_cast<const DEVMODEA*>(defaults.data())->dmFields;
    for (const Case& c : cases) {
        machine.WriteFile(kPage, MinimalMetafile(c.right, c.bottom));
        // The key is the file name without its folder.
        ASSERT_TRUE(WritePrivateProfileStringA("CCMVer3.40", "test page.emf", c.value, kUtilityIni));
        SimJob job = PrintOne<CEmfInternalNT>(108, t, v);
        const auto* mode = reinterpret_cast<const DEVMODEA*>(job.devMode.data());
        EXPECT_EQ(mode->dmOrientation, c.orientation) << c.right << "x" << c.bottom << " " << (c.value ? c.value : "");
        EXPECT_EQ(mode->dmFields, defaultFields);
        machine.ClearJobs();
    }
}

TEST_F(EmfPrintTest, TablesOrFieldsBeyondTheDeviceModeStopThePrint)
{
    // Longer than a table area.
    const std::vector<BYTE> longT = Table(257, 1);
    const std::vector<BYTE> longV = Table(257, 2);
    EXPECT_EQ(MessageOf([&] { PrintOne<CEmfInternalNT>(110, longT, longV); }), IDS_ERR_PRINT_FAILED);
    EXPECT_EQ(MessageOf([&] { PrintOne<CEmfInternal9x>(110, longT, longV); }), IDS_ERR_PRINT_FAILED);
    EXPECT_EQ(MessageOf([&] { PrintOne<CEmfInternalXPS>(110, longT, longV, 1, DWORD{1}); }), IDS_ERR_PRINT_FAILED);
    EXPECT_TRUE(machine.Jobs().empty());
    // A full area is fine, and a sample print ignores the tables altogether.
    EXPECT_EQ(MessageOf([&] { PrintOne<CEmfInternalNT>(110, Table(256, 1), Table(256, 2)); }), 0u);
    machine.ClearJobs();
    EXPECT_EQ(MessageOf([&] { PrintOne<CEmfInternalNT>(108, longT, longV); }), 0u);
    machine.ClearJobs();

    // Private parts one byte too short for the highest field written.
    struct Case {
        unsigned extra;
        int kind;
    };
    for (const Case& c : {Case{1483, 110}, Case{721, 108}}) {
        SimMachine small;
        SetUpMachine(small, c.extra);
        CEmfInternalNT print;
        print.SetPrinterName(kPrinter);
        print.OpenPrinterData();
        const std::string before(reinterpret_cast<const char*>(print.GetDeviceMode()), print.GetDeviceModeSize());
        EXPECT_EQ(MessageOf([&] { print.PrintPage(kPage, kVersion, c.kind, t.data(), v.data(), 228); }),
                  IDS_ERR_PRINT_FAILED)
            << c.extra;
        // Not even the orientation was touched.
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(print.GetDeviceMode()), print.GetDeviceModeSize()),
                  before);
        EXPECT_TRUE(small.Jobs().empty());
    }
    {
        // The XPS part may not reach back into the public part; the profile print's 32-bit
        // field ends 2032 bytes into the private part.
        SimMachine small;
        SetUpMachine(small, CEmfInternalXPS::privatePartSize - 1);
        CEmfInternalXPS xps;
        xps.SetPrinterName(kPrinter);
        xps.OpenPrinterData();
        EXPECT_EQ(MessageOf([&] { xps.PrintPage(kPage, kVersion, 108, nullptr, nullptr, 0, 1, 1); }),
                  IDS_ERR_PRINT_FAILED);
        CEmfPrint emf;
        emf.SetPrinterName(kPrinter);
        emf.OpenPrinterData();
        EXPECT_EQ(MessageOf([&] { emf.PrintPage(kPage, kVersion, 0, nullptr, nullptr, 0); }), IDS_ERR_PRINT_FAILED);
        EXPECT_TRUE(small.Jobs().empty());
    }
}

TEST_F(EmfPrintTest, MissingPrinterOrTestFileRaises)
{
    CEmfInternalNT missingPrinter;
    missingPrinter.SetPrinterName("No Such Printer");
    EXPECT_EQ(MessageOf([&] { missingPrinter.OpenPrinterData(); }), IDS_ERR_PRINTER_NOT_OPENED);

    CEmfInternalNT print;
    print.SetPrinterName(kPrinter);
    print.OpenPrinterData();
    ASSERT_NE(print.GetDeviceMode(), nullptr);
    EXPECT_EQ(
        MessageOf([&] { print.PrintPage("C:\\Host\\Tintora\\missing.emf", kVersion, 110, t.data(), v.data(), 228); }),
        IDS_ERR_FILE_ACCESS);
    EXPECT_TRUE(machine.Jobs().empty());
}

}  // namespace

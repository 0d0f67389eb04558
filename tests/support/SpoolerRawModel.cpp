#include "support/SpoolerRawModel.h"

#include <gtest/gtest.h>

#include "platform/win32api.h"
#include "storage/CFileAcc.h"
#include "support/TempFolder.h"

SpoolerRawModel::SpoolerRawModel(const std::string& driver, const std::string& printer, const std::string& tag,
                                 const std::string& catalog)
    : m_driver(driver), m_printer(printer), m_tag(tag), m_catalog(catalog)
{
}

SpoolerRawModel::~SpoolerRawModel()
{
    m_spooler.reset();
    if (!m_utility.empty()) TempFolder::RemoveTree(m_utility);
    if (!m_savedDirectory.empty()) SetCurrentDirectoryA(m_savedDirectory.c_str());
}

void SpoolerRawModel::Install()
{
    char buffer[MAX_PATH + 1] = {};
    ASSERT_GT(GetCurrentDirectoryA(sizeof buffer, buffer), 0u);
    m_savedDirectory = buffer;
    // The utility folder lies beside the host program, and the host runs in its folder.
    ASSERT_GT(GetModuleFileNameA(nullptr, buffer, sizeof buffer), 0u);
    const std::string exeFolder = CFileAcc::GetFolderPart(buffer);
    ASSERT_TRUE(SetCurrentDirectoryA(exeFolder.c_str()));
    m_utility = TempFolder::WithSlash(exeFolder) + "Tintora\\";
    TempFolder::RemoveTree(m_utility);
    ASSERT_TRUE(CreateDirectoryA(m_utility.c_str(), nullptr)) << m_utility;
    SpoolerPrinter::WriteText(m_utility + "Tavrel.ini",
                              "[CCMVer3.31]\r\nModule=TVCCM.dll\r\nPrintMode=RAW\r\nGammaTestFile=GTEST.PRN\r\n"
                              "DataSize=000000E4\r\n[DefaultSettingVer3.31]\r\nStandard=0\r\nVivid=1\r\n");

    m_spooler = std::make_unique<SpoolerPrinter>(m_driver, m_printer);
    const std::string capability = m_tag + ".CAP";
    SpoolerPrinter::WriteText(m_spooler->Source(capability),
                              "[Capability]\r\n" + m_driver + "=" + m_tag + "\r\n[" + m_tag + "]\r\nCCMInfoFile=" +
                                  m_catalog + "\r\nCCMVersion=3.31\r\nLocalPrinterOnly=0\r\n");
    SpoolerPrinter::WriteText(m_spooler->Source(m_catalog), "[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=0\r\n");
    m_spooler->Install({capability, m_catalog});
}

std::string SpoolerRawModel::InstalledCatalog() const
{
    return m_spooler ? m_spooler->InstalledFolder() + m_catalog : std::string();
}

std::string SpoolerRawModel::LocalCatalog() const
{
    return m_utility + m_driver + "\\" + m_catalog;
}

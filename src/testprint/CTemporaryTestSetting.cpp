#include "testprint/CTemporaryTestSetting.h"

#include <cstdlib>
#include <utility>

#include "launch/CStrRes.h"
#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CCatalogKey.h"
#include "storage/CCtrlMng.h"
#include "storage/CDataMngBase.h"
#include "storage/CIniUtility.h"

namespace {

constexpr char kBaseName[] = "testprint";

std::string Trimmed(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

CTemporaryTestSetting::CTemporaryTestSetting(int kind, TableAction writeTables, TableAction removeTables)
    : m_kind(kind), m_writeTables(std::move(writeTables)), m_removeTables(std::move(removeTables))
{
}

CTemporaryTestSetting::~CTemporaryTestSetting()
{
    Remove();
}

std::string CTemporaryTestSetting::FreeName(const CmyStringArray& taken)
{
    // Catalogue keys ignore case: "TestPrint" takes "testprint" too, or the entry's mode and
    // its removal would reach that setting's key.
    std::string name = kBaseName;
    for (int number = 1; !CCatalogKey::FindStored(taken, name).empty(); ++number) {
        name = kBaseName + std::to_string(number);
    }
    return name;
}

bool CTemporaryTestSetting::NameSharedWithStoredSetting() const
{
    int holders = 0;
    for (int kind : {CDataMngBase::kindColor, CDataMngBase::kindGamma}) {
        CCtrlMng catalog;
        catalog.SetFile(m_catalogPath, kind);
        for (const std::string& name : catalog.GetSettingNames()) {
            if (CCatalogKey::SameName(name, m_name)) ++holders;
        }
    }
    return holders > 1;
}

CmyStringArray CTemporaryTestSetting::TakenNames(const CUtilityInfo& info) const
{
    CmyStringArray taken;
    for (int kind : {CDataMngBase::kindColor, CDataMngBase::kindGamma}) {
        CCtrlMng catalog;
        catalog.SetFile(info.driverCatalogPath, kind);
        taken.AppendAll(catalog.GetSettingNames());
    }
    taken.AppendAll(CIniUtility().GetDefaultSettingKeys(info.ccmVersion));
    taken.Add(Trimmed(CStrRes().Load(IDS_DEFAULT_ENTRY)));
    return taken;
}

std::string CTemporaryTestSetting::IdOfEntry() const
{
    CCtrlMng catalog;
    catalog.SetFile(m_catalogPath, m_kind);
    return catalog.GetIdByName(m_name);
}

DWORD CTemporaryTestSetting::Make(const CUtilityInfo& info)
{
    Remove();
    m_catalogPath = info.driverCatalogPath;
    m_name = FreeName(TakenNames(info));

    CCtrlMng catalog;
    catalog.SetFile(m_catalogPath, m_kind);
    // From here on whatever part was written is removed again if the rest fails.
    m_made = true;
    try {
        catalog.AddTestSetting(m_name);
        // Without an entry of its own the print would name the identifier of another setting.
        const std::string id = IdOfEntry();
        m_id = id;
        if (id.empty()) {
            if (catalog.GetSettingCount() >= CCtrlMng::maxSettings)
                throw CmyException(IDS_ERR_CATALOG_FULL, {}, CmyException::warning);
            throw CmyException(IDS_ERR_SETTING_NOT_STORED, m_catalogPath);
        }
        m_writeTables(m_name);
        std::string tText;
        std::string vText;
        catalog.GetTables(m_name, tText, vText);
        if (tText.empty() || vText.empty()) throw CmyException(IDS_ERR_SETTING_NOT_STORED, m_catalogPath);
        return static_cast<DWORD>(std::strtoul(id.c_str(), nullptr, 10));
    } catch (...) {
        Remove();
        throw;
    }
}

void CTemporaryTestSetting::Remove()
{
    if (!m_made) return;
    m_made = false;
    const std::string id = m_id;
    m_id.clear();
    bool shared = false;
    try {
        // Only the entry that is still ours goes: found by its identifier and its name.
        CCtrlMng catalog;
        catalog.SetFile(m_catalogPath, m_kind);
        if (id.empty() || catalog.GetNameById(id) != m_name) return;
        shared = NameSharedWithStoredSetting();
    } catch (...) {
        return;
    }
    try {
        // The page removes the tables and the keys by the entry's name; should a stored setting
        // have come to share that name meanwhile, those keys are its own and only the entry's
        // tables go, by its identifier.
        if (!shared && m_removeTables) m_removeTables(m_name);
    } catch (...) {
        // The entry below goes in any case: a listed setting without tables is worse.
    }
    try {
        CCtrlMng catalog;
        catalog.SetFile(m_catalogPath, m_kind);
        if (shared) {
            catalog.DeleteKey("CCMNT" + id);
            catalog.DeleteKey("CCMNV" + id);
        }
        catalog.DeleteSettingById(id);
    } catch (...) {
        // Called from destructors and end-of-session handlers: nothing may escape.
    }
}

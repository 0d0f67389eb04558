// The temporary "testprint" setting that an XPS-driver test print names in its device mode: a
// catalogue entry of its own holding the tables under test. It is made just before the print
// and removed after it on every path: a failed print, the end of the session, or the owner
// going away while it still exists.
#pragma once

#include <functional>
#include <string>

#include "launch/CUtilityInfo.h"
#include "launch/CmyStringArray.h"
#include "platform/win32api.h"

class CTemporaryTestSetting {
public:
    // Writes the tables under test under the entry's name, or removes them again; given by the
    // page that owns the data manager of its kind.
    using TableAction = std::function<void(const std::string& name)>;

    // kind: CDataMngBase::kindColor or kindGamma, the catalogue section the entry goes in.
    CTemporaryTestSetting(int kind, TableAction writeTables, TableAction removeTables);
    ~CTemporaryTestSetting();
    CTemporaryTestSetting(const CTemporaryTestSetting&) = delete;
    CTemporaryTestSetting& operator=(const CTemporaryTestSetting&) = delete;

    // "testprint", or "testprint" with the first number from 1 on that is not in taken, in any
    // case (CCatalogKey::SameName).
    static std::string FreeName(const CmyStringArray& taken);

    // Adds the entry under a name no setting of either kind and no default entry uses, and
    // writes its tables; returns its identifier. A catalogue without room raises
    // IDS_ERR_CATALOG_FULL, an entry or tables that were not written IDS_ERR_SETTING_NOT_STORED;
    // what was made is removed first, so the catalogue is as it was.
    DWORD Make(const CUtilityInfo& info);
    // Removes the tables and the entry, once; later calls do nothing. Never touches a key of a
    // stored setting, even one that came to share the entry's name. Never throws.
    void Remove();

    bool IsMade() const { return m_made; }
    const std::string& GetName() const { return m_name; }

private:
    CmyStringArray TakenNames(const CUtilityInfo& info) const;
    std::string IdOfEntry() const;
    // More than one listed setting of either kind under the entry's name, in any case.
    bool NameSharedWithStoredSetting() const;

    int m_kind;
    TableAction m_writeTables;
    TableAction m_removeTables;
    std::string m_catalogPath;
    std::string m_name;
    std::string m_id;  // the entry's identifier once it is listed
    bool m_made = false;
};

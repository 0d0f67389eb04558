#include "CSettingsTool.h"

#include <algorithm>

#include "CConsoleExchangeUser.h"
#include "CJsonText.h"
#include "exchange/CSettingCandidates.h"
#include "exchange/CSettingDelete.h"
#include "exchange/CSettingExport.h"
#include "exchange/CSettingImport.h"
#include "framework/MessageBox.h"
#include "gamma/CSilentProfileBuilder.h"
#include "launch/CmyException.h"
#include "launch/LaunchChecks.h"
#include "launch/TextFormat.h"
#include "pages/CSelectDriverPage.h"
#include "exchange/CSettingFileCopy.h"
#include "printer/CPrint.h"
#include "resources/resource.h"
#include "storage/CCatalogKey.h"
#include "storage/CCtrlMng.h"
#include "storage/CDataMngBase.h"
#include "storage/CFileAcc.h"
#include "storage/CIniUtility.h"

namespace {

constexpr int kindColor = CDataMngBase::kindColor;
constexpr int kindGamma = CDataMngBase::kindGamma;

// While the tool runs, a message box that some layer still shows is written out instead and
// answered with its safe button: nobody is there to press one.
class ConsoleMessageBoxes {
public:
    explicit ConsoleMessageBoxes(std::ostream& messages)
        : m_previous(fw::SetMessageBoxHook([&messages](const fw::MessageBoxRequest& box) {
              messages << box.text << '\n';
              switch (box.style & 0xFu) {
              case MB_OKCANCEL:
              case MB_RETRYCANCEL:
              case MB_YESNOCANCEL:
                  return IDCANCEL;
              case MB_YESNO:
                  return IDNO;
              case MB_ABORTRETRYIGNORE:
                  return IDABORT;
              default:
                  return IDOK;
              }
          }))
    {
    }
    ~ConsoleMessageBoxes() { fw::SetMessageBoxHook(m_previous); }
    ConsoleMessageBoxes(const ConsoleMessageBoxes&) = delete;
    ConsoleMessageBoxes& operator=(const ConsoleMessageBoxes&) = delete;

private:
    fw::MessageBoxHook m_previous;
};

// The tool reads "Tintora\Tavrel.ini" and the language libraries beside itself, wherever a
// login script starts it; the caller's folder comes back when the command is done.
class ProgramFolder {
public:
    ProgramFolder() : m_length(GetCurrentDirectoryA(MAX_PATH, m_saved))
    {
        const std::string folder = CFileAcc().GetExeFolder();
        if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
    }
    ~ProgramFolder()
    {
        if (m_length > 0 && m_length < MAX_PATH) SetCurrentDirectoryA(m_saved);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

private:
    char m_saved[MAX_PATH] = {};
    DWORD m_length;
};

const char* KindText(int kind) { return kind == kindGamma ? "gamma" : "colour"; }

}  // namespace

std::string CSettingsTool::SystemPath(const std::string& path)
{
    std::string result = path;
    if (result.empty()) return result;
#ifndef _WIN32
    // On Linux a host path stands for drive Z:, as Wine shows the host's files.
    if (path[0] == '/' && path.compare(0, 2, "//") != 0) result = "Z:" + result;
#endif
    std::replace(result.begin(), result.end(), '/', '\\');
    // Relative, drive-relative and rooted paths become full ones from the caller's folder,
    // before the tool moves to its own.
    std::string full(MAX_PATH, '\0');
    DWORD length = GetFullPathNameA(result.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameA(result.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size()) return result;
    full.resize(length);
    return full;
}

void CSettingsTool::Say(UINT textId, const std::string& argument)
{
    m_messages << FormatText(m_strings.Load(textId), argument) << '\n';
}

int CSettingsTool::Usage(const std::string& problem)
{
    if (!problem.empty()) Say(IDS_TOOL_ERR_USAGE, problem);
    for (UINT id : {IDS_TOOL_USAGE_TITLE, IDS_TOOL_USAGE_PRINTERS, IDS_TOOL_USAGE_LIST, IDS_TOOL_USAGE_EXPORT,
                    IDS_TOOL_USAGE_IMPORT, IDS_TOOL_USAGE_DELETE, IDS_TOOL_USAGE_JSON}) {
        Say(id);
    }
    return exitUsage;
}

int CSettingsTool::Run(const std::vector<std::string>& arguments)
{
    CToolArguments command;
    if (!command.Parse(arguments)) return Usage(command.GetProblem());
    // Paths on the command line are taken from the caller's folder, before the tool moves.
    const std::string file = command.GetFile().empty() ? std::string() : SystemPath(command.GetFile());
    const ProgramFolder programFolder;
    ConsoleMessageBoxes boxes(m_messages);

    // An administrator's tool, refused to others as the wizard is. It never asks for elevation
    // itself (scripts start it), so it says how to start it with the full token.
    if (IsRefusedAsNonAdministrator()) {
        Say(IDS_TOOL_ERR_NOT_ELEVATED);
        return exitFailed;
    }
    try {
        if (command.GetCommand() == CToolArguments::Command::printers) return ListPrinters(command.Json());
        CUtilityInfo info;
        if (!ApplyPrinter(command.GetPrinterName(), info)) return exitFailed;
        switch (command.GetCommand()) {
        case CToolArguments::Command::list:
            return ListSettings(info, command.Json());
        case CToolArguments::Command::exportSettings:
            return Export(info, file, command.GetNames());
        case CToolArguments::Command::importSettings:
            return Import(info, file, command.GetNames(), command.Replace());
        case CToolArguments::Command::deleteSetting:
            return Delete(info, command.GetNames().front(), command.GetKind());
        default:
            return Usage(std::string());
        }
    } catch (const CmyException& e) {
        m_messages << e.GetMessage() << '\n';
        return exitFailed;
    }
}

bool CSettingsTool::ApplyPrinter(const std::string& printer, CUtilityInfo& info)
{
    // The printer page lists the supported printers and applies the chosen one; the tool uses
    // it without showing it, so both resolve a printer the same way.
    CSelectDriverPage page(&info);
    const std::string name = CCatalogKey::FindStored(page.GetSupportedPrinters(), printer);
    if (printer.empty() || name.empty()) {
        Say(IDS_TOOL_ERR_PRINTER, printer);
        return false;
    }
    info.printerName = name;
    page.ApplyPrinter();
    return true;
}

int CSettingsTool::ListPrinters(bool json)
{
    CUtilityInfo info;
    const CSelectDriverPage page(&info);
    CPrint print;
    CmyStringArray installed;
    print.GetPrinterList(installed);  // the driver names come from this enumeration
    const CIniUtility utility;
    if (json) m_out << '[';
    bool first = true;
    for (const std::string& name : page.GetSupportedPrinters()) {
        const std::string model = print.GetDriverName(name);
        const std::string version = print.GetCCMVersion(name);
        const std::string mode = utility.GetVersionValue(version, "PrintMode");
        const std::string catalog = print.GetCCMInfoFile(name);
        if (json) {
            m_out << (first ? "" : ",") << "\n  {\"name\": " << CJsonText::Quote(name)
                  << ", \"model\": " << CJsonText::Quote(model) << ", \"version\": " << CJsonText::Quote(version)
                  << ", \"printMode\": " << CJsonText::Quote(mode) << ", \"catalog\": " << CJsonText::Quote(catalog)
                  << '}';
        } else {
            m_out << name << '\t' << model << '\t' << version << '\t' << mode << '\t' << catalog << '\n';
        }
        first = false;
    }
    if (json) m_out << (first ? "]\n" : "\n]\n");
    return exitDone;
}

int CSettingsTool::ListSettings(const CUtilityInfo& info, bool json)
{
    if (json) m_out << '[';
    bool first = true;
    for (int kind : {kindColor, kindGamma}) {
        CCtrlMng catalog;
        catalog.SetFile(info.driverCatalogPath, kind);
        for (const std::string& name : catalog.GetSettingNames()) {
            const std::string id = catalog.GetIdByName(name);
            if (json) {
                m_out << (first ? "" : ",") << "\n  {\"kind\": \"" << KindText(kind) << "\", \"name\": "
                      << CJsonText::Quote(name) << ", \"id\": " << CJsonText::Quote(id) << '}';
            } else {
                m_out << KindText(kind) << '\t' << name << '\t' << id << '\n';
            }
            first = false;
        }
    }
    if (json) m_out << (first ? "]\n" : "\n]\n");
    return exitDone;
}

bool CSettingsTool::FindSettings(const CmyStringArray& colour, const CmyStringArray& gamma,
                                 const std::vector<std::string>& names, CmyStringArray& found, std::vector<int>& kinds)
{
    for (const std::string& name : names) {
        bool any = false;
        for (int kind : {kindColor, kindGamma}) {
            const std::string stored = CCatalogKey::FindStored(kind == kindColor ? colour : gamma, name);
            if (stored.empty()) continue;
            any = true;
            // A name given twice is one setting: registering it twice would spoil a setting file.
            bool twice = false;
            for (int i = 0; i < found.GetSize(); ++i) {
                twice = twice || (kinds[static_cast<size_t>(i)] == kind && found[i] == stored);
            }
            if (twice) continue;
            found.Add(stored);
            kinds.push_back(kind);
        }
        if (!any) {
            Say(IDS_TOOL_ERR_NO_SETTING, name);
            return false;
        }
    }
    return true;
}

int CSettingsTool::Export(const CUtilityInfo& info, const std::string& file, const std::vector<std::string>& names)
{
    CmyStringArray chosen;
    std::vector<int> kinds;
    if (!FindSettings(CSettingCandidates::ForExport(info.driverCatalogPath, kindColor),
                      CSettingCandidates::ForExport(info.driverCatalogPath, kindGamma), names, chosen, kinds)) {
        return exitFailed;
    }
    CConsoleExchangeUser user(m_strings, m_messages, false);
    const BOOL written = CSettingExport(info, user).Export(chosen, kinds, CSettingExport::NormalizeExtension(file));
    // A setting file written with only a warning (a file it could not copy) is done.
    return written && !user.Failed() ? exitDone : exitFailed;
}

int CSettingsTool::Import(const CUtilityInfo& info, const std::string& file, const std::vector<std::string>& names,
                          bool replace)
{
    // The file is read once into a copy of our own, and nothing is read from a setting file
    // that is not of our own form: what is checked is what is imported.
    CSettingFileCopy copy;
    std::string argument;
    if (const UINT problem = copy.Take(file, &argument)) {
        Say(problem, argument);
        return exitFailed;
    }
    const std::string& checked = copy.GetSettingFile();
    CmyStringArray offered[2];
    for (int kind : {kindColor, kindGamma}) {
        CCtrlMng settings;
        settings.SetFile(checked, kind);
        offered[kind - 1] = settings.GetSettingNames();
    }
    CmyStringArray chosen;
    std::vector<int> kinds;
    if (names.empty()) {
        for (int kind : {kindColor, kindGamma}) {
            for (const std::string& name : offered[kind - 1]) {
                chosen.Add(name);
                kinds.push_back(kind);
            }
        }
    } else if (!FindSettings(offered[0], offered[1], names, chosen, kinds)) {
        return exitFailed;
    }

    // As the wizard offers them: a setting whose tables are stored already is not imported
    // again, so running the same import twice changes nothing the second time. The candidates
    // of each kind are found once, not once per chosen name.
    const CmyStringArray candidates[2] = {CSettingCandidates::ForImport(checked, info.driverCatalogPath, kindColor),
                                          CSettingCandidates::ForImport(checked, info.driverCatalogPath, kindGamma)};
    CmyStringArray fresh;
    std::vector<int> freshKinds;
    for (int i = 0; i < chosen.GetSize(); ++i) {
        const int kind = kinds[static_cast<size_t>(i)];
        if (CCatalogKey::FindStored(candidates[kind - 1], chosen[i]).empty()) {
            Say(IDS_TOOL_MSG_ALREADY_STORED, chosen[i]);
            continue;
        }
        fresh.Add(chosen[i]);
        freshKinds.push_back(kind);
    }
    if (fresh.IsEmpty()) {
        Say(IDS_MSG_NOTHING_TO_IMPORT);
        return exitDone;
    }

    CConsoleExchangeUser user(m_strings, m_messages, replace);
    // No window: the profiles of an "EMF" model are built without the progress dialog.
    CSilentProfileBuilder profiles;
    CSettingImport import(info, user);
    import.SetProfileBuilder(&profiles);
    int imported = 0;
    try {
        imported = import.Import(fresh, freshKinds, copy);
    } catch (const CmyException& e) {
        m_messages << e.GetMessage() << '\n';
        return exitFailed;
    }
    m_messages << FormatNumber(m_strings.Load(IDS_TOOL_MSG_IMPORTED), imported) << '\n';
    return user.Failed() || user.Warned() ? exitFailed : exitDone;
}

int CSettingsTool::Delete(const CUtilityInfo& info, const std::string& name, int kind)
{
    const std::string stored = CCatalogKey::FindStored(CSettingCandidates::ForExport(info.driverCatalogPath, kind), name);
    if (stored.empty()) {
        Say(IDS_TOOL_ERR_NO_SETTING, name);
        return exitFailed;
    }
    CSettingDelete(info).Delete(stored, kind);
    Say(IDS_TOOL_MSG_DELETED, stored);
    return exitDone;
}

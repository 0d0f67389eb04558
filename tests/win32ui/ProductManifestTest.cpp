// What Windows reads from the built programs' manifests, read back through the activation-context
// calls under Wine (which parse them as Windows does), and the library's own context at work: the
// wizard of the built TAVREL.dll, run as a host runs it, shows controls of common controls 6.
// Wine cannot show elevation or themes themselves; these are what the files ask of Windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "ProductIdentity.h"
#include "launch/TavrelEntry.h"
#include "platform/win32api.h"
#include "resources/resource.h"
#include "support/SpoolerRawModel.h"

#include <commctrl.h>  // after windows.h

namespace {

constexpr int kNextButton = 0x3024;  // the wizard's Next button

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\') + 1);
}

// The file of the module whose code runs the window's class (lower case).
std::string ClassCodeFile(HWND window) {
    const auto procedure = reinterpret_cast<LPCSTR>(GetClassLongPtrW(window, GCLP_WNDPROC));
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       procedure, &module);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    std::string file = path;
    for (char& c : file) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return file;
}

// Buttons, edits, lists and static controls are user32's, except in common controls 6, which
// brings its own: a button whose code is in comctl32.dll is a version 6 control (on Windows the
// side-by-side assembly's file; under Wine the one comctl32 serves both versions).
bool IsCommonControls6(const std::string& buttonCodeFile) {
    const std::string name = "\\comctl32.dll";
    return buttonCodeFile.size() > name.size() &&
           buttonCodeFile.compare(buttonCodeFile.size() - name.size(), name.size(), name) == 0;
}

// The activation context of a built file's manifest resource.
class ManifestContext {
public:
    ManifestContext(const std::string& file, WORD resource) {
        m_path = ProgramFolder() + file;
        ACTCTXA request = {};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = m_path.c_str();
        request.lpResourceName = MAKEINTRESOURCEA(resource);
        m_context = CreateActCtxA(&request);
    }
    ~ManifestContext() {
        if (m_context != INVALID_HANDLE_VALUE) ReleaseActCtx(m_context);
    }
    ManifestContext(const ManifestContext&) = delete;
    ManifestContext& operator=(const ManifestContext&) = delete;

    bool Made() const { return m_context != INVALID_HANDLE_VALUE; }

    ACTCTX_REQUESTED_RUN_LEVEL RunLevel() const {
        ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION info = {};
        SIZE_T needed = 0;
        if (!QueryActCtxW(0, m_context, nullptr, RunlevelInformationInActivationContext, &info, sizeof info, &needed))
            return ACTCTX_RUN_LEVEL_UNSPECIFIED;
        return info.RunLevel;
    }

    // The compatibility information as the system returns it. Its elements grew a field in
    // Windows 10 (the highest version tested), so the ids are looked for in the bytes.
    std::vector<BYTE> Compatibility() const {
        std::vector<BYTE> buffer(4096);
        SIZE_T needed = 0;
        if (!QueryActCtxW(0, m_context, nullptr, CompatibilityInformationInActivationContext, buffer.data(),
                          buffer.size(), &needed))
            return {};
        buffer.resize(std::min<SIZE_T>(needed, buffer.size()));
        return buffer;
    }

    // A setting of the manifest's windowsSettings (dpiAware, dpiAwareness ...), empty when unset.
    std::wstring Setting(const wchar_t* space, const wchar_t* name) const {
        wchar_t value[64] = {};
        SIZE_T written = 0;
        if (!QueryActCtxSettingsW(0, m_context, space, name, value, 64, &written)) return L"";
        return value;
    }

    // The file of the code behind a button made while the context is active.
    std::string ButtonCodeFile() const {
        ULONG_PTR cookie = 0;
        if (!ActivateActCtx(m_context, &cookie)) return "";
        const HWND button = CreateWindowExA(0, "Button", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        const std::string file = button ? ClassCodeFile(button) : "";
        if (button) DestroyWindow(button);
        DeactivateActCtx(0, cookie);
        return file;
    }

private:
    std::string m_path;
    HANDLE m_context = INVALID_HANDLE_VALUE;
};

bool Contains(const std::vector<BYTE>& bytes, const GUID& id) {
    const auto* first = reinterpret_cast<const BYTE*>(&id);
    return std::search(bytes.begin(), bytes.end(), first, first + sizeof id) != bytes.end();
}

// Windows 7, 8, 8.1 and 10 (11 shares the last).
const GUID kSupportedOs[] = {
    {0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}},
    {0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}},
    {0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}},
    {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}},
};

struct ProgramManifest {
    const char* file;
    ACTCTX_REQUESTED_RUN_LEVEL runLevel;
    bool commonControls6;
    const wchar_t* dpiAwareness;  // the wizard draws for the screen's resolution; the tool draws nothing
};

class ProgramManifestTest : public ::testing::TestWithParam<ProgramManifest> {};

// The wizard's host asks for the administrator's full token (the launch check refuses the
// filtered one); the tool, started by scripts and deployment tools, never asks and says so.
TEST_P(ProgramManifestTest, AsksForItsRunLevelOnWindows7To11) {
    const ProgramManifest& program = GetParam();
    ManifestContext manifest(program.file, 1);
    ASSERT_TRUE(manifest.Made()) << program.file << ": " << GetLastError();
    EXPECT_EQ(manifest.RunLevel(), program.runLevel);
    const std::vector<BYTE> compatibility = manifest.Compatibility();
    for (const GUID& os : kSupportedOs) EXPECT_TRUE(Contains(compatibility, os)) << program.file;
    EXPECT_EQ(IsCommonControls6(manifest.ButtonCodeFile()), program.commonControls6) << manifest.ButtonCodeFile();
    EXPECT_EQ(manifest.Setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
              program.dpiAwareness) << program.file;
    EXPECT_EQ(manifest.Setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"),
              *program.dpiAwareness ? L"true" : L"") << program.file;
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramManifestTest,
                         ::testing::Values(ProgramManifest{"TavrelHost.exe", ACTCTX_RUN_LEVEL_REQUIRE_ADMIN, true, L"system"},
                                           ProgramManifest{"TavrelSettings.exe", ACTCTX_RUN_LEVEL_AS_INVOKER, false, L""}));

// Every file we ship names the product, the publisher and the project's version, as Explorer's
// properties and the installed programs show them.
TEST(VersionRecords, EveryShippedFileNamesTheProductAndItsVersion) {
    std::vector<std::string> files = {"TAVREL.dll", "TavrelHost.exe", "TavrelSettings.exe",
                                      "vemrload.dll", "TVCCM.dll", "TVICC.dll"};
    // Every language library the build makes.
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((ProgramFolder() + "XV*.dll").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do files.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    ASSERT_GE(files.size(), 8u);

    const WORD version[] = {TAVREL_VERSION_NUMBERS};
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const std::string path = ProgramFolder() + file;
        DWORD ignored = 0;
        std::vector<BYTE> record(GetFileVersionInfoSizeA(path.c_str(), &ignored));
        ASSERT_FALSE(record.empty());
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(record.size()), record.data()));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), version[0]);
        EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), version[1]);
        EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), version[2]);
        const auto text = [&](const char* name) {
            char* value = nullptr;
            UINT size = 0;
            const std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
            return VerQueryValueA(record.data(), key.c_str(), reinterpret_cast<void**>(&value), &size) && value
                       ? std::string(value)
                       : std::string();
        };
        EXPECT_EQ(text("ProductName"), TAVREL_PRODUCT_NAME);
        EXPECT_EQ(text("CompanyName"), TAVREL_PUBLISHER);
        EXPECT_EQ(text("OriginalFilename"), file);
    }
}

// The user of the wizard below: on each tick it looks at the task page once, then cancels, and
// agrees to the question that follows (the library's own message box, not the test's hook).
class CancellingUser {
public:
    CancellingUser() {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, 50, &CancellingUser::Tick);
    }
    ~CancellingUser() {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    CancellingUser(const CancellingUser&) = delete;
    CancellingUser& operator=(const CancellingUser&) = delete;

    std::string radioCode;  // the file behind the task page's radio button, once seen
    bool sawPage = false;

private:
    struct Search {
        HWND sheet = nullptr;
        HWND box = nullptr;
    };

    static BOOL CALLBACK Find(HWND window, LPARAM found) {
        auto* search = reinterpret_cast<Search*>(found);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) != "#32770" || !IsWindowEnabled(window)) return TRUE;
        if (GetDlgItem(window, kNextButton))
            search->sheet = window;
        else if (GetDlgItem(window, IDOK))
            search->box = window;
        return TRUE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (s_current) s_current->Act();
    }

    void Act() {
        Search search;
        EnumThreadWindows(GetCurrentThreadId(), &CancellingUser::Find, reinterpret_cast<LPARAM>(&search));
        if (search.box) {
            SendMessageA(search.box, WM_COMMAND, IDOK, 0);
        } else if (search.sheet) {
            const auto page = reinterpret_cast<HWND>(SendMessageA(search.sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            const HWND radio = page ? GetDlgItem(page, IDC_SELECTEDIT_GAMMA_RADIO) : nullptr;
            if (radio && !sawPage) {
                sawPage = true;
                radioCode = ClassCodeFile(radio);
            }
            PostMessageA(search.sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        }
    }

    static CancellingUser* s_current;
    UINT_PTR m_timer = 0;
};

CancellingUser* CancellingUser::s_current = nullptr;

TEST(LibraryManifest, TheWizardOfTheBuiltLibraryShowsCommonControls6) {
    ManifestContext manifest("TAVREL.dll", 2);
    ASSERT_TRUE(manifest.Made()) << GetLastError();
    EXPECT_TRUE(IsCommonControls6(manifest.ButtonCodeFile())) << manifest.ButtonCodeFile();

    SpoolerRawModel model{"Tv Manifest Driver", "Tv Manifest Printer", "TvMan", "TVMANCM.INI"};
    model.Install();
    const HMODULE library = LoadLibraryA((ProgramFolder() + "TAVREL.dll").c_str());
    ASSERT_TRUE(library);
    const auto entry = reinterpret_cast<CallTintora32Function>(
        reinterpret_cast<void*>(GetProcAddress(library, "CallTintora32")));
    ASSERT_TRUE(entry);
    {
        CancellingUser user;
        EXPECT_EQ(entry(0, 0, "Tv Manifest Printer", 0), 0);
        EXPECT_TRUE(user.sawPage);
        EXPECT_TRUE(IsCommonControls6(user.radioCode)) << user.radioCode;
    }
    // Outside the call the host's own context is back: the test program has no manifest.
    const HWND button = CreateWindowExA(0, "Button", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(button);
    EXPECT_FALSE(IsCommonControls6(ClassCodeFile(button))) << ClassCodeFile(button);
    DestroyWindow(button);
    FreeLibrary(library);
}

}  // namespace

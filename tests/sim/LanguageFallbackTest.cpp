// Which language library the loader picks on a simulated machine, and what the utility shows
// when the libraries or the loader are missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/MessageBox.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/CmyException.h"
#include "launch/CmyMessageBox.h"
#include "modules/planted/PlantedRecord.h"
#include "resources/resource.h"
#include "support/MessageBoxRecorder.h"
#include "support/SimMachine.h"

namespace fs = std::filesystem;

namespace {

// The dialog library name the loader chooses on the current machine.
std::string DialogLibraryName() {
    HMODULE loader = LoadLibraryA("vemrload.dll");
    if (!loader) return "<no loader>";
    using GetFileNameFn = void (*)(const char*, char*);
    auto getName = reinterpret_cast<GetFileNameFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(loader, "VmGetHelpFileName")));
    char name[MAX_PATH] = {};
    if (getName) getName("XVDLG%s", name);
    FreeLibrary(loader);
    return name;
}

class LanguageFallback : public ::testing::Test {
protected:
    // The program's folder holding copies of chosen build libraries under chosen names and no
    // other library; the folder returned, for PATH, holds none.
    std::string LibraryFolder(std::initializer_list<std::pair<const char*, const char*>> copies) {
        machine.RemoveLibraries();
        const fs::path program = fs::path(machine.Root()) / "c" / "Host";
        for (const auto& [from, to] : copies) {
            fs::copy_file(fs::path(TAVREL_BIN_DIR) / from, program / to, fs::copy_options::overwrite_existing);
        }
        const fs::path empty = fs::path(machine.Root()) / "nolibs";
        fs::create_directories(empty);
        return empty.string();
    }

    SimMachine machine;
};

}  // namespace

TEST_F(LanguageFallback, EnglishMachineUsesTheEnglishLibraries) {
    machine.Set("Machine", "UILanguage", "0x0409");
    machine.Apply();
    EXPECT_EQ(DialogLibraryName(), "XVDLGENU.dll");
    EXPECT_FALSE(CStrRes().Load(IDS_CAPTION_ERROR).empty());
    EXPECT_NE(CDlgRes().GetModule(), nullptr);
}

TEST_F(LanguageFallback, LanguageWithoutLibrariesFallsBackToEnglish) {
    machine.Apply();
    const std::string english = CStrRes().Load(IDS_DEFAULT_ENTRY);
    ASSERT_FALSE(english.empty());

    // Dutch, Japanese, Brazilian Portuguese: languages with a code but no libraries.
    for (const char* language : {"0x0413", "0x0411", "0x0416", "0x0000", "0x7FFF"}) {
        SCOPED_TRACE(language);
        machine.Set("Machine", "UILanguage", language);
        machine.Apply();
        EXPECT_EQ(CStrRes().Load(IDS_DEFAULT_ENTRY), english);
        EXPECT_EQ(DialogLibraryName(), "XVDLGENU.dll");
        CDlgRes dialogs;
        EXPECT_NE(dialogs.GetModule(), nullptr);
    }
}

TEST_F(LanguageFallback, LanguageWithItsOwnLibrariesIsPreferred) {
    const std::string folder = LibraryFolder({{"vemrload.dll", "vemrload.dll"},
                                              {"XVSTRENU.dll", "XVSTRENU.dll"},
                                              {"XVDLGENU.dll", "XVDLGENU.dll"},
                                              {"XVSTRENU.dll", "XVSTRDEU.dll"},
                                              {"XVDLGENU.dll", "XVDLGDEU.dll"}});
    machine.Set("Machine", "LibraryPath", folder);
    machine.Set("Machine", "UILanguage", "0x0407");
    machine.Apply();
    EXPECT_EQ(DialogLibraryName(), "XVDLGDEU.dll");
    EXPECT_FALSE(CStrRes().Load(IDS_DEFAULT_ENTRY).empty());
    EXPECT_NE(CDlgRes().GetModule(), nullptr);

    machine.Set("Machine", "UILanguage", "0x0807");  // Swiss German: the same library
    machine.Apply();
    EXPECT_EQ(DialogLibraryName(), "XVDLGDEU.dll");

    machine.Set("Machine", "UILanguage", "0x040C");
    machine.Apply();
    EXPECT_EQ(DialogLibraryName(), "XVDLGENU.dll");
}

TEST_F(LanguageFallback, EveryShippedLanguageIsChosenForItsUsers) {
    machine.Apply();
    const std::string english = CStrRes().Load(IDS_CAPTION_WARNING);
    const struct {
        const char* uiLanguage;
        const char* library;
    } rows[] = {
        {"0x0407", "XVDLGDEU.dll"}, {"0x0807", "XVDLGDEU.dll"}, {"0x0C07", "XVDLGDEU.dll"},
        {"0x040C", "XVDLGFRA.dll"}, {"0x0C0C", "XVDLGFRA.dll"}, {"0x080C", "XVDLGFRA.dll"},
        {"0x0C0A", "XVDLGESP.dll"}, {"0x040A", "XVDLGESP.dll"}, {"0x080A", "XVDLGESP.dll"},
        {"0x0410", "XVDLGITA.dll"}, {"0x0810", "XVDLGITA.dll"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.uiLanguage);
        machine.Set("Machine", "UILanguage", row.uiLanguage);
        machine.Apply();
        EXPECT_EQ(DialogLibraryName(), row.library);
        const std::string text = CStrRes().Load(IDS_CAPTION_WARNING);
        EXPECT_FALSE(text.empty());
        EXPECT_NE(text, english);
        EXPECT_NE(CDlgRes().GetModule(), nullptr);
    }
}

TEST_F(LanguageFallback, MissingLanguageLibrariesGiveEmptyTextsAndNoDialogModule) {
    machine.Set("Machine", "LibraryPath", LibraryFolder({{"vemrload.dll", "vemrload.dll"}}));
    machine.Apply();
    CStrRes strings;
    EXPECT_EQ(strings.Load(IDS_CAPTION_ERROR), "");
    EXPECT_EQ(CDlgRes().GetModule(), nullptr);
}

TEST_F(LanguageFallback, MissingLoaderGivesEmptyTextsAndNoCrash) {
    machine.Set("Machine", "LibraryPath", LibraryFolder({}));
    machine.Apply();
    ASSERT_EQ(LoadLibraryA("vemrload.dll"), nullptr);

    CStrRes strings;
    EXPECT_EQ(strings.Load(IDS_CAPTION_ERROR), "");
    CDlgRes dialogs;
    EXPECT_EQ(dialogs.GetModule(), nullptr);

    MessageBoxRecorder boxes;
    CmyMessageBox().Show(nullptr, IDS_ERR_NO_SUPPORTED_PRINTER, 0x10, IDS_CAPTION_ERROR);
    CmyException(IDS_ERR_SETTING_DATA_MISSING, "C:\\Host\\Tintora\\UCD1.dat").Report();
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "");
    EXPECT_TRUE(boxes.Boxes()[0].applicationBox);  // no caption text: the framework box
    EXPECT_EQ(boxes.Boxes()[1].text, "");
    EXPECT_EQ(boxes.Boxes()[1].caption, "");
    EXPECT_EQ(boxes.Boxes()[1].style, 0x2010u);
}

TEST_F(LanguageFallback, PlantedLibrariesInTheCurrentFolderOrOnPathAreNeverLoaded) {
    // An English (United Kingdom) user: no "ENG" libraries are installed, so the loader falls back
    // to English; libraries of the missing names and a loader wait in the current folder and on PATH.
    const fs::path path = fs::path(machine.Root()) / "path";
    const fs::path work = fs::path(machine.Root()) / "c" / "Work";
    for (const fs::path& folder : {path, work}) {
        fs::create_directories(folder);
        for (const char* name : {"XVSTRENG.dll", "XVDLGENG.dll", "vemrload.dll"})
            fs::copy_file(fs::path(TAVREL_BIN_DIR) / planted::kFileName, folder / name);
    }
    machine.Set("Machine", "UILanguage", "0x0809");
    machine.Set("Machine", "CurrentDirectory", "C:\\Work");
    machine.Set("Machine", "LibraryPath", path.string());
    machine.Apply();
    planted::Forget();
    EXPECT_FALSE(CStrRes().Load(IDS_CAPTION_ERROR).empty());
    EXPECT_NE(CDlgRes().GetModule(), nullptr);
    EXPECT_FALSE(planted::WasLoaded());

    // Without our own loader there are no texts, and still nothing planted is loaded.
    fs::remove(fs::path(machine.Root()) / "c" / "Host" / "vemrload.dll");
    EXPECT_EQ(CStrRes().Load(IDS_CAPTION_ERROR), "");
    EXPECT_EQ(CDlgRes().GetModule(), nullptr);
    EXPECT_FALSE(planted::WasLoaded());
    // The planted copies work: by full path one records its loading.
    HMODULE byPath = LoadLibraryExA("C:\\Work\\vemrload.dll", nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR);
    ASSERT_NE(byPath, nullptr);
    FreeLibrary(byPath);
    EXPECT_TRUE(planted::WasLoaded());
    planted::Forget();
}

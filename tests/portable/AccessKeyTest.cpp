// Access keys in every language the build ships: within one dialog or page no two controls
// share a key, and every edit, list, combo box, slider and the palette has a label before it
// whose key leads to it. The language libraries are found beside the English one, so a
// language added later is checked without a change here.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "framework/UiTypes.h"
#include "framework/WindowSystem.h"
#include "framework/headless/DialogTemplateReader.h"
#include "resources/resource.h"
#include "support/ShownTexts.h"

namespace {

using fw::headless::DialogLayout;
using fw::headless::DialogLayoutItem;

struct Language {
    std::string code;
    HMODULE dialogs = nullptr;
    HMODULE strings = nullptr;
};

// The keys of the wizard's own buttons ("< &Back", "&Next >", "&Help") where we know them: the
// system draws those buttons in its own language.
const std::map<std::string, std::string> kWizardKeys = {{"ENU", "BNH"}};

char AccessKey(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

// Class names as the system compares them: without regard to case.
bool Is(const DialogLayoutItem& item, const char* className) {
    const std::string wanted = className;
    if (item.className.size() != wanted.size()) return false;
    for (size_t i = 0; i < wanted.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(item.className[i])) != std::tolower(static_cast<unsigned char>(wanted[i]))) {
            return false;
        }
    }
    return true;
}

std::string Folder(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    const std::string full = path;
    return full.substr(0, full.find_last_of("\\/") + 1);
}

// Every XVDLG<code>.dll beside the English one, with its XVSTR<code>.dll.
std::vector<Language> ShippedLanguages() {
    std::vector<Language> languages;
    HMODULE english = LoadLibraryA("XVDLGENU.dll");
    if (!english) return languages;
    const std::string folder = Folder(english);
    FreeLibrary(english);
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "XVDLG*.dll").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return languages;
    do {
        const std::string name = found.cFileName;
        Language language;
        language.code = name.substr(5, name.size() - 9);
        language.dialogs = LoadLibraryA((folder + name).c_str());
        language.strings = LoadLibraryA((folder + "XVSTR" + language.code + ".dll").c_str());
        languages.push_back(language);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return languages;
}

std::string Load(HMODULE strings, UINT id) {
    char buffer[1024] = {};
    LoadStringA(strings, id, buffer, sizeof buffer);
    return buffer;
}

// What a control of the template shows: its strings (every variant), else its template text.
std::vector<std::string> TextsOf(const Language& language, const TemplateTexts& shown, const DialogLayoutItem& item) {
    for (const ShownText& text : shown.texts) {
        if (text.control != item.id) continue;
        std::vector<std::string> texts;
        for (UINT id : text.strings) texts.push_back(text.accessKey ? Load(language.strings, id) : std::string());
        return texts;
    }
    if (!item.title.text.empty()) return {item.title.text};
    return {};
}

bool IsLabel(const DialogLayoutItem& item) {
    const DWORD type = item.style & SS_TYPEMASK;
    if (Is(item, FW_CLASS_STATIC)) return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
    return Is(item, FW_CLASS_BUTTON) && (item.style & BS_TYPEMASK) == BS_GROUPBOX;
}

// Controls that need a label: edits, lists, combo boxes, sliders, and drawn statics that take
// the focus (the palette).
bool NeedsLabel(const DialogLayoutItem& item) {
    if (Is(item, FW_CLASS_EDIT) || Is(item, FW_CLASS_LISTBOX) || Is(item, FW_CLASS_COMBOBOX) || Is(item, FW_CLASS_TRACKBAR)) {
        return true;
    }
    return Is(item, FW_CLASS_STATIC) && (item.style & WS_TABSTOP);
}

class AccessKeyTest : public ::testing::Test {
protected:
    void SetUp() override { languages = ShippedLanguages(); }
    void TearDown() override {
        for (const Language& language : languages) {
            if (language.dialogs) FreeLibrary(language.dialogs);
            if (language.strings) FreeLibrary(language.strings);
        }
    }

    DialogLayout Layout(const Language& language, UINT id) {
        DWORD size = 0;
        const LPCDLGTEMPLATE bytes = fw::ws::LoadTemplate(language.dialogs, id, &size);
        auto layout = fw::headless::DialogTemplateReader::Read(bytes, size);
        return layout ? *layout : DialogLayout{};
    }

    std::vector<Language> languages;
};

TEST_F(AccessKeyTest, NoTwoControlsOfADialogShareAKey) {
    ASSERT_FALSE(languages.empty());
    int keys = 0;
    for (const Language& language : languages) {
        ASSERT_TRUE(language.dialogs && language.strings) << language.code;
        for (const TemplateTexts& shown : ShownTexts()) {
            const DialogLayout layout = Layout(language, shown.dialog);
            ASSERT_FALSE(layout.items.empty()) << language.code << " template " << shown.dialog;
            std::map<char, UINT> owner;  // key -> control
            if ((layout.style & WS_CHILD) && kWizardKeys.count(language.code)) {
                for (char key : kWizardKeys.at(language.code)) owner[key] = ID_WIZNEXT;
            }
            for (const DialogLayoutItem& item : layout.items) {
                std::set<char> own;  // a control's variants may share their key
                for (const std::string& text : TextsOf(language, shown, item)) {
                    if (const char key = AccessKey(text)) own.insert(key);
                }
                for (char key : own) {
                    ++keys;
                    const auto taken = owner.find(key);
                    EXPECT_TRUE(taken == owner.end())
                        << language.code << " template " << shown.dialog << ": key " << key << " of control " << item.id
                        << " is also the key of " << (taken == owner.end() ? 0 : taken->second);
                    owner[key] = item.id;
                }
            }
        }
    }
    EXPECT_GT(keys, 30);
}

TEST_F(AccessKeyTest, EveryInputControlHasALabelWhoseKeyLeadsToIt) {
    ASSERT_FALSE(languages.empty());
    int labelled = 0;
    for (const Language& language : languages) {
        for (const TemplateTexts& shown : ShownTexts()) {
            const DialogLayout layout = Layout(language, shown.dialog);
            for (size_t i = 0; i < layout.items.size(); ++i) {
                if (!NeedsLabel(layout.items[i])) continue;
                // The nearest text before it; no other tab stop may stand between them.
                const DialogLayoutItem* label = nullptr;
                bool tabStopBetween = false;
                for (size_t j = i; j-- > 0 && !label;) {
                    const DialogLayoutItem& before = layout.items[j];
                    if (IsLabel(before) && !TextsOf(language, shown, before).empty()) label = &before;
                    else if (before.style & WS_TABSTOP) tabStopBetween = true;
                }
                const std::string where =
                    language.code + " template " + std::to_string(shown.dialog) + " control " + std::to_string(layout.items[i].id);
                ASSERT_NE(label, nullptr) << where << " has no label";
                EXPECT_FALSE(tabStopBetween) << where << ": its label's key would stop at another control";
                for (const std::string& text : TextsOf(language, shown, *label)) {
                    EXPECT_NE(AccessKey(text), 0) << where << ": label \"" << text << "\" has no access key";
                }
                ++labelled;
            }
        }
    }
    EXPECT_GE(labelled, 13);
}

}  // namespace

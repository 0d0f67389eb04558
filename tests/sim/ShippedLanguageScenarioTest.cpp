// Every shipped language, as its users meet it: the same walk through the three tasks runs on an
// English machine and on a machine in that language, and every page, control and message the
// English walk shows with words shows them in the language, from the language's own libraries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/headless/UiView.h"
#include "launch/TavrelEntry.h"
#include "resources/resource.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"

using fw::headless::WindowView;

namespace {

struct Language {
    const char* uiLanguage;  // the machine's user-interface language
    const char* code;        // the code in the libraries' names
};

struct Walk {
    std::vector<WindowView> pages;
    std::vector<MessageBoxRecorder::Box> boxes;
};

// Gamma edited and saved, the colour palette opened and left, the stored settings opened and left.
Walk WalkTheTasks(const char* uiLanguage)
{
    SimMachine machine;
    machine.Set("Machine", "UILanguage", uiLanguage);
    const SimPrinterModel model = SimPrinterModel::Raw331();
    model.Install(machine);
    Walk walk;
    const auto keep = [&walk](const WindowView& view) { walk.pages.push_back(view); };
    MessageBoxRecorder boxes;
    {
        ScriptedUser user;
        user.Inspect(keep).Click(IDC_SELECTEDIT_GAMMA_RADIO).Inspect(keep).Next()
            .Inspect(keep).Select(IDC_GAMMASELECT_LIST, "Vivid").Next()
            .Inspect(keep).Slide(IDC_GAMMA_GAMMA_SLIDER, 4).Next()
            .Inspect(keep).Type(IDC_SAVE_NAME_EDIT, "Night").Click(IDC_SAVE_BUTTON)
            .Finish();
        EXPECT_EQ(CallTintora32(0, 0, model.printer.c_str(), 0), 0);
        EXPECT_TRUE(user.Finished()) << user.Remaining();
    }
    {
        ScriptedUser user;
        user.Click(IDC_SELECTEDIT_COLOR_RADIO).Inspect(keep).Next()
            .Inspect(keep).Next()
            .Inspect(keep).Cancel();
        CallTintora32(0, 0, model.printer.c_str(), 0);
        EXPECT_TRUE(user.Finished()) << user.Remaining();
    }
    {
        ScriptedUser user;
        user.Click(IDC_SELECTEDIT_EXCHANGE_RADIO).Inspect(keep).Next()
            .Inspect(keep).Cancel();
        CallTintora32(0, 0, model.printer.c_str(), 0);
        EXPECT_TRUE(user.Finished()) << user.Remaining();
    }
    walk.boxes = boxes.Boxes();
    return walk;
}

class ShippedLanguageScenario : public ::testing::TestWithParam<Language> {};

}  // namespace

TEST_P(ShippedLanguageScenario, EveryTextOfTheWalkIsInTheLanguage)
{
    const Walk english = WalkTheTasks("0x0409");
    const Walk translated = WalkTheTasks(GetParam().uiLanguage);
    ASSERT_EQ(english.pages.size(), 10u);
    ASSERT_EQ(translated.pages.size(), english.pages.size());

    for (size_t i = 0; i < english.pages.size(); ++i) {
        const WindowView& en = english.pages[i];
        const WindowView& tr = translated.pages[i];
        SCOPED_TRACE("page " + std::to_string(i) + ": " + en.title);
        ASSERT_EQ(tr.templateId, en.templateId);
        // "Gamma - printer - setting" reads the same in every language; no other title does.
        if (en.templateId != IDD_GAMMA_PAGE) {
            EXPECT_NE(tr.title, en.title);
        }
        EXPECT_FALSE(tr.title.empty());
        for (const auto& control : en.controls) {
            const auto& shown = tr.Control(control.id);
            ASSERT_TRUE(shown.exists()) << "control " << control.id;
            // A name the user typed or a printer's name stays; every text of the libraries changes.
            if (control.text.empty() || control.kind == "edit" || control.text == "Night") continue;
            EXPECT_FALSE(shown.text.empty()) << "control " << control.id << " shows nothing for \"" << control.text << "\"";
        }
    }
    // The first page names all three tasks in the language, each with an access key.
    const std::string strings = std::string("XVSTR") + GetParam().code + ".dll";
    HMODULE library = LoadLibraryA(strings.c_str());
    ASSERT_NE(library, nullptr) << strings;
    char option[256] = {};
    LoadStringA(library, IDS_SELECTEDIT_EXCHANGE_OPTION, option, sizeof(option));
    FreeLibrary(library);
    EXPECT_EQ(translated.pages[0].Control(IDC_SELECTEDIT_EXCHANGE_RADIO).text, option);
    EXPECT_NE(std::string(option).find('&'), std::string::npos);

    // The messages: the same boxes, in the language, with their arguments in place.
    ASSERT_EQ(translated.boxes.size(), english.boxes.size());
    ASSERT_FALSE(english.boxes.empty());
    for (size_t i = 0; i < english.boxes.size(); ++i) {
        SCOPED_TRACE(english.boxes[i].text);
        EXPECT_NE(translated.boxes[i].text, english.boxes[i].text);
        EXPECT_EQ(translated.boxes[i].text.find("Night") != std::string::npos,
                  english.boxes[i].text.find("Night") != std::string::npos);
        EXPECT_EQ(translated.boxes[i].text.find('%'), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageScenario,
                         ::testing::Values(Language{"0x0407", "DEU"}, Language{"0x040C", "FRA"},
                                           Language{"0x0C0A", "ESP"}, Language{"0x0410", "ITA"}),
                         [](const auto& info) { return std::string(info.param.code); });

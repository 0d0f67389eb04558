// The terminal driver: its command language, the text it prints of a window, and a whole run
// read from a stream; script files in the same language.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "framework/MessageBox.h"
#include "framework/headless/CommandParser.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/ScriptDriver.h"
#include "framework/headless/TerminalDriver.h"
#include "framework/headless/TerminalRenderer.h"
#include "framework/headless/UserInput.h"
#include "resources/resource.h"
#include "support/ScriptedUser.h"
#include "support/TestTemplateIds.h"

using fw::headless::Action;
using fw::headless::Command;
using fw::headless::CommandParser;
using fw::headless::Desktop;
using fw::headless::TerminalDriver;
using fw::headless::TerminalRenderer;
using fw::headless::UserInput;
using fw::headless::WindowView;

namespace {

Command Parsed(const std::string& line) {
    Command command;
    std::string error;
    EXPECT_TRUE(CommandParser::Parse(line, command, error)) << line << ": " << error;
    return command;
}

std::string ErrorOf(const std::string& line) {
    Command command;
    std::string error;
    EXPECT_FALSE(CommandParser::Parse(line, command, error)) << line;
    return error;
}

void SetVariable(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

constexpr UINT kPageOne = IDD_FW_TERMINAL_CHOICES;
constexpr UINT kPageTwo = IDD_FW_TERMINAL_LIST;
constexpr UINT kColour = IDC_FW_COLOUR;
constexpr UINT kGamma = IDC_FW_GAMMA;
constexpr UINT kPrinters = IDC_FW_PRINTERS;
constexpr UINT kName = IDC_FW_PRINTER_NAME;

class Page : public CPropertyPage {
public:
    Page(UINT id, DWORD buttons) : CPropertyPage(id), m_buttons(buttons) { m_psp.dwFlags |= PSP_HASHELP; }

protected:
    BOOL OnSetActive() override {
        GetParentSheet()->SetWizardButtons(m_buttons);
        GetParentSheet()->SetTitle("Setting wizard");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnInitDialog() override {
        if (m_psp.nIDTemplate == kPageTwo) {
            for (const char* printer : {"Office Printer", "Home Printer"}) {
                SendDlgItemMessage(IDC_DRIVER_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(printer));
            }
            SendDlgItemMessage(IDC_SAVE_NAME_EDIT, EM_LIMITTEXT, 10);
        } else {
            CheckDlgButton(IDC_SELECTEDIT_COLOR_RADIO, BST_CHECKED);
        }
        return CPropertyPage::OnInitDialog();
    }

private:
    DWORD m_buttons;
};

class TerminalWizard : public ::testing::Test {
protected:
    TerminalWizard() {
        sheet.AddPage(&one);
        sheet.AddPage(&two);
        sheet.SetWizardMode();
        sheet.m_psh.dwFlags |= PSH_HASHELP;
    }

    // Runs the wizard with the terminal driver reading input; returns what it printed.
    std::string Run(const std::string& input, INT_PTR& result) {
        Desktop& desktop = Desktop::Get();
        desktop.Reset();
        std::istringstream in(input);
        std::ostringstream out;
        TerminalDriver terminal(in, out, true);
        fw::headless::Driver* previous = desktop.SetDriver(&terminal);
        result = sheet.DoModal();
        desktop.SetDriver(previous);
        return out.str();
    }

    Page one{kPageOne, PSWIZB_NEXT};
    Page two{kPageTwo, PSWIZB_BACK | PSWIZB_FINISH};
    CPropertySheet sheet{"Wizard"};
};

}  // namespace

// ---- The command language -----------------------------------------------------------------------

TEST(TerminalCommands, ActionsParseWithTheirArguments) {
    Command click = Parsed("click 1013");
    EXPECT_EQ(click.kind, Command::Kind::Act);
    EXPECT_EQ(click.action.kind, Action::Kind::Click);
    EXPECT_EQ(click.action.id, IDC_SELECTEDIT_GAMMA_RADIO);

    Command at = Parsed("  click 1025 45 -3 ");
    EXPECT_EQ(at.action.kind, Action::Kind::ClickAt);
    EXPECT_EQ(at.action.x, 45);
    EXPECT_EQ(at.action.y, -3);

    Command select = Parsed("select 1018 \"Office Printer\"");
    EXPECT_EQ(select.action.kind, Action::Kind::Select);
    EXPECT_EQ(select.action.text, "Office Printer");
    EXPECT_EQ(Parsed("select 1040 #2").action.kind, Action::Kind::SelectIndex);
    EXPECT_EQ(Parsed("select 1040 #2").action.number, 2);
    EXPECT_EQ(Parsed("select 1040 \"#2\"").action.text, "#2");  // quoted: an item's text
    EXPECT_EQ(Parsed("select 1040 33").action.text, "33");

    Command type = Parsed(R"(type 1107 "Warm \"red\" \\ tone")");
    EXPECT_EQ(type.action.kind, Action::Kind::Type);
    EXPECT_EQ(type.action.text, R"(Warm "red" \ tone)");
    EXPECT_EQ(Parsed("type 1107 \"\"").action.text, "");

    EXPECT_EQ(Parsed("slide 1052 -4").action.number, -4);
    EXPECT_EQ(Parsed("NEXT").action.kind, Action::Kind::Next);
    EXPECT_EQ(Parsed("back").action.kind, Action::Kind::Back);
    EXPECT_EQ(Parsed("finish").action.kind, Action::Kind::Finish);
    EXPECT_EQ(Parsed("cancel").action.kind, Action::Kind::Cancel);
    EXPECT_EQ(Parsed("press help").action.kind, Action::Kind::Help);
    EXPECT_EQ(Parsed("answer 1").action.number, IDOK);
    EXPECT_EQ(Parsed("answer No").action.number, IDNO);
    EXPECT_EQ(Parsed("sysmenu 1000").action.id, IDM_ABOUTBOX);
    EXPECT_EQ(Parsed("wait").action.number, -1);
    EXPECT_EQ(Parsed("wait 250").action.number, 250);
    EXPECT_EQ(Parsed("point 1025 1 2").action.kind, Action::Kind::MouseMove);
}

TEST(TerminalCommands, DriverCommandsAndChecksParse) {
    EXPECT_EQ(Parsed("help").kind, Command::Kind::Help);
    EXPECT_EQ(Parsed("?").kind, Command::Kind::Help);
    EXPECT_EQ(Parsed("quit").kind, Command::Kind::Quit);
    EXPECT_EQ(Parsed("show").kind, Command::Kind::Show);
    EXPECT_EQ(Parsed("png out.png").file, "out.png");
    EXPECT_EQ(Parsed("").kind, Command::Kind::Empty);
    EXPECT_EQ(Parsed("# a comment").kind, Command::Kind::Empty);

    const Command title = Parsed("expect title \"Select the printer\"");
    EXPECT_EQ(title.kind, Command::Kind::Expect);
    EXPECT_EQ(title.expect.what, "title");
    EXPECT_EQ(title.expect.text, "Select the printer");
    const Command checked = Parsed("expect 1012 checked");
    EXPECT_EQ(checked.expect.id, IDC_SELECTEDIT_COLOR_RADIO);
    EXPECT_EQ(checked.expect.what, "checked");
    EXPECT_EQ(Parsed("expect 1052 position 4").expect.number, 4);
}

TEST(TerminalCommands, MistakesAreExplained) {
    EXPECT_TRUE(Contains(ErrorOf("click"), "usage: click ID"));
    EXPECT_TRUE(Contains(ErrorOf("click abc"), "no control id"));
    EXPECT_TRUE(Contains(ErrorOf("type 1107 \"open"), "closing quote"));
    EXPECT_TRUE(Contains(ErrorOf("jump 3"), "unknown command"));
    EXPECT_TRUE(Contains(ErrorOf("press sideways"), "usage: press"));
    EXPECT_TRUE(Contains(ErrorOf("slide 1052 high"), "no number"));
    EXPECT_TRUE(Contains(ErrorOf("next 3"), "usage: next"));
    EXPECT_TRUE(Contains(ErrorOf("expect 1012 purple"), "usage: expect"));
}

TEST(TerminalCommands, EveryActionReadsBackFromItsDescription) {
    std::vector<Action> actions(6);
    actions[0].kind = Action::Kind::Click;
    actions[0].id = 7;
    actions[1].kind = Action::Kind::Select;
    actions[1].id = 8;
    actions[1].text = "a \"quoted\" name";
    actions[2].kind = Action::Kind::SelectIndex;
    actions[2].id = 8;
    actions[2].number = 3;
    actions[3].kind = Action::Kind::ClickAt;
    actions[3].id = 9;
    actions[3].x = 4;
    actions[3].y = 5;
    actions[4].kind = Action::Kind::Help;
    actions[5].kind = Action::Kind::Answer;
    actions[5].number = IDYES;
    for (const auto& action : actions) {
        const Command command = Parsed(action.Describe());
        EXPECT_EQ(command.action.kind, action.kind) << action.Describe();
        EXPECT_EQ(command.action.id, action.id);
        EXPECT_EQ(command.action.text, action.text);
        EXPECT_EQ(command.action.number, action.number);
        EXPECT_EQ(command.action.x, action.x);
    }
}

TEST(TerminalCommands, HelpListsEveryCommand) {
    const std::string help = CommandParser::HelpText();
    for (const char* verb : {"click", "point", "select", "type", "slide", "back", "next", "finish", "cancel", "press help",
                             "answer", "sysmenu", "close", "wait", "show", "png", "expect", "help", "quit"}) {
        EXPECT_TRUE(Contains(help, verb)) << verb;
    }
}

// ---- What the terminal prints ----------------------------------------------------------------------

TEST_F(TerminalWizard, TheWizardIsPrintedWithEveryControlAndItsButtons) {
    std::string first;
    std::string second;
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) { first = TerminalRenderer::Render(view); })
        .Next()
        .Select(IDC_DRIVER_LIST, "Home Printer")
        .Type(IDC_SAVE_NAME_EDIT, "Warm")
        .Inspect([&](const WindowView& view) { second = TerminalRenderer::Render(view); })
        .Cancel();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);

    EXPECT_TRUE(Contains(first, "== Wizard \"Setting wizard\" -- page 1 of 2 (template 9601) ==")) << first;
    EXPECT_TRUE(Contains(first, "1012  radio button   (*) \"Colour\"")) << first;
    EXPECT_TRUE(Contains(first, "1013  radio button   ( ) \"Gamma\"")) << first;
    EXPECT_TRUE(Contains(first, "[12323 < Back: disabled] [12324 Next >] [2 Cancel] [9 Help]")) << first;
    EXPECT_FALSE(Contains(first, "Finish")) << first;

    EXPECT_TRUE(Contains(second, "page 2 of 2")) << second;
    EXPECT_TRUE(Contains(second, "1018  list box       2 items")) << second;
    EXPECT_TRUE(Contains(second, "  #0 \"Office Printer\"")) << second;
    EXPECT_TRUE(Contains(second, "> #1 \"Home Printer\"")) << second;
    EXPECT_TRUE(Contains(second, "1107  edit           \"Warm\" (at most 10)")) << second;
    // The page has no tab stop: the focus is on the default button.
    EXPECT_TRUE(Contains(second, "[12323 < Back] [12325 Finish: focused] [2 Cancel] [9 Help]")) << second;
}

TEST(TerminalPrint, AMessageBoxIsPrintedWithItsCaptionTextAndButtons) {
    std::string shown;
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) { shown = TerminalRenderer::Render(view); }).Answer(IDYES);
    fw::SystemMessageBox(nullptr, "Overwrite the setting?\nIt cannot be undone.", "Question", MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(shown,
              "== Message box \"Question\" ==\n"
              "  Overwrite the setting?\n"
              "  It cannot be undone.\n"
              "Buttons: [6 Yes] [7 No]\n");
}

// ---- A run from a stream -----------------------------------------------------------------------------

TEST_F(TerminalWizard, CommandsFromAStreamDriveTheWizardAndMistakesAreReported) {
    INT_PTR result = 0;
    const std::string output = Run(
        "help\n"
        "finish\n"
        "bogus\n"
        "click 1013\n"
        "expect 1013 checked\n"
        "next\n"
        "select 1018 \"Office Printer\"\n"
        "select 1018 \"Nobody\"\n"
        "type 1107 \"A very long name\"\n"
        "expect 1107 text \"A very lon\"\n"
        "finish\n",
        result);
    EXPECT_EQ(result, ID_WIZFINISH);
    EXPECT_TRUE(Contains(output, "Commands (ID is a control id")) << output;
    EXPECT_TRUE(Contains(output, "> finish\n! the sheet does not show that button now")) << output;
    EXPECT_TRUE(Contains(output, "> bogus\n? unknown command \"bogus\"")) << output;
    EXPECT_TRUE(Contains(output, "> expect 1013 checked\nok\n")) << output;
    EXPECT_TRUE(Contains(output, "! control 1018 has no item \"Nobody\"")) << output;
    EXPECT_TRUE(Contains(output, "> expect 1107 text \"A very lon\"\nok\n")) << output;
    EXPECT_TRUE(Contains(output, "page 2 of 2")) << output;
}

TEST_F(TerminalWizard, TheEndOfInputQuits) {
    INT_PTR result = 0;
    const std::string output = Run("click 1013\n", result);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(Contains(output, "page 1 of 2"));
}

TEST_F(TerminalWizard, QuitLeavesAtOnce) {
    INT_PTR result = 0;
    Run("next\nquit\nfinish\n", result);
    EXPECT_EQ(result, IDCANCEL);
}

// ---- Script files --------------------------------------------------------------------------------

TEST_F(TerminalWizard, AScriptInTheCommandLanguageRunsAndReportsFailedChecks) {
    ScriptedUser user;
    user.ExpectFailures();
    std::string error;
    ASSERT_TRUE(user.LoadText("# choose gamma, then the printer\n"
                              "click 1013\n"
                              "expect title \"Setting wizard\"\n"
                              "next\n"
                              "select 1018 #1\n"
                              "expect 1018 selected \"Home Printer\"\n"
                              "expect 1018 selected \"Office Printer\"\n"
                              "finish\n",
                              &error))
        << error;
    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
    ASSERT_EQ(user.Failures().size(), 1u);
    EXPECT_TRUE(Contains(user.Failures()[0], "step 6")) << user.Failures()[0];
    EXPECT_TRUE(Contains(user.Failures()[0], "found \"Home Printer\"")) << user.Failures()[0];

    ScriptedUser broken;
    broken.AllowUnrunSteps();  // only the reading is tried; the first line stays loaded
    EXPECT_FALSE(broken.LoadText("next\nclick\n", &error));
    EXPECT_TRUE(Contains(error, "line 2")) << error;
}

TEST_F(TerminalWizard, TheEnvironmentCanNameTheScriptThatDrivesTheWindows) {
    const auto path = std::filesystem::temp_directory_path() / "framework-terminal-script.txt";
    {
        std::ofstream file(path);
        file << "click 1013\nnext\nfinish\n";
    }
    Desktop& desktop = Desktop::Get();
    fw::headless::Driver* installed = desktop.SetDriver(nullptr);
    SetVariable("TAVREL_UI_DRIVER", "script:" + path.string());
    desktop.Reset();
    const INT_PTR result = sheet.DoModal();
    SetVariable("TAVREL_UI_DRIVER", "");
    desktop.Reset();
    desktop.SetDriver(installed);
    std::filesystem::remove(path);
    EXPECT_EQ(result, ID_WIZFINISH);
}

// The control classes the pages bind: the default entry of the setting lists and where new
// names go, the default-setting names of the utility INI file, numbers and table text.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/CmyButton.h"
#include "controls/CmyComboBox.h"
#include "controls/CmyEdit.h"
#include "controls/CmyListBox.h"
#include "controls/CmyStatic.h"
#include "framework/CDialog.h"
#include "framework/DataExchange.h"
#include "framework/headless/UserInput.h"
#include "launch/CStrRes.h"
#include "launch/CmyException.h"
#include "resources/resource.h"
#include "support/DialogTemplateBuilder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"

using fw::headless::UserInput;

namespace {

constexpr UINT kTemplate = 9301;
constexpr UINT kList = 3101;
constexpr UINT kSortedList = 3102;
constexpr UINT kCombo = 3103;
constexpr UINT kEdit = 3104;
constexpr UINT kText = 3105;
constexpr UINT kButton = 3106;

const char kIniPath[] = "C:\\Host\\Tintora\\Tavrel.ini";

class ControlsDialog : public CDialog {
public:
    ControlsDialog() : CDialog(kTemplate) {}
    CmyListBox list;
    CmyListBox sorted;
    CmyComboBox combo;
    CmyEdit edit;
    CmyStatic text;
    CmyButton button;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, kList, list);
        DDX_Control(dx, kSortedList, sorted);
        DDX_Control(dx, kCombo, combo);
        DDX_Control(dx, kEdit, edit);
        DDX_Control(dx, kText, text);
        DDX_Control(dx, kButton, button);
    }
};

std::vector<std::string> Items(const CListBox& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.GetCount(); ++i) items.push_back(list.GetText(i));
    return items;
}

std::vector<std::string> Items(const CComboBox& combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo.GetCount(); ++i) items.push_back(combo.GetLBText(i));
    return items;
}

CmyStringArray Names(std::initializer_list<const char*> names) {
    CmyStringArray array;
    for (const char* name : names) array.Add(name);
    return array;
}

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        machine.Apply();
        builder.Add(kList, FW_CLASS_LISTBOX, LBS_NOTIFY | WS_BORDER, 5, 5, 80, 60)
            .Add(kSortedList, FW_CLASS_LISTBOX, LBS_SORT | WS_BORDER, 90, 5, 80, 60)
            .Add(kCombo, FW_CLASS_COMBOBOX, CBS_DROPDOWN, 5, 70, 80, 60)
            .Add(kEdit, FW_CLASS_EDIT, ES_AUTOHSCROLL | WS_BORDER, 90, 70, 80, 12)
            .Add(kText, FW_CLASS_STATIC, SS_LEFT, 5, 90, 160, 10)
            .Add(kButton, FW_CLASS_BUTTON, BS_PUSHBUTTON, 5, 105, 50, 14);
    }

    // Runs work on the open dialog, then closes it.
    void WithDialog(std::function<void(ControlsDialog&)> work) {
        ControlsDialog dialog;
        dialog.InitModalIndirect(builder.Get());
        ScriptedUser user;
        user.Do([&](UserInput&) { work(dialog); }).Cancel();
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }

    std::string DefaultEntry() { return CStrRes().Load(IDS_DEFAULT_ENTRY); }

    SimMachine machine;
    DialogTemplateBuilder builder;
};

}  // namespace

TEST_F(Controls, NewNamesGoBeforeTheDefaultEntryAndAreNotAddedTwice) {
    WithDialog([this](ControlsDialog& d) {
        const std::string entry = DefaultEntry();
        ASSERT_FALSE(entry.empty());
        d.list.AddString("Office");
        d.list.AddDefaultItem();
        EXPECT_EQ(d.list.defaultItemText, entry);
        d.list.InsertName("Photos");
        EXPECT_EQ(Items(d.list), (std::vector<std::string>{"Office", "Photos", entry}));
        EXPECT_EQ(d.list.GetCurSel(), 1);
        d.list.InsertName("OFFICE");  // present in another letter case
        EXPECT_EQ(d.list.GetCount(), 3);

        d.combo.AddString("Office");
        d.combo.AddDefaultItem();
        d.combo.InsertName("Photos");
        EXPECT_EQ(Items(d.combo), (std::vector<std::string>{"Office", "Photos", entry}));
        EXPECT_EQ(d.combo.GetWindowText(), "Photos");
        d.combo.InsertName("photos");
        EXPECT_EQ(d.combo.GetCount(), 3);
    });
}

TEST_F(Controls, WithoutADefaultEntryNewNamesGoLast) {
    WithDialog([](ControlsDialog& d) {
        d.list.AddString("One");
        d.list.AddString("Two");
        d.list.InsertName("Three");
        EXPECT_EQ(Items(d.list), (std::vector<std::string>{"One", "Two", "Three"}));
        EXPECT_EQ(d.list.GetCurSel(), 2);
    });
}

TEST_F(Controls, DefaultEntrySelectionAndTest) {
    WithDialog([this](ControlsDialog& d) {
        const std::string entry = DefaultEntry();
        d.list.AddString("Office");
        EXPECT_FALSE(d.list.IsDefaultItemSelected());  // nothing selected
        d.list.AddDefaultItem();
        d.list.SetCurSel(0);
        EXPECT_FALSE(d.list.IsDefaultItemSelected());
        d.list.SelectDefaultItem();
        EXPECT_EQ(d.list.GetCurSel(), 1);
        EXPECT_TRUE(d.list.IsDefaultItemSelected());
        // Trailing blanks of the item do not matter to the list box.
        d.list.defaultItemText = "Office";
        d.list.DeleteString(0);
        d.list.InsertString(0, "Office   ");
        d.list.SetCurSel(0);
        EXPECT_TRUE(d.list.IsDefaultItemSelected());

        d.combo.AddDefaultItem();
        d.combo.SelectDefaultItem();
        EXPECT_TRUE(d.combo.IsDefaultItemSelected());
        d.combo.SetWindowText(entry + " ");
        EXPECT_FALSE(d.combo.IsDefaultItemSelected());
    });
}

TEST_F(Controls, AddNamesSkipsPresentNamesAndReportsTheLastIndex) {
    WithDialog([](ControlsDialog& d) {
        d.sorted.AddString("beta");
        EXPECT_EQ(d.sorted.AddNames(Names({"Delta", "BETA", "alpha"})), 0);
        EXPECT_EQ(Items(d.sorted), (std::vector<std::string>{"alpha", "beta", "Delta"}));
        EXPECT_EQ(d.sorted.AddNames(Names({"beta"})), LB_ERR);
        EXPECT_EQ(d.combo.AddNames(Names({"x", "y", "X"})), 1);
        EXPECT_EQ(Items(d.combo), (std::vector<std::string>{"x", "y"}));
    });
}

TEST_F(Controls, ListBoxDefaultSettingsFallBackToTheSharedSection) {
    machine.WriteFile(kIniPath,
                      "[CCMVer10]\r\nModule=A.DLL\r\n[CCMVer20]\r\nDefaultSettingVerShare=Shared20\r\n"
                      "[DefaultSettingVer10]\r\nVivid=1\r\nNatural=2\r\n"
                      "[Shared20]\r\nPlain=1\r\n[StringSet1]\r\nCommon=1\r\n");
    WithDialog([](ControlsDialog& d) {
        d.list.AddDefaultSettingNames("10");
        EXPECT_EQ(Items(d.list), (std::vector<std::string>{"Vivid", "Natural"}));
        d.list.SetCurSel(1);
        EXPECT_EQ(d.list.IsDefaultSettingSelected("10"), 1);
        EXPECT_EQ(d.list.IsDefaultSettingSelected("30"), 0);  // "Common" only

        d.list.ResetContent();
        d.list.AddDefaultSettingNames("20");
        d.list.AddDefaultSettingNames("30");
        EXPECT_EQ(Items(d.list), (std::vector<std::string>{"Plain", "Common"}));
        d.list.SetCurSel(1);
        EXPECT_EQ(d.list.IsDefaultSettingSelected("30"), 1);
        EXPECT_EQ(d.list.IsDefaultSettingSelected("10"), 0);
    });
}

TEST_F(Controls, ComboBoxDefaultSettingsAreTheVersionsOwnOnly) {
    machine.WriteFile(kIniPath,
                      "[DefaultSettingVer10]\r\nVivid=1\r\nNatural=2\r\n[StringSet1]\r\nCommon=1\r\n");
    WithDialog([](ControlsDialog& d) {
        d.combo.AddDefaultSettingNames("30");
        EXPECT_EQ(d.combo.GetCount(), 0);
        d.combo.SelectFirstDefaultSetting("30");
        EXPECT_EQ(d.combo.GetCurSel(), CB_ERR);

        d.combo.AddString("Mine");
        d.combo.AddDefaultSettingNames("10");
        d.combo.SelectFirstDefaultSetting("10");
        EXPECT_EQ(d.combo.GetWindowText(), "Vivid");
        EXPECT_TRUE(d.combo.IsDefaultSetting("10"));
        d.combo.SetWindowText("vivid");  // case-sensitive
        EXPECT_FALSE(d.combo.IsDefaultSetting("10"));
    });
}

TEST_F(Controls, NoDefaultSettingsAnywhereRaises535ForTheListBox) {
    machine.WriteFile(kIniPath, "[CCMVer10]\r\nModule=A.DLL\r\n");
    WithDialog([](ControlsDialog& d) {
        try {
            d.list.AddDefaultSettingNames("10");
            ADD_FAILURE() << "no exception";
        } catch (const CmyException& error) {
            EXPECT_EQ(error.GetTextId(), IDS_ERR_NO_DEFAULT_SETTINGS);
            EXPECT_EQ(error.GetFileArgument(), "Tavrel.ini");
            EXPECT_EQ(error.GetSeverity(), CmyException::error);
        }
        EXPECT_EQ(d.list.GetCount(), 0);
    });
}

TEST_F(Controls, NumbersAreReadAsCTextWithAnyBase) {
    WithDialog([](ControlsDialog& d) {
        const std::vector<std::pair<std::string, DWORD>> cases = {
            {"10", 10}, {"0x10", 16}, {"0X1f", 31}, {"010", 8}, {"", 0}, {"12ab", 12}, {"abc", 0}};
        for (const auto& [text, number] : cases) {
            d.edit.SetWindowText(text);
            EXPECT_EQ(d.edit.GetNumber(), number) << text;
            d.combo.SetWindowText(text);
            EXPECT_EQ(d.combo.GetNumber(), number) << text;
        }
    });
}

TEST(ControlsText, TablesRoundTripThroughHexText) {
    const BYTE bytes[] = {0x00, 0xAB, 0x05};
    std::string text = "FF";
    CmyEdit::BytesToHex(bytes, 3, text);
    EXPECT_EQ(text, "FF00AB05");

    std::vector<BYTE> read{0x11};
    CmyEdit::HexToBytes("00ab05", read);
    EXPECT_EQ(read, (std::vector<BYTE>{0x11, 0x00, 0xAB, 0x05}));

    std::vector<BYTE> all(256);
    for (int i = 0; i < 256; ++i) all[i] = static_cast<BYTE>(i);
    std::string hex;
    CmyEdit::BytesToHex(all.data(), 256, hex);
    std::vector<BYTE> back;
    CmyEdit::HexToBytes(hex, back);
    EXPECT_EQ(back, all);
}

TEST(ControlsText, BadDigitsKeepThePreviousPairsDigitAndALoneDigitIsIgnored) {
    std::vector<BYTE> read;
    CmyEdit::HexToBytes("G1A5zz7", read);
    // "G1": high 0 (start), low 1; "A5"; "zz": both kept from "A5"; "7" alone is ignored.
    EXPECT_EQ(read, (std::vector<BYTE>{0x01, 0xA5, 0xA5}));
}

TEST_F(Controls, CaptionsComeFromTheStringLibrary) {
    WithDialog([](ControlsDialog& d) {
        CStrRes strings;
        d.button.SetCaption(IDS_BUTTON_OK);
        EXPECT_EQ(d.button.GetWindowText(), strings.Load(IDS_BUTTON_OK));
        d.text.SetCaption(IDS_ERR_NO_DEFAULT_SETTINGS, "Tavrel.ini");
        const std::string shown = d.text.GetWindowText();
        EXPECT_NE(shown.find("Tavrel.ini"), std::string::npos);
        EXPECT_EQ(shown.find("%s"), std::string::npos);
        d.text.SetCaption(IDS_ERR_NO_DEFAULT_SETTINGS);
        EXPECT_EQ(d.text.GetWindowText(), strings.Load(IDS_ERR_NO_DEFAULT_SETTINGS));
    });
}

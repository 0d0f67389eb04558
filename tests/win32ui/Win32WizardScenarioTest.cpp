// The whole wizard as a host calls it, on the system's property sheet, walked by a user made of
// a thread timer: the sheet's modal loop dispatches the timer to us, so each step runs on the
// wizard's thread between its messages, sees the real page windows and acts on them as the
// mouse and keyboard would. A walk that stops making progress cancels the sheet, so a fault
// fails the test instead of leaving it waiting for a user.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/CObject.h"
#include "gamma/CGammaData.h"
#include "launch/TavrelEntry.h"
#include "platform/win32api.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"
#include "storage/CIniAcc.h"
#include "support/MessageBoxRecorder.h"
#include "support/SpoolerRawModel.h"

#include <commctrl.h>  // after windows.h

namespace {

const char kDriver[] = "Tv Scenario Driver";
const char kPrinter[] = "Tv Scenario Printer";
const char kCatalog[] = "TVSCNCM.INI";

constexpr UINT kTick = 50;           // milliseconds between steps
constexpr int kPatience = 100;       // ticks a step may wait for its page before the walk gives up
constexpr int kNextButton = 0x3024;  // the wizard's Next button

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        if (SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < static_cast<LRESULT>(sizeof text)) {
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        }
        items.emplace_back(text);
    }
    return items;
}

bool Contains(const std::vector<std::string>& items, const std::string& item) {
    for (const std::string& each : items)
        if (each == item) return true;
    return false;
}

// The wizard's current page and its sheet, as the walker sees them on each tick.
struct Wizard {
    HWND sheet = nullptr;
    HWND page = nullptr;

    HWND Control(int id) const { return page ? GetDlgItem(page, id) : nullptr; }

    // A user's click: the button's own mouse handling, so the page gets BN_CLICKED from it.
    void Click(int id) const { SendMessageA(Control(id), BM_CLICK, 0, 0); }

    // Picks the item as the mouse does: the list changes its selection and tells its page.
    bool Select(int id, const std::string& text) const {
        const HWND list = Control(id);
        const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(text.c_str()));
        if (index == LB_ERR) return false;
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        return true;
    }

    // Drags the thumb to position and lets it go.
    void Slide(int id, int position) const {
        const HWND bar = Control(id);
        SendMessageA(bar, TBM_SETPOS, TRUE, position);
        const auto where = static_cast<WORD>(SendMessageA(bar, TBM_GETPOS, 0, 0));
        const auto handle = reinterpret_cast<LPARAM>(bar);
        SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, where), handle);
        SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, where), handle);
        SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), handle);
    }

    void Type(int id, const std::string& text) const { SetWindowTextA(Control(id), text.c_str()); }

    void Press(int button) const { PostMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0); }

    // A key as the keyboard sends it to the window with the focus; the modal loop's dialog
    // manager sees it first, as it sees a real key.
    void Key(UINT key) const {
        const HWND target = GetFocus() ? GetFocus() : page;
        PostMessageA(target, WM_KEYDOWN, key, 1);
        PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    }
    // Alt and a letter: an access key.
    void AltKey(char letter) const {
        const HWND target = GetFocus() ? GetFocus() : page;
        PostMessageA(target, WM_SYSCHAR, static_cast<WPARAM>(letter), static_cast<LPARAM>(0x20000001u));
    }
};

// A scripted walk: each step waits until its page is the current one, then checks and acts.
class WizardWalker {
public:
    struct Step {
        std::string name;
        int pageControl;  // a control that only the step's page (or dialog) has
        std::function<void(const Wizard&)> act;
    };

    explicit WizardWalker(std::vector<Step> steps) : m_steps(std::move(steps)) {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, kTick, &WizardWalker::Tick);
    }
    ~WizardWalker() {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    WizardWalker(const WizardWalker&) = delete;
    WizardWalker& operator=(const WizardWalker&) = delete;

    bool Finished() const { return m_next == m_steps.size(); }
    std::string Remaining() const { return Finished() ? "" : "stuck before " + m_steps[m_next].name; }
    bool GaveUp() const { return m_gaveUp; }

private:
    static BOOL CALLBACK FindSheet(HWND window, LPARAM found) {
        if (ClassOf(window) == "#32770" && GetDlgItem(window, kNextButton) && IsWindowEnabled(window)) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }

    // A dialog over the sheet that has the control (page is that dialog, sheet stays null).
    static BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
        auto* wanted = reinterpret_cast<std::pair<int, HWND>*>(found);
        if (ClassOf(window) == "#32770" && IsWindowEnabled(window) && GetDlgItem(window, wanted->first)) {
            wanted->second = window;
            return FALSE;
        }
        return TRUE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (s_current && !s_current->m_busy) s_current->Advance();
    }

    void Advance() {
        m_busy = true;
        Wizard wizard;
        EnumThreadWindows(GetCurrentThreadId(), &WizardWalker::FindSheet, reinterpret_cast<LPARAM>(&wizard.sheet));
        if (wizard.sheet) {
            wizard.page = reinterpret_cast<HWND>(SendMessageA(wizard.sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        } else if (!Finished()) {
            std::pair<int, HWND> wanted{m_steps[m_next].pageControl, nullptr};
            EnumThreadWindows(GetCurrentThreadId(), &WizardWalker::FindDialog, reinterpret_cast<LPARAM>(&wanted));
            wizard.page = wanted.second;
        }
        if (!Finished() && wizard.page && wizard.Control(m_steps[m_next].pageControl)) {
            m_waited = 0;
            const Step& step = m_steps[m_next++];
            SCOPED_TRACE(step.name);
            step.act(wizard);
        } else if (++m_waited > kPatience && wizard.sheet) {
            // Nothing moved: leave through Cancel (the test's box hook agrees to the question).
            m_gaveUp = true;
            m_waited = kPatience / 2;
            PostMessageA(wizard.sheet, WM_COMMAND, IDCANCEL, 0);
        }
        m_busy = false;
    }

    static WizardWalker* s_current;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    int m_waited = 0;
    bool m_busy = false;
    bool m_gaveUp = false;
    UINT_PTR m_timer = 0;
};

WizardWalker* WizardWalker::s_current = nullptr;

class Win32WizardScenarioTest : public ::testing::Test {
protected:
    void SetUp() override {
        model.Install();
    }

    SpoolerRawModel model{kDriver, kPrinter, "TvScn", kCatalog};
};

// The task page: a task is chosen by its radio button, which the page checks itself.
WizardWalker::Step ChooseTask(int radio) {
    return {"task page", IDC_SELECTEDIT_GAMMA_RADIO, [radio](const Wizard& wizard) {
                for (int id : {IDC_SELECTEDIT_COLOR_RADIO, IDC_SELECTEDIT_GAMMA_RADIO, IDC_SELECTEDIT_EXCHANGE_RADIO}) {
                    ASSERT_TRUE(wizard.Control(id)) << id;
                    EXPECT_EQ(ClassOf(wizard.Control(id)), "Button") << id;
                }
                wizard.Click(radio);
                EXPECT_EQ(SendMessageA(wizard.Control(radio), BM_GETCHECK, 0, 0), BST_CHECKED);
                wizard.Press(PSBTN_NEXT);
            }};
}

WizardWalker::Step GammaSelect() {
    return {"gamma select page", IDC_GAMMASELECT_LIST, [](const Wizard& wizard) {
                const HWND list = wizard.Control(IDC_GAMMASELECT_LIST);
                EXPECT_EQ(ClassOf(list), "ListBox");
                const auto items = ListItems(list);
                EXPECT_TRUE(Contains(items, "Standard"));
                EXPECT_TRUE(Contains(items, "Vivid"));
                ASSERT_TRUE(wizard.Select(IDC_GAMMASELECT_LIST, "Vivid"));
                wizard.Press(PSBTN_NEXT);
            }};
}

WizardWalker::Step GammaEdit(std::function<void(const Wizard&)> then) {
    return {"gamma page", IDC_GAMMA_GAMMA_SLIDER, [then](const Wizard& wizard) {
                const HWND bar = wizard.Control(IDC_GAMMA_GAMMA_SLIDER);
                EXPECT_EQ(ClassOf(bar), TRACKBAR_CLASSA);
                for (int id : {IDC_GAMMA_ZONE1_RADIO, IDC_GAMMA_ZONE6_RADIO, IDC_GAMMA_HUE_SLIDER,
                               IDC_GAMMA_LEVEL_SLIDER, IDC_GAMMA_HUE_FROM_PRINTER_CHECK}) {
                    EXPECT_TRUE(wizard.Control(id)) << id;
                }
                wizard.Slide(IDC_GAMMA_GAMMA_SLIDER, 4);
                EXPECT_EQ(SendMessageA(bar, TBM_GETPOS, 0, 0), 4);
                EXPECT_EQ(TextOf(wizard.Control(IDC_GAMMA_GAMMA_VALUE)), "1.8");  // the value shown beside the slider
                then(wizard);
            }};
}

TEST_F(Win32WizardScenarioTest, GammaSettingIsEditedAndSavedThroughTheRealPages) {
    MessageBoxRecorder boxes;
    bool savedBeforeFinish = false;
    WizardWalker walker({
        ChooseTask(IDC_SELECTEDIT_GAMMA_RADIO),
        GammaSelect(),
        GammaEdit([](const Wizard& wizard) { wizard.Press(PSBTN_NEXT); }),
        {"save page", IDC_SAVE_NAME_EDIT,
         [&](const Wizard& wizard) {
             EXPECT_EQ(ClassOf(wizard.Control(IDC_SAVE_NAME_EDIT)), "Edit");
             ASSERT_TRUE(wizard.Control(IDC_SAVE_BUTTON));
             wizard.Type(IDC_SAVE_NAME_EDIT, "Night");
             EXPECT_EQ(TextOf(wizard.Control(IDC_SAVE_NAME_EDIT)), "Night");
             wizard.Click(IDC_SAVE_BUTTON);
             savedBeforeFinish = boxes.Count() == 1;
             wizard.Press(PSBTN_FINISH);
         }},
    });

    EXPECT_EQ(CallTintora32(0, 0, kPrinter, 0), 0);
    EXPECT_TRUE(walker.Finished()) << walker.Remaining();
    EXPECT_FALSE(walker.GaveUp());
    EXPECT_TRUE(savedBeforeFinish);
    ASSERT_EQ(boxes.Count(), 1u);  // "saved"
    EXPECT_NE(boxes.Last().text.find("Night"), std::string::npos);

    for (const std::string& file : {model.InstalledCatalog(), model.LocalCatalog()}) {
        SCOPED_TRACE(file);
        const CIniAcc catalog(file);
        EXPECT_EQ(catalog.GetString("Gamma", "SettingName0"), "Night");
        EXPECT_EQ(catalog.GetString("Gamma", "Night"), "1");  // the mode of "Vivid"
        EXPECT_EQ(catalog.GetString("Gamma", "CCMNT0").size(), 2u * 228u);
    }
    CFileAcc files;
    std::unique_ptr<CObject> object(
        files.LoadObject("", model.Utility() + kDriver + "\\UGD0.dat", RUNTIME_CLASS(CGammaData), "Night"));
    auto* saved = dynamic_cast<CGammaData*>(object.get());
    ASSERT_NE(saved, nullptr);
    EXPECT_DOUBLE_EQ(saved->GetGamma(), 1.8);
}

TEST_F(Win32WizardScenarioTest, CancelOnAnEditedGammaPageAsksAndLeavesTheCatalogueAlone) {
    MessageBoxRecorder boxes;
    WizardWalker walker({
        ChooseTask(IDC_SELECTEDIT_GAMMA_RADIO),
        GammaSelect(),
        GammaEdit([](const Wizard& wizard) { wizard.Press(PSBTN_CANCEL); }),
    });

    EXPECT_EQ(CallTintora32(0, 0, kPrinter, 0), 0);
    EXPECT_TRUE(walker.Finished()) << walker.Remaining();
    EXPECT_FALSE(walker.GaveUp());
    ASSERT_EQ(boxes.Count(), 1u);  // the question whether to leave unsaved changes
    EXPECT_EQ(boxes.Last().style & 0xFu, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_EQ(boxes.Last().answer, IDOK);

    const CIniAcc catalog(model.InstalledCatalog());
    EXPECT_EQ(catalog.GetString("Gamma", "SettingNum"), "0");
    EXPECT_EQ(catalog.GetString("Gamma", "SettingName0"), "");
}

TEST_F(Win32WizardScenarioTest, ColourTaskPagesAreShownAndCancelEndsTheWizard) {
    MessageBoxRecorder boxes;
    WizardWalker walker({
        ChooseTask(IDC_SELECTEDIT_COLOR_RADIO),
        {"colour select page", IDC_COLORSELECT_LIST,
         [](const Wizard& wizard) {
             const HWND list = wizard.Control(IDC_COLORSELECT_LIST);
             EXPECT_EQ(ClassOf(list), "ListBox");
             // Nothing is stored yet: only the default item, already chosen.
             const auto items = ListItems(list);
             ASSERT_EQ(items.size(), 1u);
             EXPECT_FALSE(items[0].empty());
             EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
             ASSERT_TRUE(wizard.Select(IDC_COLORSELECT_LIST, items[0]));
             wizard.Press(PSBTN_NEXT);
         }},
        {"colour page", IDC_PALETTE,
         [](const Wizard& wizard) {
             EXPECT_EQ(ClassOf(wizard.Control(IDC_PALETTE)), "Static");  // the palette draws itself
             for (int id : {IDC_PALETTE_TESTPRINT_BUTTON, IDC_PALETTE_UNDO_BUTTON}) {
                 EXPECT_EQ(ClassOf(wizard.Control(id)), "Button") << id;
             }
             wizard.Press(PSBTN_CANCEL);
         }},
    });

    EXPECT_EQ(CallTintora32(0, 0, kPrinter, 0), 0);
    EXPECT_TRUE(walker.Finished()) << walker.Remaining();
    EXPECT_FALSE(walker.GaveUp());
    ASSERT_EQ(boxes.Count(), 1u);  // the question whether to leave
    EXPECT_EQ(boxes.Last().style & 0xFu, static_cast<UINT>(MB_OKCANCEL));
    const CIniAcc catalog(model.InstalledCatalog());
    EXPECT_EQ(catalog.GetString("Color", "SettingNum"), "0");
}

TEST_F(Win32WizardScenarioTest, PaletteIsWorkedByTheKeyboardOnTheRealPage) {
    MessageBoxRecorder boxes;
    WizardWalker walker({
        ChooseTask(IDC_SELECTEDIT_COLOR_RADIO),
        {"colour select page", IDC_COLORSELECT_LIST, [](const Wizard& wizard) { wizard.Press(PSBTN_NEXT); }},
        {"colour page", IDC_PALETTE,
         [](const Wizard& wizard) {
             EXPECT_TRUE(GetWindowLongA(wizard.Control(IDC_PALETTE), GWL_STYLE) & WS_TABSTOP);
             wizard.AltKey('p');  // the instruction's access key leads to the palette
         }},
        {"palette focused", IDC_PALETTE,
         [](const Wizard& wizard) {
             EXPECT_EQ(GetFocus(), wizard.Control(IDC_PALETTE));
             EXPECT_EQ(TextOf(wizard.Control(IDC_PALETTE)).rfind("Patch 0", 0), 0u) << TextOf(wizard.Control(IDC_PALETTE));
             wizard.Key(VK_END);
             wizard.Key(VK_UP);
             wizard.Key(VK_HOME);
             wizard.Key(VK_DOWN);
             wizard.Key(VK_RIGHT);
         }},
        {"tenth patch", IDC_PALETTE,
         [](const Wizard& wizard) {
             EXPECT_EQ(TextOf(wizard.Control(IDC_PALETTE)).rfind("Patch 9", 0), 0u) << TextOf(wizard.Control(IDC_PALETTE));
             wizard.Key(VK_RETURN);  // the palette's own, not Next
         }},
        {"patch dialog", IDC_COLORINPUT_HUE_LIST,
         [](const Wizard& dialog) {
             EXPECT_EQ(TextOf(dialog.page), "Colour Patch 9");
             dialog.Key(VK_ESCAPE);
         }},
        {"back on the palette", IDC_PALETTE,
         [](const Wizard& wizard) {
             EXPECT_EQ(GetFocus(), wizard.Control(IDC_PALETTE));  // the focus came back
             wizard.Press(PSBTN_CANCEL);
         }},
    });

    EXPECT_EQ(CallTintora32(0, 0, kPrinter, 0), 0);
    EXPECT_TRUE(walker.Finished()) << walker.Remaining();
    EXPECT_FALSE(walker.GaveUp());
    EXPECT_EQ(boxes.Count(), 1u);  // only the question whether to leave: the patch dialog was cancelled
}

}  // namespace

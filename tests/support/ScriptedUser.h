// A script driver for tests (see framework/headless/ScriptDriver.h) that also checks, when it
// goes, that the user could do every step and that every `expect` held. It starts from an
// empty headless screen.
//
//   ScriptedUser user;
//   user.Click(IDC_SELECTEDIT_GAMMA_RADIO).Next().Finish();
//   EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
//   EXPECT_TRUE(user.Finished());
//
// A test that wants refusals (a disabled button pressed on purpose) or failed checks calls
// ExpectRefusals() or ExpectFailures() and reads Refusals() or Failures() itself.
//
// Every step must have run by the time the user goes: a script that ran out early ends the
// windows with Cancel, which would otherwise pass for a test that expects Cancel. A test that
// leaves steps unrun on purpose (a window that closes before them) says so with
// AllowUnrunSteps().
//
// When the library's call that ran the windows ends (CallTintora32), every drawing object made
// since the user came (bitmaps, icons, brushes, fonts, device contexts) must be released again.
#pragma once

#include "framework/headless/DrawingObjectCensus.h"
#include "framework/headless/ScriptDriver.h"

class ScriptedUser : public fw::headless::ScriptDriver {
public:
    ScriptedUser();
    ~ScriptedUser() override;

    void ExpectRefusals() { m_refusalsExpected = true; }
    void ExpectFailures() { m_failuresExpected = true; }
    void AllowUnrunSteps() { m_unrunAllowed = true; }

    void SessionEnded() override;

private:
    bool m_refusalsExpected = false;
    bool m_failuresExpected = false;
    bool m_unrunAllowed = false;
    fw::headless::DrawingObjectCensus m_objectsBefore;
};

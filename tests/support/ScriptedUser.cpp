#include "support/ScriptedUser.h"

#include <gtest/gtest.h>

#include "framework/headless/Desktop.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += "\n  " + line;
    return text;
}

}  // namespace

ScriptedUser::ScriptedUser() {
    fw::headless::Desktop::Get().Reset();
    m_objectsBefore = fw::headless::DrawingObjectCensus::Take();
}

void ScriptedUser::SessionEnded() {
    ScriptDriver::SessionEnded();
    const auto after = fw::headless::DrawingObjectCensus::Take();
    // Fewer is fine: the machine may have been reset meanwhile.
    EXPECT_FALSE(after.Exceeds(m_objectsBefore)) << "drawing objects left when the call ended: " << after.Describe()
                                      << "; before it: " << m_objectsBefore.Describe();
}

ScriptedUser::~ScriptedUser() {
    if (!m_refusalsExpected) {
        EXPECT_TRUE(Refusals().empty()) << "refused steps:" << Joined(Refusals());
    }
    if (!m_failuresExpected) {
        EXPECT_TRUE(Failures().empty()) << "failed checks:" << Joined(Failures());
    }
    if (!m_unrunAllowed) {
        EXPECT_TRUE(Finished()) << "steps that never ran:" << Joined(UnrunSteps());
    }
}

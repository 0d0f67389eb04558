// What the utility shows in which control of which dialog template, by string id: the texts
// the tests of every language check (that they fit, that access keys are unique). A control
// that shows numbers or names only is left out; so are window titles, which the frame shows.
#pragma once

#include <vector>

#include "platform/win32api.h"

struct ShownText {
    UINT control;
    std::vector<UINT> strings;  // every string the control can show
    bool accessKey = true;      // false: shown without its access key (another control has it)
};

struct TemplateTexts {
    UINT dialog;
    std::vector<ShownText> texts;
};

const std::vector<TemplateTexts>& ShownTexts();

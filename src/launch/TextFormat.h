// Fills the one "%s" of a text loaded from the string library.
#pragma once

#include <string>

// Replaces the first "%s" of format with argument and turns "%%" into "%"; other
// characters are kept, so a hostile argument can never act as a format.
std::string FormatText(const std::string& format, const std::string& argument);

// Fills the one "%s" of a text loaded from the string library.
#pragma once

#include <string>

// Replaces the first "%s" of format with argument and turns "%%" into "%"; other
// characters are kept, so a hostile argument can never act as a format.
std::string FormatText(const std::string& format, const std::string& argument);

// The same for texts with two "%s": the first takes first, the second takes second.
std::string FormatText(const std::string& format, const std::string& first, const std::string& second);

// The same for a text whose one number placeholder is "%d": it takes number in decimal.
std::string FormatNumber(const std::string& format, int number);

// A control text without its access key mark: the "&" before a letter goes, "&&" stays, so
// that the text shown as the control shows it keeps its meaning. For a second control that
// shows a label's text but must not take its access key.
std::string WithoutAccessKey(const std::string& text);

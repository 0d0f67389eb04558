// A small JSON reader for tests that check a program's JSON output: the whole text must be one
// valid value (objects, arrays, strings with escapes, numbers, true, false, null).
#pragma once

#include <map>
#include <string>
#include <vector>

struct JsonValue {
    enum class Type { null, boolean, number, string, array, object };

    Type type = Type::null;
    bool boolean = false;
    double number = 0;
    std::string text;                         // a string, as UTF-8
    std::vector<JsonValue> items;             // an array
    std::map<std::string, JsonValue> fields;  // an object

    // False when text is not exactly one valid JSON value (blanks around it allowed).
    static bool Parse(const std::string& text, JsonValue& value);

    // The field's string, or empty when this is no object or the field no string.
    std::string Field(const std::string& name) const;
};

#!/usr/bin/env python3
"""Builds the string and dialog scripts of every translated language from the English scripts.

For each language table external/translations/<CODE>.txt it writes
external/strings_<code>/XVSTR<CODE>.rc and external/dialogs_<code>/XVDLG<CODE>.rc: the English
scripts with every text replaced by its translation, the language's resource language, the
Windows-1252 code page, the layout changes the table asks for, and the English pictures (they
carry no words). Run it after a change to an English script or a table, and commit the tables
and the scripts together; `--check` only reports whether the committed scripts are current.

A table is UTF-8 text, one entry per block (blank lines between blocks, "#" starts a comment):

    IDS_TITLE_UTILITY                   a string, by its id name
    en: Colour Utility                  the English text it was translated from
    tr: Farbdienstprogramm              the translation

    IDD_GAMMA_PAGE/IDC_GAMMA_ZONE1_RADIO    a control's caption in a template
    IDD_ABOUT_DIALOG                        a template's own caption

    layout IDD_GAMMA_PAGE/IDC_GAMMA_ZONE_LABEL = 14, 87, 74, 10    a control's x, y, width, height
    layout IDD_SAVE_NAME_DIALOG = 220, 68                          a template's width and height

Every text of the English scripts needs a translation: a missing one, one for an id the English
scripts do not have, a translation that loses a "%s" or "%d", drops an access key the English
text has, or holds a character Windows-1252 lacks stops the script with the reasons, and nothing
is written. An entry whose English text changed since it was translated is written anyway and
listed as a warning, so that the translator looks at it again.
"""

import argparse
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STRINGS_ENU = "external/strings_enu/XVSTRENU.rc"
DIALOGS_ENU = "external/dialogs_enu/XVDLGENU.rc"
TABLES = "external/translations"

# Code the loader uses -> the language's name and its resource language.
LANGUAGES = {
    "DEU": ("German", "LANG_GERMAN, SUBLANG_GERMAN"),
    "FRA": ("French", "LANG_FRENCH, SUBLANG_FRENCH"),
    "ESP": ("Spanish", "LANG_SPANISH, SUBLANG_SPANISH_MODERN"),
    "ITA": ("Italian", "LANG_ITALIAN, SUBLANG_ITALIAN"),
}

STRING_LINE = re.compile(r'^(\s*)(IDS_\w+)\s*,\s*"((?:[^"]|"")*)"\s*$')
# A statement with a caption inside a template: CONTROL "text", ID, ... (or LTEXT and the like).
CAPTIONED_LINE = re.compile(r'^(\s*)(\w+)(\s+)"((?:[^"]|"")*)"(\s*,\s*)(\w+)(\s*,.*)$')
DIALOG_HEADER = re.compile(r'^(\s*)(\w+)(\s+DIALOG(?:EX)?\s+)(.*)$')
CAPTION_LINE = re.compile(r'^(\s*CAPTION\s+)"((?:[^"]|"")*)"\s*$')
BITMAP_LINE = re.compile(r'^(\s*\w+\s+BITMAP\s+)"([^"]+)"\s*$')
FORMAT = re.compile(r"%[-+ #0]*\d*(?:\.\d+)?[sdiuxXc%]")


class TranslationError(Exception):
    pass


def rc_unquote(text):
    return text.replace('""', '"')


def rc_quote(text):
    return text.replace('"', '""')


def plain(text):
    """The text as a reader compares it: without access keys and with single spaces."""
    return " ".join(text.replace("&&", "\0").replace("&", "").replace("\0", "&").split())


def access_keys(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


class Table:
    """One language's translations and layout changes."""

    def __init__(self, code, path):
        self.code = code
        self.path = path
        self.texts = {}     # key -> (english, translation, line)
        self.layouts = {}   # key -> list of ints, line
        self.used = set()
        self.problems = []
        self.warnings = []
        self._read()

    def _read(self):
        with open(self.path, encoding="utf-8") as f:
            lines = f.read().split("\n")
        key, english, number = None, None, 0
        for number, line in enumerate(lines, 1):
            stripped = line.strip()
            if not stripped or stripped.startswith("#"):
                key, english = None, None
                continue
            if stripped.startswith("layout "):
                name, _, values = stripped[len("layout "):].partition("=")
                try:
                    numbers = [int(v) for v in values.split(",")]
                except ValueError:
                    numbers = []
                if len(numbers) not in (2, 4):
                    self.problems.append("%s:%d: a layout takes 4 numbers (control) or 2 (template)" % (self.path, number))
                self.layouts[name.strip()] = (numbers, number)
            elif line.startswith("en: ") or line == "en:":
                english = line[4:]
            elif line.startswith("tr: ") or line == "tr:":
                if key is None or english is None:
                    self.problems.append("%s:%d: a translation without its id and English text" % (self.path, number))
                elif key in self.texts:
                    self.problems.append("%s:%d: %s is translated twice" % (self.path, number, key))
                else:
                    self.texts[key] = (english, line[4:], number)
                key, english = None, None
            elif re.fullmatch(r"[A-Z]\w*(/\w+)?", stripped):
                key, english = stripped, None
            else:
                self.problems.append("%s:%d: not understood: %s" % (self.path, number, stripped))

    def translate(self, key, english):
        """The translation of the English text under key, checked; None when it is missing."""
        entry = self.texts.get(key)
        if entry is None:
            self.problems.append("%s: no translation of %s (\"%s\")" % (self.code, key, english))
            return None
        self.used.add(key)
        was, text, number = entry
        where = "%s:%d: %s" % (self.path, number, key)
        if plain(was) != plain(english):
            self.warnings.append("%s: the English text changed from \"%s\" to \"%s\"" % (where, was, english))
        if FORMAT.findall(text) != FORMAT.findall(english):
            self.problems.append("%s: the arguments %s differ from the English %s" %
                                 (where, FORMAT.findall(text), FORMAT.findall(english)))
        if access_keys(english) and access_keys(text) != 1:
            self.problems.append("%s: needs one access key (&), as the English text has" % where)
        if access_keys(text) > 1:
            self.problems.append("%s: more than one access key" % where)
        if bool(english.strip()) != bool(text.strip()):
            self.problems.append("%s: empty where the English text is not, or the other way round" % where)
        try:
            text.encode("cp1252")
        except UnicodeEncodeError as error:
            self.problems.append("%s: \"%s\" is not in Windows-1252" % (where, text[error.start:error.end]))
        return text

    def layout(self, key):
        entry = self.layouts.get(key)
        if entry is None:
            return None
        self.used.add("layout " + key)
        return entry[0]

    def check_unused(self):
        for key in self.texts:
            if key not in self.used:
                self.problems.append("%s: %s is not a text of the English scripts" % (self.path, key))
        for key in self.layouts:
            if "layout " + key not in self.used:
                self.problems.append("%s: layout %s names no template or control" % (self.path, key))


def header(kind, code, source):
    return [
        "// The %s %s library, made by tools/make-languages.py from %s" % (LANGUAGES[code][0], kind, source),
        "// and %s/%s.txt. Do not edit: change the table or the English script, and run the tool." % (TABLES, code),
    ]


def split_header(lines):
    """The script's leading comment block, and the rest."""
    at = 0
    while at < len(lines) and lines[at].startswith("//"):
        at += 1
    return lines[at:]


def language_line(line, code):
    if line.startswith("LANGUAGE "):
        return ["#pragma code_page(1252)", "LANGUAGE %s" % LANGUAGES[code][1]]
    return [line]


def make_strings(english_lines, table):
    out = header("string", table.code, STRINGS_ENU)
    for line in split_header(english_lines):
        match = STRING_LINE.match(line)
        if match:
            indent, name, text = match.groups()
            translated = table.translate(name, rc_unquote(text))
            out.append('%s%s, "%s"' % (indent, name, rc_quote(translated if translated is not None else "")))
        else:
            out.extend(language_line(line, table.code))
    return out


def replace_rect(rest, rect, where, table):
    """rest is ', "Class", style, x, y, w, h[, exstyle]' of a CONTROL statement."""
    fields = rest.split(",")
    if len(fields) < 7:
        table.problems.append("%s: the layout of this statement cannot be changed" % where)
        return rest
    for i, value in enumerate(rect):
        fields[3 + i] = " %d" % value
    return ",".join(fields)


def make_dialogs(english_lines, table):
    out = header("dialog", table.code, DIALOGS_ENU)
    dialog = None
    for line in split_header(english_lines):
        header_match = DIALOG_HEADER.match(line)
        if header_match and not line.lstrip().startswith("//"):
            indent, name, keyword, numbers = header_match.groups()
            dialog = name
            size = table.layout(name)
            if size:
                x, y = [v.strip() for v in numbers.split(",")[:2]]
                line = "%s%s%s%s, %s, %d, %d" % (indent, name, keyword, x, y, size[0], size[1])
            out.append(line)
            continue
        caption = CAPTION_LINE.match(line)
        if caption and dialog:
            text = rc_unquote(caption.group(2))
            if text:
                translated = table.translate(dialog, text)
                line = '%s"%s"' % (caption.group(1), rc_quote(translated or ""))
            out.append(line)
            continue
        statement = CAPTIONED_LINE.match(line)
        if statement and dialog and statement.group(2) != "FONT":
            indent, keyword, gap, text, comma, control, rest = statement.groups()
            key = "%s/%s" % (dialog, control)
            text = rc_unquote(text)
            if text:
                translated = table.translate(key, text)
                text = translated if translated is not None else ""
            rect = table.layout(key)
            if rect:
                if keyword != "CONTROL" or len(rect) != 4:
                    table.problems.append("%s: layout %s needs a CONTROL statement and 4 numbers" % (table.code, key))
                else:
                    rest = replace_rect(rest, rect, key, table)
            out.append('%s%s%s"%s"%s%s%s' % (indent, keyword, gap, rc_quote(text), comma, control, rest))
            continue
        bitmap = BITMAP_LINE.match(line)
        if bitmap:
            out.append('%s"../dialogs_enu/%s"' % (bitmap.group(1), bitmap.group(2)))
            continue
        if line.strip() == "END":
            dialog = None
        out.extend(language_line(line, table.code))
    return out


def read_lines(path):
    with open(path, encoding="cp1252") as f:
        return f.read().rstrip("\n").split("\n")


def outputs(root, code):
    lower = code.lower()
    return (os.path.join(root, "external", "strings_%s" % lower, "XVSTR%s.rc" % code),
            os.path.join(root, "external", "dialogs_%s" % lower, "XVDLG%s.rc" % code))


def build(root, code):
    """The two scripts of one language as bytes, and the table (with its problems and warnings)."""
    table = Table(code, os.path.join(root, TABLES, "%s.txt" % code))
    strings = make_strings(read_lines(os.path.join(root, STRINGS_ENU)), table)
    dialogs = make_dialogs(read_lines(os.path.join(root, DIALOGS_ENU)), table)
    table.check_unused()
    encode = lambda lines: ("\n".join(lines) + "\n").encode("cp1252", errors="replace")
    return (encode(strings), encode(dialogs)), table


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="only report whether the committed scripts are current")
    parser.add_argument("--root", default=ROOT, help="the source tree (default: this one)")
    parser.add_argument("codes", nargs="*", help="languages (default: all)")
    args = parser.parse_args(argv)

    failed, stale = False, []
    for code in args.codes or sorted(LANGUAGES):
        if code not in LANGUAGES:
            print("make-languages: no language %s (known: %s)" % (code, ", ".join(sorted(LANGUAGES))), file=sys.stderr)
            return 2
        scripts, table = build(args.root, code)
        for warning in table.warnings:
            print("warning: " + warning, file=sys.stderr)
        if table.problems:
            for problem in table.problems:
                print("error: " + problem, file=sys.stderr)
            failed = True
            continue
        for path, data in zip(outputs(args.root, code), scripts):
            current = None
            if os.path.exists(path):
                with open(path, "rb") as f:
                    current = f.read()
            if current == data:
                continue
            if args.check:
                stale.append(os.path.relpath(path, args.root))
            else:
                os.makedirs(os.path.dirname(path), exist_ok=True)
                with open(path, "wb") as f:
                    f.write(data)
                print("wrote " + os.path.relpath(path, args.root))
    if failed:
        print("make-languages: nothing written for the languages above; fix their tables", file=sys.stderr)
        return 1
    if stale:
        print("make-languages: not current, run tools/make-languages.py: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

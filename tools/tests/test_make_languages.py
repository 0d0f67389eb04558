"""Checks of the language tool: the committed translated scripts are what it makes, and a table
that would ship a broken text stops it."""

import contextlib
import importlib.util
import io
import os
import tempfile
import unittest

TOOLS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
_spec = importlib.util.spec_from_file_location("make_languages", os.path.join(TOOLS, "make-languages.py"))
make_languages = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(make_languages)

ENGLISH_STRINGS = """// English
#include <windows.h>
LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US
STRINGTABLE
BEGIN
    IDS_A, "Save ""%s"" to %d files?"
    IDS_B, "&Delete"
END
"""
ENGLISH_DIALOGS = """// English
LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US
IDD_PAGE DIALOGEX 0, 0, 100, 50
CAPTION ""
FONT 8, "MS Shell Dlg", 0, 0, 0x1
BEGIN
    CONTROL "Red", IDC_ZONE, "Button", BS_RADIOBUTTON | WS_TABSTOP, 1, 2, 30, 10
    CONTROL "", IDC_LABEL, "Static", SS_LEFT, 1, 14, 30, 10
END
IDB_X BITMAP "pictures/1_x.bmp"
"""
GOOD_TABLE = """IDS_A
en: Save "%s" to %d files?
tr: „%s“ in %d Dateien speichern?

IDS_B
en: &Delete
tr: &Löschen

IDD_PAGE/IDC_ZONE
en: Red
tr: Rot

layout IDD_PAGE/IDC_LABEL = 1, 14, 60, 10
layout IDD_PAGE = 120, 50
"""


def read(path):
    if not os.path.exists(path):
        return None
    with open(path, encoding="cp1252") as f:
        return f.read()


class MakeLanguagesTest(unittest.TestCase):
    def run_tool(self, table, *args):
        with tempfile.TemporaryDirectory() as root:
            for path, text in ((make_languages.STRINGS_ENU, ENGLISH_STRINGS), (make_languages.DIALOGS_ENU, ENGLISH_DIALOGS),
                               (os.path.join(make_languages.TABLES, "DEU.txt"), table)):
                os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
                with open(os.path.join(root, path), "w", encoding="utf-8") as f:
                    f.write(text)
            errors = io.StringIO()
            with contextlib.redirect_stderr(errors), contextlib.redirect_stdout(io.StringIO()):
                status = make_languages.main(["--root", root, "DEU"] + list(args))
            return status, errors.getvalue(), [read(path) for path in make_languages.outputs(root, "DEU")]

    def test_translated_scripts(self):
        status, errors, (strings, dialogs) = self.run_tool(GOOD_TABLE)
        self.assertEqual((status, errors), (0, ""))
        self.assertIn('#pragma code_page(1252)\nLANGUAGE LANG_GERMAN, SUBLANG_GERMAN', strings)
        self.assertIn('IDS_A, "„%s“ in %d Dateien speichern?"', strings)
        self.assertIn('CONTROL "Rot", IDC_ZONE, "Button", BS_RADIOBUTTON | WS_TABSTOP, 1, 2, 30, 10', dialogs)
        self.assertIn('CONTROL "", IDC_LABEL, "Static", SS_LEFT, 1, 14, 60, 10', dialogs)
        self.assertIn("IDD_PAGE DIALOGEX 0, 0, 120, 50", dialogs)
        self.assertIn('IDB_X BITMAP "../dialogs_enu/pictures/1_x.bmp"', dialogs)

    def test_a_faulty_table_writes_nothing(self):
        faults = [
            ("tr: &Löschen", "tr: Löschen", "needs one access key"),
            ("tr: &Löschen", "tr: &Lö&schen", "more than one access key"),
            ("tr: „%s“ in %d", "tr: „%d“ in %s", "arguments"),
            ("tr: „%s“ in %d", "tr: „%s“ in", "arguments"),
            ("tr: Rot", "tr: Rot \u2192", "Windows-1252"),
            ("IDD_PAGE/IDC_ZONE\nen: Red\ntr: Rot\n", "", "no translation of IDD_PAGE/IDC_ZONE"),
            ("IDS_B\n", "IDS_GONE\nen: x\ntr: y\n\nIDS_B\n", "IDS_GONE is not a text"),
            ("layout IDD_PAGE =", "layout IDD_OTHER =", "names no template"),
        ]
        for good, bad, message in faults:
            with self.subTest(message):
                table = GOOD_TABLE.replace(good, bad, 1)
                self.assertNotEqual(table, GOOD_TABLE)
                status, errors, scripts = self.run_tool(table)
                self.assertEqual(status, 1)
                self.assertIn(message, errors)
                self.assertEqual(scripts, [None, None])

    def test_changed_english_is_a_warning(self):
        status, errors, _ = self.run_tool(GOOD_TABLE.replace("en: Red", "en: Rouge"))
        self.assertEqual(status, 0)
        self.assertIn("English text changed", errors)

    def test_committed_scripts_are_current(self):
        status = make_languages.main(["--check"])
        self.assertEqual(status, 0, "run tools/make-languages.py and commit its scripts")


if __name__ == "__main__":
    unittest.main()

#!/usr/bin/env python3
"""make-bitmaps: the committed skin files are what it writes, and the ids it names stay apart.

    python3 resources/skin/make_bitmaps_test.py
"""
import importlib.machinery
import importlib.util
import os
import re
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
_loader = importlib.machinery.SourceFileLoader("make_bitmaps", os.path.join(HERE, "make-bitmaps"))
_spec = importlib.util.spec_from_loader("make_bitmaps", _loader)
make_bitmaps = importlib.util.module_from_spec(_spec)
_loader.exec_module(make_bitmaps)

DEFINE = re.compile(r"^#define (IDB_\w+) (\d+)$", re.MULTILINE)
FILES = make_bitmaps.all_files()


def defines(header):
    """[(name, number)] of a generated id header, in the order written."""
    return [(name, int(number)) for name, number in DEFINE.findall(FILES[header].decode())]


class CommittedFiles(unittest.TestCase):
    def test_every_committed_file_is_what_the_script_writes(self):
        # A hand edit, or a change to the script that was not rerun, shows up here.
        self.assertEqual(make_bitmaps.stale_files(FILES), [])


class IdNames(unittest.TestCase):
    def test_a_name_gets_the_programs_word_once(self):
        cases = [
            ("", "close-normal", "IDB_CLOSE_NORMAL"),
            ("", "backup-background", "IDB_BACKUP_BACKGROUND"),
            ("INSTALLER", "close-normal", "IDB_INSTALLER_CLOSE_NORMAL"),
            ("INSTALLER", "installer-background", "IDB_INSTALLER_BACKGROUND"),
        ]
        for word, name, symbol in cases:
            self.assertEqual(make_bitmaps.bitmap_symbol(word, name), symbol, (word, name))

    def test_each_header_names_each_bitmap_once_and_the_programs_share_no_name(self):
        client = defines("ClientSkinIds.h")
        installer = defines("InstallerSkinIds.h")
        for entries in (client, installer):
            self.assertTrue(entries)
            self.assertEqual(len({name for name, _ in entries}), len(entries))
            self.assertEqual(len({number for _, number in entries}), len(entries))
        self.assertFalse({name for name, _ in client} & {name for name, _ in installer})

    def test_the_script_fragment_loads_every_named_bitmap_under_its_name(self):
        for stem in ("ClientSkin", "InstallerSkin"):
            script = FILES[f"{stem}.rc2"].decode()
            self.assertIn(f'#include "resources/skin/{stem}Ids.h"', script)
            for name, number in defines(f"{stem}Ids.h"):
                self.assertRegex(script, rf'(?m)^{name} BITMAP "resources/skin/\w+/{number}-')

    def test_a_number_given_twice_is_refused(self):
        pictures = make_bitmaps.PictureSet()
        pictures.add(143, "close-normal", make_bitmaps.Canvas(1, 1, make_bitmaps.KEY))
        with self.assertRaises(ValueError):
            pictures.add(143, "ok-normal", make_bitmaps.Canvas(1, 1, make_bitmaps.KEY))


if __name__ == "__main__":
    unittest.main()

#!/usr/bin/env python3
"""vlbackup.exe under Wine brings kept versions back: a file changed between three runs has four
versions, newest first; the oldest restores into a folder with its bytes and time; a restore
onto the file the user has is refused, and with --replace that file is kept as a history copy;
pruning keeps the newest copies, and a dry run removes nothing.

Usage: restore_test.py VLBACKUP_EXE   (vlbackup.exe of the cross tree)
"""
import json
import os
import shutil
import sys
import tempfile
import time
import unittest

import cli_support
from cli_support import (WRITTEN, history_files, make_file, prepare_prefix, settings, items_of,
                         vlbackup, win)

setUpModule = prepare_prefix

CONTENTS = [b"first", b"second version", b"third version, longer", b"fourth and newest version"]


def next_second():
    """History copies are stamped to the second: two runs in one second would share a stamp."""
    time.sleep(1.05 - time.time() % 1)


class RestoreStory(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vlrestore-")
        self.addCleanup(shutil.rmtree, self.dir, ignore_errors=True)
        self.src = os.path.join(self.dir, "src")
        self.target = os.path.join(self.dir, "target")
        self.file = os.path.join(self.src, "notes.txt")
        os.makedirs(self.target)
        self.set_file = os.path.join(self.dir, "set.bsf")
        make_file(self.file, CONTENTS[0], WRITTEN)
        with open(self.set_file, "wb") as f:
            f.write(settings(win(self.target)) + items_of([self.src]))

    def command(self, *args):
        return vlbackup("--set", win(self.set_file), *args)

    def ok(self, *args):
        result = self.command(*args)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout.decode("utf-8")

    def versions(self):
        return [line.split("\t") for line in self.ok("versions", win(self.file)).splitlines()]

    def history(self):
        return history_files(self.target)

    def test_versions_restore_replace_and_prune(self):
        # Before any run: nothing to list, and the person is told so on stderr.
        empty = self.command("versions", win(self.file))
        self.assertEqual((empty.returncode, empty.stdout), (0, b""))
        self.assertIn(b"no backup copy", empty.stderr)
        self.ok("run")
        for number, content in enumerate(CONTENTS[1:], start=1):
            next_second()
            make_file(self.file, content, WRITTEN + 100 * number)
            self.ok("run")

        listed = self.versions()
        self.assertEqual([row[0] for row in listed][0], "current")
        stamps = [row[0] for row in listed[1:]]
        self.assertEqual(len(stamps), 3, listed)
        self.assertEqual(stamps, sorted(stamps, reverse=True))
        self.assertEqual([int(row[1]) for row in listed],
                         [len(c) for c in reversed(CONTENTS)])
        as_json = json.loads(self.ok("versions", win(self.file), "--json"))
        self.assertEqual([v["version"] for v in as_json["versions"]], [r[0] for r in listed])

        out = os.path.join(self.dir, "out")
        self.ok("restore", win(self.file), "--version", stamps[-1], "--to", win(out))
        restored = os.path.join(out, "notes.txt")
        with open(restored, "rb") as f:
            self.assertEqual(f.read(), CONTENTS[0])
        self.assertEqual(int(os.stat(restored).st_mtime), WRITTEN)

        refused = self.command("restore", win(self.file))
        self.assertEqual(refused.returncode, 1, refused.stderr)
        self.assertEqual(len(refused.stderr.decode("utf-8").splitlines()), 1, refused.stderr)
        with open(self.file, "rb") as f:
            self.assertEqual(f.read(), CONTENTS[3])

        before = set(self.history())
        self.ok("restore", win(self.file), "--latest", "--replace")
        with open(self.file, "rb") as f:
            self.assertEqual(f.read(), CONTENTS[2])
        added = set(self.history()) - before
        self.assertEqual(len(added), 1, added)
        with open(added.pop(), "rb") as f:
            self.assertEqual(f.read(), CONTENTS[3])
        self.assertEqual(len(self.versions()), 5)

        kept = self.history()
        self.ok("history", "prune", "--keep", "1", "--dry-run")
        self.assertEqual(self.history(), kept)
        self.ok("history", "prune", "--keep", "1")
        newest = self.versions()
        self.assertEqual(len(newest), 2, newest)
        self.assertEqual(newest[1][0], max(row[0] for row in listed[1:] + [newest[1]]))
        with open(newest[1][2].replace("\\", "/").split(":", 1)[1], "rb") as f:
            self.assertEqual(f.read(), CONTENTS[3])

    def test_bad_lines_are_refused_without_touching_the_backup(self):
        self.ok("run")
        for args in (["history", "prune"], ["restore"], ["versions", win(self.dir)],
                     ["restore", win(self.file), "--version", "20000101000000"]):
            result = self.command(*args)
            self.assertEqual(result.returncode, 1, (args, result.stderr))
            self.assertEqual(len(result.stderr.decode("utf-8").splitlines()), 1, result.stderr)
        self.assertEqual(self.history(), [])


if __name__ == "__main__":
    cli_support.use_vlbackup(sys.argv.pop(1))
    unittest.main(verbosity=1)

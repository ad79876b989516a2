#!/usr/bin/env python3
"""vlbackup.exe under Wine: shows and re-saves backup sets, reports unreadable ones.

Usage: vlbackup_cli_test.py PATH/TO/vlbackup.exe
"""
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE_RUN = os.path.join(ROOT, "scripts", "wine-run")
EXE = None


def win(path):
    """The Windows name of a Unix path through Wine's Z: drive."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def text(s):
    """A string in the set-file form: Unicode marker, length, UTF-16LE units."""
    units = s.encode("utf-16-le")
    n = len(units) // 2
    if n < 255:
        length = struct.pack("<B", n)
    elif n < 65534:
        length = b"\xff" + struct.pack("<H", n)
    else:
        length = b"\xff\xff\xff" + struct.pack("<I", n)
    return b"\xff\xfe\xff" + length + units


def settings(backup_path, reserved2="", mode=0, auto=0, nas=0):
    i32 = lambda v: struct.pack("<i", v)
    u32 = lambda v: struct.pack("<I", v)
    return (text(backup_path) + text(reserved2) + text("") * 3 + text("OK") + text("") + i32(1)
            + i32(mode) + i32(auto) + text("10") + text("4") + i32(0) + u32(nas)
            + text("share") + text("admin") + text("pw") + text("") * 2 + i32(7) + text("r21"))


def items(*records):
    out = struct.pack("<H", len(records))
    for index, (serial, path, recognized) in enumerate(records):
        tag = b"\xff\xff\x02\x00\x07\x00CSource" if index == 0 else b"\x01\x80"
        out += tag + struct.pack("<I", serial) + text(path) + struct.pack("<i", recognized)
    return out


SAMPLE = settings("\\\\127.0.0.5\\share\\Backup", reserved2="kept", mode=2, auto=1,
                  nas=0x7F000005) + items((0x1234ABCD, "C:\\Data\\Work", 1),
                                          (0, "D:\\\u00c9t\u00e9 \ud55c\uae00", 0))


def vlbackup(*args, cwd=None):
    env = dict(os.environ)
    return subprocess.run([WINE_RUN, EXE, *args], capture_output=True, cwd=cwd, env=env,
                          timeout=120)


class VlbackupTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vlcli-")

    def tearDown(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def write(self, name, data):
        path = os.path.join(self.dir, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def test_show_prints_every_setting_and_item_as_utf8_json(self):
        path = self.write("sample.bsf", SAMPLE)
        result = vlbackup("--set", win(path), "show")
        self.assertEqual(result.returncode, 0, result.stderr)
        shown = json.loads(result.stdout.decode("utf-8"))
        s = shown["settings"]
        self.assertEqual(s["m_strBackupPath"], "\\\\127.0.0.5\\share\\Backup")
        self.assertEqual((s["m_nBackupMode"], s["m_bAutoBackup"]), (2, 1))
        self.assertEqual(s["m_dwNasAddress"], 0x7F000005)
        self.assertEqual((s["reserved2"], s["reserved8"], s["reserved20"], s["reserved21"]),
                         ("kept", 1, 7, "r21"))
        self.assertEqual(shown["items"], [
            {"path": "C:\\Data\\Work", "volumeSerial": 0x1234ABCD, "recognized": 1},
            {"path": "D:\\\u00c9t\u00e9 \ud55c\uae00", "volumeSerial": 0, "recognized": 0},
        ])

    def test_resave_gives_back_the_same_bytes(self):
        path = self.write("sample.bsf", SAMPLE)
        out = os.path.join(self.dir, "out.bsf")
        result = vlbackup("--set", win(path), "resave", win(out))
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(out, "rb") as f:
            self.assertEqual(f.read(), SAMPLE)
        self.assertFalse(os.path.exists(out + ".new"))

    def test_unreadable_sets_give_one_line_naming_the_file(self):
        cases = {
            "truncated.bsf": SAMPLE[:-3],
            "wrong-class.bsf": SAMPLE.replace(b"CSource", b"CTarget"),
            "huge-count.bsf": settings("x") + b"\xff\xff\xff\xff\xff\xff",
        }
        for name, data in cases.items():
            with self.subTest(name):
                path = self.write(name, data)
                result = vlbackup("--set", win(path), "show")
                self.assertEqual(result.returncode, 1)
                self.assertEqual(result.stdout, b"")
                lines = result.stderr.decode("utf-8").splitlines()
                self.assertEqual(len(lines), 1, lines)
                self.assertIn(name, lines[0])

    def test_missing_set_and_bad_arguments_fail_with_status_1(self):
        for args in (["--set", win(os.path.join(self.dir, "none.bsf")), "show"],
                     ["show", "extra"], ["frobnicate"], []):
            with self.subTest(args):
                result = vlbackup(*args)
                self.assertEqual(result.returncode, 1)
                self.assertNotEqual(result.stderr, b"")

    def test_without_set_option_uses_the_first_set_in_config_beside_the_program(self):
        exe = os.path.join(self.dir, "prog", "vlbackup.exe")
        os.makedirs(os.path.dirname(exe))
        shutil.copy(EXE, exe)
        os.makedirs(os.path.join(self.dir, "prog", "Config", "folder.bsf"))
        self.write("prog/Config/mine.bsf", SAMPLE)
        result = subprocess.run([WINE_RUN, exe, "show"], capture_output=True, timeout=120)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(len(json.loads(result.stdout)["items"]), 2)

    def test_without_any_set_shows_the_defaults_of_a_new_set(self):
        exe = os.path.join(self.dir, "prog", "vlbackup.exe")
        os.makedirs(os.path.dirname(exe))
        shutil.copy(EXE, exe)
        result = subprocess.run([WINE_RUN, exe, "show"], capture_output=True, timeout=120)
        self.assertEqual(result.returncode, 0, result.stderr)
        shown = json.loads(result.stdout)
        self.assertEqual(shown["items"], [])
        self.assertEqual(shown["settings"]["m_strBackupPath"], win(exe)[:-len("vlbackup.exe")] + "Backup")
        self.assertEqual(shown["settings"]["m_strIdleTime"], "10")
        self.assertFalse(os.path.exists(os.path.join(self.dir, "prog", "Config")),
                         "showing must not create the client's folders")


if __name__ == "__main__":
    EXE = sys.argv.pop(1)
    unittest.main(verbosity=1)

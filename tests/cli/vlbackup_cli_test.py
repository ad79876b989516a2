#!/usr/bin/env python3
"""vlbackup.exe under Wine: shows and re-saves backup sets, reports unreadable ones, and plans
backups of real folder trees.

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


WRITTEN = 1_394_010_422  # a fixed last-write time, so that copies and changes are exact
COUNTERS = ["totalBytes", "doneBytes", "jobCount", "folderCount", "fileCount", "createdFolders",
            "copiedNew", "copiedChanged", "deletedFolders", "deletedFiles", "errorCount",
            "startTime", "endTime"]
FOLDER_ACTIONS = {"CREATE_FOLDER", "EXISTING_FOLDER", "DELETE_FOLDER"}
NEW_ACTIONS = {"CREATE_FOLDER", "NEW_FILE", "DELETE_FOLDER", "DELETE_FILE"}


def job(action, name, source, target, size=0, children=()):
    """An expected job as the plan prints it, with the flags its action implies."""
    return {"action": action, "isFolder": action in FOLDER_ACTIONS, "isNew": action in NEW_ACTIONS,
            "name": name, "sourcePath": source, "targetPath": target,
            "size": size, "children": list(children)}


def canonical(jobs):
    """Jobs with each folder's children sorted: the plan keeps the file system's listing order,
    which on a Linux file system under Wine is not alphabetical."""
    out = []
    for j in jobs:
        j = dict(j, children=canonical(j["children"]))
        out.append(j)
    return sorted(out, key=lambda j: (j["action"].startswith("DELETE"), j["name"]))


def deletions_follow_copies(jobs):
    for j in jobs:
        kinds = [c["action"].startswith("DELETE") for c in j["children"]]
        if kinds != sorted(kinds) or not deletions_follow_copies(j["children"]):
            return False
    return True


class PlanTest(unittest.TestCase):
    """`plan` on real trees: Docs in src is the item; the set's backup folder is target."""

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vlplan-")
        self.src = os.path.join(self.dir, "src")
        self.target = os.path.join(self.dir, "target")
        os.makedirs(self.target)
        self.make_file("src/Docs/a.txt", b"hello")
        self.make_file("src/Docs/r\u00e9sum\u00e9.txt", b"cv")
        self.make_file("src/Docs/sub/b.txt", b"1234567")
        os.makedirs(os.path.join(self.src, "Docs", "empty"))
        self.make_file("src/Docs/_VLHistory/a_VL20140101000000.txt", b"old")

    def tearDown(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def make_file(self, rel, data, mtime=WRITTEN):
        path = os.path.join(self.dir, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        os.utime(path, (mtime, mtime))
        return path

    def copy_to_target(self):
        shutil.copytree(os.path.join(self.src, "Docs"), os.path.join(self.target, "Docs"),
                        copy_function=shutil.copy2,
                        ignore=shutil.ignore_patterns("_VLHistory"))

    def plan(self, *flags, items=None):
        item_paths = items if items is not None else [os.path.join(self.src, "Docs")]
        data = settings(win(self.target)) + items_of(item_paths)
        set_file = os.path.join(self.dir, "plan.bsf")
        with open(set_file, "wb") as f:
            f.write(data)
        result = vlbackup("--set", win(set_file), "plan", *flags)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result

    def plan_json(self, *flags, **kw):
        result = self.plan("--json", *flags, **kw)
        shown = json.loads(result.stdout.decode("utf-8"))
        self.assertEqual(list(shown["stats"]), COUNTERS)
        self.assertTrue(deletions_follow_copies(shown["jobs"]))
        return shown

    def s(self, *parts):
        return "\\".join([win(self.src)] + list(parts))

    def t(self, *parts):
        return "\\".join([win(self.target)] + list(parts))

    def existing_docs(self, *extra):
        return job("EXISTING_FOLDER", "Docs", self.s("Docs"), self.t("Docs"), children=[
            job("EXISTING_FOLDER", "sub", self.s("Docs", "sub"), self.t("Docs", "sub")),
            job("EXISTING_FOLDER", "empty", self.s("Docs", "empty"), self.t("Docs", "empty")),
            *extra])

    def test_a_new_target_gets_everything_but_history_with_counters_and_status_lines(self):
        result = self.plan()
        lines = result.stdout.decode("utf-8").splitlines()
        self.assertEqual([line.split(": ")[0] for line in lines], COUNTERS)
        counters = {k: int(v) for k, v in (line.split(": ") for line in lines)}
        self.assertEqual([counters[k] for k in ("totalBytes", "jobCount", "folderCount",
                                                "fileCount", "doneBytes", "errorCount")],
                         [14, 6, 3, 3, 0, 0])
        self.assertLessEqual(counters["startTime"], counters["endTime"])
        status = result.stderr.decode("utf-8").splitlines()
        self.assertEqual(sorted(status), ["Analyzing : Docs", "Analyzing : empty",
                                          "Analyzing : sub"])
        self.assertEqual(status[0], "Analyzing : Docs")

        shown = self.plan_json()
        expected = job("CREATE_FOLDER", "Docs", self.s("Docs"), self.t("Docs"), children=[
            job("NEW_FILE", "a.txt", self.s("Docs", "a.txt"), self.t("Docs", "a.txt"), 5),
            job("NEW_FILE", "r\u00e9sum\u00e9.txt", self.s("Docs", "r\u00e9sum\u00e9.txt"),
                self.t("Docs", "r\u00e9sum\u00e9.txt"), 2),
            job("CREATE_FOLDER", "sub", self.s("Docs", "sub"), self.t("Docs", "sub"), children=[
                job("NEW_FILE", "b.txt", self.s("Docs", "sub", "b.txt"),
                    self.t("Docs", "sub", "b.txt"), 7)]),
            job("CREATE_FOLDER", "empty", self.s("Docs", "empty"), self.t("Docs", "empty"))])
        self.assertEqual(canonical(shown["jobs"]), canonical([expected]))
        self.assertEqual(shown["stats"]["totalBytes"], 14)

    def test_an_identical_copy_leaves_nothing_to_do_and_a_changed_file_is_replaced(self):
        self.copy_to_target()
        shown = self.plan_json()
        self.assertEqual(canonical(shown["jobs"]), canonical([self.existing_docs()]))
        self.assertEqual((shown["stats"]["fileCount"], shown["stats"]["totalBytes"]), (0, 0))

        self.make_file("src/Docs/sub/b.txt", b"123456789", mtime=WRITTEN + 10)
        shown = self.plan_json()
        changed = self.existing_docs()
        changed["children"][0]["children"] = [
            job("CHANGED_FILE", "b.txt", self.s("Docs", "sub", "b.txt"),
                self.t("Docs", "sub", "b.txt"), 9)]
        self.assertEqual(canonical(shown["jobs"]), canonical([changed]))
        self.assertEqual((shown["stats"]["fileCount"], shown["stats"]["totalBytes"]), (1, 9))

    def test_only_a_synchronizing_plan_deletes_target_only_entries_and_history(self):
        self.copy_to_target()
        self.make_file("target/Docs/extra.txt", b"four")
        self.make_file("target/Docs/olddir/x.txt", b"xyz")
        self.make_file("target/Docs/sub/_VLHistory/b_VL20140101000000.txt", b"12")
        shown = self.plan_json()
        self.assertEqual(canonical(shown["jobs"]), canonical([self.existing_docs()]))

        shown = self.plan_json("--sync")
        expected = self.existing_docs(
            job("DELETE_FILE", "extra.txt", self.s("Docs", "extra.txt"),
                self.t("Docs", "extra.txt"), 4),
            job("DELETE_FOLDER", "olddir", self.s("Docs", "olddir"), self.t("Docs", "olddir"),
                children=[job("DELETE_FILE", "x.txt", self.s("Docs", "olddir", "x.txt"),
                              self.t("Docs", "olddir", "x.txt"), 3)]))
        history = ("Docs", "sub", "_VLHistory")
        expected["children"][0]["children"] = [
            job("DELETE_FOLDER", "_VLHistory", self.s(*history), self.t(*history), children=[
                job("DELETE_FILE", "b_VL20140101000000.txt",
                    self.s(*history, "b_VL20140101000000.txt"),
                    self.t(*history, "b_VL20140101000000.txt"), 2)])]
        self.assertEqual(canonical(shown["jobs"]), canonical([expected]))
        self.assertEqual((shown["stats"]["fileCount"], shown["stats"]["folderCount"],
                          shown["stats"]["totalBytes"]), (3, 5, 9))

    def test_a_target_path_of_260_characters_counts_as_missing(self):
        folder = "L"
        room = 259 - len(self.t(folder, ""))
        fits, too_long = "f" * room, "g" * (room + 1)
        self.assertLess(len(too_long.encode()), 256, "the temporary folder is too deep")
        for name in (fits, too_long):
            self.make_file(os.path.join("src", folder, name), b"1")
        shutil.copytree(os.path.join(self.src, folder), os.path.join(self.target, folder),
                        copy_function=shutil.copy2)
        self.assertEqual(len(self.t(folder, too_long)), 260)
        shown = self.plan_json(items=[os.path.join(self.src, folder)])
        self.assertEqual(shown["jobs"], [
            job("EXISTING_FOLDER", folder, self.s(folder), self.t(folder), children=[
                job("NEW_FILE", too_long, self.s(folder, too_long), self.t(folder, too_long),
                    1)])])

    def test_missing_items_are_skipped_and_bad_flags_refused(self):
        shown = self.plan_json(items=[os.path.join(self.dir, "gone"),
                                      os.path.join(self.src, "Docs", "a.txt")])
        self.assertEqual(shown["jobs"], [job("NEW_FILE", "a.txt", self.s("Docs", "a.txt"),
                                             self.t("a.txt"), 5)])
        result = vlbackup("plan", "--frobnicate")
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stdout, b"")
        self.assertIn("--frobnicate", result.stderr.decode("utf-8"))


def items_of(paths):
    return items(*[(0, win(p), 1) for p in paths])


if __name__ == "__main__":
    EXE = sys.argv.pop(1)
    unittest.main(verbosity=1)

#!/usr/bin/env python3
"""vlbackup.exe under Wine: shows and re-saves backup sets, reports unreadable ones, plans
backups of real folder trees, changes sets, runs backups, and stays off the set while the client
runs.

Usage: vlbackup_cli_test.py VLBACKUP_EXE HELPER_EXE CLIENT_EXE
  (vlbackup.exe, vlbackup_test_helper.exe and Vaultline.exe of the cross tree)
"""
import contextlib
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

import cli_support
from cli_support import (NOTHING, SUCCESS, WINE_RUN, WRITTEN, failure_line, history_files,
                         items, items_of, make_file, prepare_prefix, report_lines, settings,
                         tree_files, vlbackup, win, wine)

EXE = None
HELPER = None
CLIENT = None


SAMPLE = settings("\\\\127.0.0.5\\share\\Backup", reserved2="kept", mode=2, auto=1,
                  nas=0x7F000005) + items((0x1234ABCD, "C:\\Data\\Work", 1),
                                          (0, "D:\\\u00c9t\u00e9 \ud55c\uae00", 0))


setUpModule = prepare_prefix


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
        self.assertEqual(s["backupPath"], "\\\\127.0.0.5\\share\\Backup")
        self.assertEqual((s["backupMode"], s["autoBackup"]), (2, 1))
        self.assertEqual(s["nasAddress"], 0x7F000005)
        self.assertEqual(s["nasAddressDotted"], "127.0.0.5")
        self.assertEqual((s["historyMode"], s["idleTime"], s["period"], s["autoConnect"]),
                         (0, "10", "4", "OK"))
        self.assertEqual((s["nasShare"], s["nasAccount"], s["nasPassword"]),
                         ("share", "admin", "***"))
        self.assertNotIn(b'"pw"', result.stdout)
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
        result = wine(exe, "show")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(len(json.loads(result.stdout)["items"]), 2)

    def test_without_any_set_shows_the_defaults_of_a_new_set(self):
        exe = os.path.join(self.dir, "prog", "vlbackup.exe")
        os.makedirs(os.path.dirname(exe))
        shutil.copy(EXE, exe)
        result = wine(exe, "show")
        self.assertEqual(result.returncode, 0, result.stderr)
        shown = json.loads(result.stdout)
        self.assertEqual(shown["items"], [])
        self.assertEqual(shown["settings"]["backupPath"], win(exe)[:-len("vlbackup.exe")] + "Backup")
        self.assertEqual(shown["settings"]["idleTime"], "10")
        self.assertFalse(os.path.exists(os.path.join(self.dir, "prog", "Config")),
                         "showing must not create the client's folders")


@contextlib.contextmanager
def held_locked(path, seconds=60):
    """The helper holds path open without sharing until the block ends. Its output goes to a
    file: the Wine wrapper would hold output to a pipe back until the helper ends."""
    with tempfile.TemporaryFile() as out:
        holder = subprocess.Popen([WINE_RUN, HELPER, "lock", win(path)], stdin=subprocess.PIPE,
                                  stdout=out, stderr=subprocess.DEVNULL)
        try:
            deadline = time.monotonic() + seconds
            while os.pread(out.fileno(), 64, 0).strip() != b"locked":
                if holder.poll() is not None or time.monotonic() > deadline:
                    raise AssertionError("the helper did not lock " + path)
                time.sleep(0.1)
            yield
        finally:
            holder.stdin.close()
            holder.wait(timeout=seconds)


class FailureLineTest(unittest.TestCase):
    """Whatever lets a command down, it says so in one line that names the file once."""

    READING = (["show"], ["resave", "OUT"], ["plan"], ["run"], ["remove", "0"])

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vlfail-")

    def tearDown(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.dir, name)

    def assert_names_once(self, result, path):
        line = failure_line(self, result)
        self.assertEqual(line.count(win(path)), 1, line)

    def each_command_on(self, set_path):
        for args in self.READING:
            args = [win(self.path("out.bsf")) if a == "OUT" else a for a in args]
            with self.subTest(set=os.path.basename(set_path), command=args[0]):
                yield vlbackup("--set", win(set_path), *args)

    def test_a_missing_set_file_is_named_once_and_not_created(self):
        missing = self.path("none.bsf")
        for result in self.each_command_on(missing):
            self.assert_names_once(result, missing)
            self.assertIn("was not found", result.stderr.decode("utf-8"))
        self.assertEqual(os.listdir(self.dir), [])

    def test_damaged_set_files_are_named_once_by_every_command(self):
        cases = {
            "truncated.bsf": SAMPLE[:-3],
            "wrong-class.bsf": SAMPLE.replace(b"CSource", b"CTarget"),
            "empty.bsf": b"",
            "garbage.bsf": b"\xff" * 40,
        }
        for name, data in cases.items():
            path = self.path(name)
            with open(path, "wb") as f:
                f.write(data)
            for result in self.each_command_on(path):
                self.assert_names_once(result, path)
            with open(path, "rb") as f:
                self.assertEqual(f.read(), data)
        self.assertFalse(os.path.exists(self.path("out.bsf")))

    def test_a_folder_or_a_locked_file_as_the_set_is_named_once(self):
        folder = self.path("folder.bsf")
        os.makedirs(folder)
        self.assert_names_once(vlbackup("--set", win(folder), "show"), folder)
        locked = self.path("locked.bsf")
        with open(locked, "wb") as f:
            f.write(SAMPLE)
        with held_locked(locked):
            self.assert_names_once(vlbackup("--set", win(locked), "show"), locked)

    def test_an_output_that_cannot_be_written_is_named_once(self):
        set_file = self.path("sample.bsf")
        with open(set_file, "wb") as f:
            f.write(SAMPLE)
        folder = self.path("taken")
        os.makedirs(folder)
        for out in (self.path(os.path.join("no-such-folder", "out.bsf")), folder):
            with self.subTest(out):
                self.assert_names_once(vlbackup("--set", win(set_file), "resave", win(out)), out)
        self.assertEqual(sorted(os.listdir(self.dir)), ["sample.bsf", "taken"])

    def test_a_missing_item_to_add_is_named_once(self):
        set_file = self.path("edit.bsf")
        with open(set_file, "wb") as f:
            f.write(SAMPLE)
        missing = self.path("missing")
        self.assert_names_once(vlbackup("--set", win(set_file), "add", win(missing)), missing)
        with open(set_file, "rb") as f:
            self.assertEqual(f.read(), SAMPLE)


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
        return make_file(os.path.join(self.dir, rel), data, mtime)

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


HISTORY_NAME = re.compile(r"^(.*)_VL(\d{14})(\.[^.]*)?$")


def figures(result):
    """The report's "Label: value" lines as a dict."""
    return dict(line.split(": ", 1) for line in report_lines(result)[1:7])


class EditTest(unittest.TestCase):
    """add, remove and target change the set and save it at once."""

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vledit-")
        for name in ("A", "B"):
            os.makedirs(os.path.join(self.dir, "src", name))

    def tearDown(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def shown(self, *set_args):
        result = vlbackup(*set_args, "show")
        self.assertEqual(result.returncode, 0, result.stderr)
        return json.loads(result.stdout)

    def test_a_new_set_is_saved_as_the_default_set_beside_the_program(self):
        prog = os.path.join(self.dir, "prog")
        os.makedirs(prog)
        exe = os.path.join(prog, "vlbackup.exe")
        shutil.copy(EXE, exe)
        result = wine(exe, "add", win(os.path.join(self.dir, "src", "A")))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertTrue(os.path.isfile(os.path.join(prog, "Config", "Default.bsf")))
        shown = json.loads(wine(exe, "show").stdout)
        self.assertEqual([i["path"] for i in shown["items"]],
                         [win(os.path.join(self.dir, "src", "A"))])

    def test_add_refuses_a_duplicate_and_remove_and_target_persist(self):
        set_file = os.path.join(self.dir, "edit.bsf")
        with open(set_file, "wb") as f:
            f.write(settings("C:\\Old") + items())
        on = ("--set", win(set_file))
        a, b = win(os.path.join(self.dir, "src", "A")), win(os.path.join(self.dir, "src", "B"))
        for path in (a, b + "\\\\"):
            result = vlbackup(*on, "add", path)
            self.assertEqual(result.returncode, 0, result.stderr)
        shown = self.shown(*on)
        self.assertEqual([i["path"] for i in shown["items"]], [a, b])
        self.assertEqual([i["recognized"] for i in shown["items"]], [1, 1])
        self.assertNotEqual(shown["items"][0]["volumeSerial"], 0)

        duplicate = vlbackup(*on, "add", a.lower())
        self.assertEqual(duplicate.returncode, 1)
        self.assertEqual(duplicate.stdout, b"")
        self.assertIn("The folder is already registered.", duplicate.stderr.decode("utf-8"))
        self.assertEqual(len(self.shown(*on)["items"]), 2)

        self.assertEqual(vlbackup(*on, "remove", "0").returncode, 0)
        target = os.path.join(self.dir, "target")
        self.assertEqual(vlbackup(*on, "target", win(target)).returncode, 0)
        shown = self.shown(*on)
        self.assertEqual([i["path"] for i in shown["items"]], [b])
        self.assertEqual(shown["settings"]["backupPath"], win(target))

    def test_bad_edits_fail_with_status_1_and_change_nothing(self):
        set_file = os.path.join(self.dir, "edit.bsf")
        data = settings("C:\\Old") + items_of([os.path.join(self.dir, "src", "A")])
        with open(set_file, "wb") as f:
            f.write(data)
        on = ("--set", win(set_file))
        for args in (["remove", "1"], ["remove", "-1"], ["remove"], ["add"],
                     ["add", win(os.path.join(self.dir, "missing"))], ["target"],
                     ["target", "a", "b"]):
            with self.subTest(args):
                result = vlbackup(*on, *args)
                self.assertEqual(result.returncode, 1)
                self.assertNotEqual(result.stderr, b"")
        with open(set_file, "rb") as f:
            self.assertEqual(f.read(), data)


    def test_add_and_target_start_a_set_file_that_does_not_exist_with_the_new_set_defaults(self):
        a = win(os.path.join(self.dir, "src", "A"))
        prog = os.path.join(self.dir, "prog")
        os.makedirs(prog)
        exe = os.path.join(prog, "vlbackup.exe")
        shutil.copy(EXE, exe)
        for verb, arg in (("add", a), ("target", win(os.path.join(self.dir, "T")))):
            with self.subTest(verb):
                set_file = os.path.join(self.dir, verb + ".bsf")
                result = wine(exe, "--set", win(set_file), verb, arg)
                self.assertEqual(result.returncode, 0, result.stderr)
                shown = self.shown("--set", win(set_file))
                s = shown["settings"]
                self.assertEqual(s["backupPath"], arg if verb == "target"
                                 else win(prog) + "\\Backup")
                self.assertEqual((s["historyMode"], s["backupMode"], s["autoBackup"],
                                  s["idleTime"], s["period"], s["reserved8"]),
                                 (0, 0, 0, "10", "4", 1))
                self.assertEqual([i["path"] for i in shown["items"]],
                                 [a] if verb == "add" else [])
        self.assertEqual(os.listdir(prog), ["vlbackup.exe"],
                         "a set with a file of its own leaves the client's folders alone")

    def test_a_new_set_file_in_a_missing_folder_is_named_once_and_nothing_is_made(self):
        set_file = os.path.join(self.dir, "no-such-folder", "new.bsf")
        result = vlbackup("--set", win(set_file), "add", win(os.path.join(self.dir, "src", "A")))
        line = failure_line(self, result)
        self.assertEqual(line.count(win(set_file)), 1, line)
        self.assertFalse(os.path.exists(os.path.dirname(set_file)))

    def test_add_refuses_the_registered_folder_in_every_spelling_windows_accepts(self):
        set_file = os.path.join(self.dir, "edit.bsf")
        a = win(os.path.join(self.dir, "src", "A"))
        self.assertEqual(vlbackup("--set", win(set_file), "add", a).returncode, 0)
        with open(set_file, "rb") as f:
            saved = f.read()
        src = os.path.join(self.dir, "src")
        spellings = [(a.upper(), None), (a + "\\", None), (a.replace("\\", "/"), None),
                     (a.replace("\\", "/") + "/", None), (win(src) + "\\B\\..\\A", None),
                     (a + "\\.", None), ("src\\A", self.dir), ("src/A/", self.dir),
                     ("A", src), (".", os.path.join(src, "A"))]
        for path, cwd in spellings:
            with self.subTest(path=path, cwd=cwd):
                result = vlbackup("--set", win(set_file), "add", path, cwd=cwd)
                line = failure_line(self, result)
                self.assertIn("The folder is already registered.", line)
        with open(set_file, "rb") as f:
            self.assertEqual(f.read(), saved)


class RunTest(unittest.TestCase):
    """`run` on real trees: Docs in src is the item, target the backup folder."""

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vlrun-")
        self.src = os.path.join(self.dir, "src")
        self.docs = os.path.join(self.src, "Docs")
        self.target = os.path.join(self.dir, "target")
        os.makedirs(self.target)
        self.make_file("Docs/a.txt", b"hello")
        self.make_file("Docs/r\u00e9sum\u00e9.txt", b"cv")
        self.make_file("Docs/sub/b.txt", b"1234567")
        self.make_file("Docs/sub/deep/big.bin", os.urandom(3 * 1024 * 1024 + 17))
        os.makedirs(os.path.join(self.docs, "empty"))
        self.set_file = os.path.join(self.dir, "run.bsf")
        self.write_set()

    def tearDown(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def make_file(self, rel, data, mtime=WRITTEN):
        return make_file(os.path.join(self.src, rel), data, mtime)

    def write_set(self, history=0, paths=None):
        with open(self.set_file, "wb") as f:
            f.write(settings(win(self.target), history=history)
                    + items_of(paths if paths is not None else [self.docs]))

    def run_backup(self, *flags, status=0):
        result = vlbackup("--set", win(self.set_file), "run", *flags)
        self.assertEqual(result.returncode, status, result.stderr.decode("utf-8", "replace"))
        return result

    def copy(self, *parts):
        return os.path.join(self.target, "Docs", *parts)

    def assert_same_tree(self):
        self.assertEqual(tree_files(self.docs), tree_files(self.copy()))
        diff = subprocess.run(["diff", "-r", "-x", "_VLHistory", self.docs, self.copy()],
                              capture_output=True)
        self.assertEqual(diff.returncode, 0, diff.stdout)
        for rel in tree_files(self.docs):
            self.assertEqual(int(os.stat(os.path.join(self.docs, rel)).st_mtime),
                             int(os.stat(self.copy(rel)).st_mtime), rel)

    def test_a_first_run_copies_everything_and_an_unchanged_rerun_finds_nothing(self):
        result = self.run_backup()
        lines = report_lines(result)
        self.assertEqual(lines[0], SUCCESS)
        self.assertEqual([line.split(": ")[0] for line in lines[1:]],
                         ["File", "Folder", "New Backup", "Update", "Total Size",
                          "Estimated time"])
        shown = figures(result)
        self.assertEqual((shown["File"], shown["Folder"], shown["New Backup"], shown["Update"]),
                         ("4", "4", "4", "0"))
        self.assertEqual(shown["Total Size"], "3.00 MB")
        self.assertRegex(shown["Estimated time"], r"^\d\d:\d\d:\d\d$")
        progress = result.stderr.decode("utf-8")
        self.assertNotIn("\r", progress)
        self.assertIn("Analyzing : Docs\n", progress)
        self.assertIn("Backup: big.bin (", progress)
        self.assert_same_tree()
        self.assertTrue(os.path.isdir(self.copy("empty")))

        again = self.run_backup()
        self.assertEqual(again.stdout.decode("utf-8"), NOTHING + "\n")
        self.assertEqual(history_files(self.target), [])

    def test_a_changed_file_keeps_its_old_version_in_history(self):
        self.run_backup()
        self.make_file("Docs/sub/b.txt", b"changed!", mtime=WRITTEN + 60)
        result = self.run_backup("--json")
        shown = json.loads(result.stdout)
        self.assertEqual((shown["completion"], shown["result"], shown["update"],
                          shown["newBackup"], shown["errors"]), ("done", SUCCESS, 1, 0, []))
        self.assert_same_tree()
        kept = history_files(self.target)
        self.assertEqual(len(kept), 1)
        self.assertEqual(os.path.dirname(kept[0]), self.copy("sub", "_VLHistory"))
        match = HISTORY_NAME.match(os.path.basename(kept[0]))
        self.assertTrue(match, kept[0])
        self.assertEqual((match.group(1), match.group(3)), ("b", ".txt"))
        with open(kept[0], "rb") as f:
            self.assertEqual(f.read(), b"1234567")

    def test_overwrite_mode_keeps_no_history(self):
        self.write_set(history=1)
        self.run_backup()
        self.make_file("Docs/sub/b.txt", b"changed!", mtime=WRITTEN + 60)
        self.assertEqual(figures(self.run_backup())["Update"], "1")
        self.assert_same_tree()
        self.assertEqual(history_files(self.target), [])

    def test_only_a_synchronizing_run_deletes_target_only_entries_and_history(self):
        self.run_backup()
        self.make_file("Docs/a.txt", b"hello again", mtime=WRITTEN + 60)
        self.run_backup()
        for rel, data in (("extra.txt", b"x"), ("olddir/x.txt", b"y")):
            os.makedirs(os.path.dirname(self.copy(rel)), exist_ok=True)
            with open(self.copy(rel), "wb") as f:
                f.write(data)
        self.assertEqual(self.run_backup().stdout.decode("utf-8"), NOTHING + "\n")
        self.assertTrue(os.path.exists(self.copy("extra.txt")))
        self.assertEqual(len(history_files(self.target)), 1)

        lines = report_lines(self.run_backup("--sync"))
        self.assertEqual(lines[0], SUCCESS)
        self.assertEqual(sorted(lines[7:]), ["Deleted file: " + win(self.copy("extra.txt")),
                                             "Deleted folder: " + win(self.copy("_VLHistory")),
                                             "Deleted folder: " + win(self.copy("olddir"))])
        diff = subprocess.run(["diff", "-r", self.docs, self.copy()], capture_output=True)
        self.assertEqual(diff.returncode, 0, diff.stdout)
        self.assertEqual(history_files(self.target), [])

    def test_an_item_not_on_this_computer_is_named_after_the_report(self):
        gone = os.path.join(self.dir, "gone")
        self.write_set(paths=[gone, self.docs])
        self.assertEqual(report_lines(self.run_backup())[-1],
                         "Not on this computer: " + win(gone))
        again = json.loads(self.run_backup("--json").stdout)
        self.assertEqual((again["completion"], again["skipped"], again["deleted"]),
                         ("nothing", [win(gone)], []))

    def test_a_target_that_can_neither_be_reached_nor_made_stops_the_run_at_once(self):
        unmade = os.path.join(self.dir, "no-such-folder", "T")
        for target in (win(unmade), "Q:\\Backup"):
            with self.subTest(target):
                with open(self.set_file, "wb") as f:
                    f.write(settings(target) + items_of([self.docs]))
                line = failure_line(self, self.run_backup(status=1))
                self.assertEqual(line.count(target), 1, line)
                self.assertRegex(line, r"\(.+\)$", "the system's reason")
        self.assertFalse(os.path.exists(os.path.dirname(unmade)))
        self.target = os.path.join(self.dir, "new-target")
        self.write_set()
        self.run_backup()
        self.assertEqual(tree_files(self.copy()), tree_files(self.docs))

    def test_a_locked_source_file_is_one_error_row_and_status_2(self):
        locked = os.path.join(self.docs, "sub", "b.txt")
        with held_locked(locked):
            result = self.run_backup(status=2)
            json_result = self.run_backup("--json", status=2)
        lines = report_lines(result)
        self.assertEqual(lines[0], "Error occurred")
        self.assertEqual(lines[7:], ["File Name\tError",
                                     win(locked) + "\tFailed to copy the file(s)."])
        error, = json.loads(json_result.stdout)["errors"]
        self.assertEqual((error["path"], error["message"], error["systemCode"]),
                         (win(locked), "Failed to copy the file(s).", 32))
        self.assertRegex(error["systemMessage"], r"^\S[^\r\n]*[^.\s]\Z",
                         "one line, no final stop")
        self.assertEqual(tree_files(self.copy()), [f for f in tree_files(self.docs)
                                                    if f != os.path.join("sub", "b.txt")])

    def test_only_the_chosen_item_is_backed_up(self):
        other = os.path.join(self.src, "Other")
        self.make_file("Other/o.txt", b"o")
        self.write_set(paths=[self.docs, other])
        shown = figures(self.run_backup("--item", "1"))
        self.assertEqual(shown["New Backup"], "1")
        self.assertEqual(os.listdir(self.target), ["Other"])
        self.assertEqual(vlbackup("--set", win(self.set_file), "run", "--item", "2").returncode, 1)

    def test_without_a_recognised_item_it_does_not_run(self):
        for paths in ([], [os.path.join(self.dir, "gone")]):
            with self.subTest(paths):
                self.write_set(paths=paths)
                result = self.run_backup(status=1)
                self.assertEqual(result.stdout, b"")
                self.assertIn("Select a folder or file to be backed up.",
                              result.stderr.decode("utf-8"))
        self.assertEqual(os.listdir(self.target), [])


class ClientRunningTest(unittest.TestCase):
    """While the client runs (its named mutex exists), nothing may change the set or run."""

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vlmutex-")
        for name in ("A", "B"):
            os.makedirs(os.path.join(self.dir, "src", name))
        self.set_file = os.path.join(self.dir, "set.bsf")
        with open(self.set_file, "wb") as f:
            f.write(settings(win(os.path.join(self.dir, "target")))
                    + items_of([os.path.join(self.dir, "src", "A")]))
        prog = os.path.join(self.dir, "prog")
        os.makedirs(prog)
        self.client_exe = os.path.join(prog, "Vaultline.exe")
        shutil.copy(CLIENT, self.client_exe)
        self.client = None

    def tearDown(self):
        if self.client is not None and self.client.poll() is None:
            os.killpg(self.client.pid, signal.SIGKILL)
            self.client.wait(timeout=30)
        shutil.rmtree(self.dir, ignore_errors=True)

    def edit(self, *args):
        return vlbackup("--set", win(self.set_file), *args)

    def wait_for(self, condition, what, seconds=90):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if condition():
                return
            time.sleep(1)
        self.fail("timed out waiting for " + what)

    def test_set_changes_and_runs_are_refused_until_the_client_has_gone(self):
        with open(self.set_file, "rb") as f:
            before = f.read()
        self.client = subprocess.Popen([WINE_RUN, self.client_exe], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL, start_new_session=True)
        # Removing an item the set does not have changes nothing, whoever answers.
        self.wait_for(lambda: b"Vaultline is running" in self.edit("remove", "5").stderr,
                      "the client's mutex")
        for args in (["add", win(self.dir)], ["remove", "0"], ["target", "C:\\x"], ["run"]):
            with self.subTest(args):
                result = self.edit(*args)
                self.assertEqual(result.returncode, 1)
                lines = result.stderr.decode("utf-8").splitlines()
                refusals = [line for line in lines if "Vaultline is running" in line]
                self.assertEqual(len(refusals), 1, lines)
        self.assertEqual(vlbackup("--set", win(self.set_file), "show").returncode, 0)
        with open(self.set_file, "rb") as f:
            self.assertEqual(f.read(), before)
        self.assertFalse(os.path.exists(os.path.join(self.dir, "target")))

        closed = wine(HELPER, "close", "Vaultline MainFrame")
        self.assertEqual(closed.returncode, 0, closed.stderr)
        self.client.wait(timeout=60)
        added = self.edit("add", win(os.path.join(self.dir, "src", "B")))
        self.assertEqual(added.returncode, 0, added.stderr)



if __name__ == "__main__":
    EXE = sys.argv.pop(1)
    cli_support.use_vlbackup(EXE)
    HELPER = sys.argv.pop(1)
    CLIENT = sys.argv.pop(1)
    unittest.main(verbosity=1)

#!/usr/bin/env python3
"""vlbackup.exe under Wine keeps every backed-up copy when a run cannot do its work properly: a
folder that cannot be read, a target too full for a new version, two items that would share a
target folder, a target inside an item, and a partial copy left by a killed run.

Usage: run_safety_test.py VLBACKUP_EXE   (vlbackup.exe of the cross tree)
"""
import json
import os
import pwd
import shutil
import stat
import subprocess
import sys
import tempfile
import unittest

import cli_support
from cli_support import (NOTHING, ROOT, WINE_RUN, WRITTEN, history_files, items_of, make_file,
                         prepare_prefix, report_lines, settings, tree_files, vlbackup, win)

ACCESS_DENIED = 5
DISK_FULL = 112
READ_FOLDER = "Failed to read the folder."
SAME_NAME = "Not backed up: another item of the same name"

setUpModule = prepare_prefix


def snapshot(root):
    """Every file below root, history included, with its bytes."""
    found = {}
    for rel in tree_files(root, skip=()):
        with open(os.path.join(root, rel), "rb") as f:
            found[rel] = f.read()
    return found


class RunCase(unittest.TestCase):
    """Items live in src, the backup goes to target; the set file is run.bsf."""

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vlsafe-")
        # Cleanups run last in first out, so what a test adds (a mount) goes before this.
        self.addCleanup(shutil.rmtree, self.dir, ignore_errors=True)
        self.src = os.path.join(self.dir, "src")
        self.target = os.path.join(self.dir, "target")
        os.makedirs(self.target)
        self.set_file = os.path.join(self.dir, "run.bsf")

    def make_file(self, rel, data, mtime=WRITTEN):
        return make_file(os.path.join(self.src, rel), data, mtime)

    def write_set(self, paths, target=None):
        with open(self.set_file, "wb") as f:
            f.write(settings(win(target or self.target)) + items_of(paths))

    def command(self, *args, **kw):
        return vlbackup("--set", win(self.set_file), *args, **kw)

    def run_backup(self, *flags, status=0, **kw):
        result = self.command("run", *flags, **kw)
        self.assertEqual(result.returncode, status, result.stderr.decode("utf-8", "replace"))
        return result

    def run_json(self, *flags, status=0, **kw):
        return json.loads(self.run_backup("--json", *flags, status=status, **kw).stdout)

    def copy(self, *parts):
        return os.path.join(self.target, *parts)


class Unprivileged:
    """Runs the Wine wrapper as an unprivileged user with a prefix of their own: as root every
    file can be read, whatever its mode. None of it is needed when the tests already run as
    such a user."""

    def __init__(self, name="nobody"):
        self.user = pwd.getpwnam(name)
        prefix = os.environ.get("VL_WINEPREFIX", os.path.join(ROOT, "build", "wineprefix"))
        self.prefix = prefix + "-" + name
        self.home = self.prefix + "-home"
        self.wrapper = ["setpriv", "--reuid", str(self.user.pw_uid), "--regid",
                        str(self.user.pw_gid), "--clear-groups"]
        self.env = dict(os.environ, HOME=self.home, VL_WINEPREFIX=self.prefix)

    def prepare(self):
        """Wine refuses a prefix its user does not own, and the wrapper locks beside it."""
        for folder in (self.prefix, self.home):
            os.makedirs(folder, exist_ok=True)
        open(self.prefix + ".lock", "a").close()
        for path in (self.prefix, self.home, self.prefix + ".lock"):
            self.give(path)
        if os.environ.get("XAUTHORITY") and os.path.isfile(os.environ["XAUTHORITY"]):
            cookie = os.path.join(self.home, ".Xauthority")
            shutil.copy(os.environ["XAUTHORITY"], cookie)
            self.give(cookie)
            self.env["XAUTHORITY"] = cookie
        prepare_prefix(env=self.env, wrapper=self.wrapper)

    def give(self, path):
        os.chown(path, self.user.pw_uid, self.user.pw_gid)

    def give_tree(self, root):
        self.give(root)
        for folder, dirs, files in os.walk(root):
            for name in dirs + files:
                self.give(os.path.join(folder, name))

    def can_run(self, program):
        probe = subprocess.run([*self.wrapper, "test", "-r", program, "-a", "-x", WINE_RUN],
                               capture_output=True)
        return probe.returncode == 0


def unprivileged_runner():
    """(runner or None, reason when there is none)."""
    if os.geteuid() != 0:
        return None, ""
    if shutil.which("setpriv") is None:
        return None, "setpriv is missing, so no unprivileged user can run the program"
    try:
        runner = Unprivileged()
    except KeyError:
        return None, "there is no user nobody to run the program as"
    if not runner.can_run(cli_support.EXE):
        return None, "user nobody cannot reach " + cli_support.EXE
    try:
        runner.prepare()
    except (OSError, subprocess.SubprocessError) as error:
        return None, "user nobody cannot have a Wine prefix: %s" % error
    return runner, ""


class UnreadableFolderTest(RunCase):
    """A sub-folder of an item that its user cannot list: its copies stay, every time."""

    @classmethod
    def setUpClass(cls):
        cls.runner, reason = unprivileged_runner()
        if cls.runner is None and os.geteuid() == 0:
            raise unittest.SkipTest(reason)

    def setUp(self):
        super().setUp()
        self.docs = os.path.join(self.src, "Docs")
        self.private = os.path.join(self.docs, "private")
        self.make_file("Docs/a.txt", b"open")
        self.make_file("Docs/private/p.txt", b"secret")
        self.make_file("Docs/private/inner/q.txt", b"deeper")
        self.write_set([self.docs])
        self.addCleanup(os.chmod, self.private, stat.S_IRWXU)

    def command(self, *args, **kw):
        if self.runner is None:
            return super().command(*args, **kw)
        self.runner.give_tree(self.dir)
        return super().command(*args, env=self.runner.env, wrapper=self.runner.wrapper, **kw)

    def test_an_unreadable_folder_is_an_error_and_none_of_its_copies_is_deleted(self):
        self.run_backup()
        kept = snapshot(self.target)
        self.assertIn(os.path.join("Docs", "private", "inner", "q.txt"), kept)
        os.chmod(self.private, 0)
        for flags in (["--sync"], []):
            with self.subTest(flags=flags):
                result = self.run_backup(*flags, status=2)
                self.assertEqual(report_lines(result)[0], "Error occurred")
                shown = self.run_json(*flags, status=2)
                self.assertIn({"path": win(self.private), "message": READ_FOLDER,
                               "systemCode": ACCESS_DENIED},
                              [{k: e[k] for k in ("path", "message", "systemCode")}
                               for e in shown["errors"]])
                self.assertEqual(shown["deleted"], [])
                self.assertEqual(snapshot(self.target), kept)


class FullTargetTest(RunCase):
    """The target is a small file system of its own, too full for the new version of a file."""

    def setUp(self):
        super().setUp()
        if os.geteuid() != 0:
            self.skipTest("mounting a small file system needs root")
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=256k", "tmpfs",
                                  self.target], capture_output=True, text=True)
        if mounted.returncode != 0:
            self.skipTest("cannot mount a small file system: " + mounted.stderr.strip())
        self.addCleanup(subprocess.run, ["umount", self.target], check=True)

    def test_a_new_version_that_does_not_fit_leaves_the_old_copy_as_it_was(self):
        docs = os.path.join(self.src, "Docs")
        self.make_file("Docs/small.txt", b"small")
        big = self.make_file("Docs/big.bin", os.urandom(64 * 1024))
        self.write_set([docs])
        self.run_backup()
        kept = snapshot(self.target)
        self.make_file("Docs/big.bin", os.urandom(512 * 1024), mtime=WRITTEN + 60)
        shown = self.run_json(status=2)
        self.assertEqual([(e["path"], e["systemCode"]) for e in shown["errors"]],
                         [(win(big), DISK_FULL)])
        self.assertEqual(snapshot(self.target), kept)
        self.assertEqual(history_files(self.target), [])
        self.assertEqual([f for f in tree_files(self.target) if f.endswith(".~vlpart")], [])


class PlacementTest(RunCase):
    """Items whose copies would land in one target folder, or a target inside an item."""

    def test_a_second_item_of_the_same_name_is_refused_and_never_merged(self):
        first = os.path.join(self.src, "home1", "Documents")
        second = os.path.join(self.src, "home2", "Documents")
        self.make_file("home1/Documents/a.txt", b"first")
        self.make_file("home1/Documents/sub/s.txt", b"first too")
        self.make_file("home2/Documents/b.txt", b"second")
        self.write_set([first])
        with open(self.set_file, "rb") as f:
            before = f.read()
        refused = self.command("add", win(second))
        self.assertEqual(refused.returncode, 1)
        self.assertIn("cannot be added", refused.stderr.decode("utf-8"))
        with open(self.set_file, "rb") as f:
            self.assertEqual(f.read(), before)

        self.write_set([first, second])
        for run in range(2):
            with self.subTest(run=run):
                shown = self.run_json("--sync", status=2)
                self.assertEqual([e["path"] for e in shown["errors"]], [win(second)])
                self.assertTrue(shown["errors"][0]["message"].startswith(SAME_NAME))
                self.assertEqual(shown["deleted"], [])
                self.assertEqual(tree_files(self.copy("Documents")), tree_files(first))

    def test_a_target_inside_an_item_is_refused_and_never_copied_into_itself(self):
        docs = os.path.join(self.src, "Docs")
        inside = os.path.join(docs, "Backup")
        self.make_file("Docs/a.txt", b"a")
        self.make_file("Docs/sub/b.txt", b"b")
        self.write_set([docs])
        refused = self.command("target", win(inside))
        self.assertEqual(refused.returncode, 1)
        self.assertIn("cannot be used", refused.stderr.decode("utf-8"))

        self.write_set([docs], target=inside)
        for flags in ([], ["--sync"]):
            with self.subTest(flags=flags):
                self.run_backup(*flags)
                self.assertEqual(tree_files(os.path.join(inside, "Docs")),
                                 ["a.txt", os.path.join("sub", "b.txt")])


class PartialCopyTest(RunCase):
    """What a run killed in the middle of a copy left: the next run clears it silently."""

    def test_a_partial_copy_is_removed_without_a_word_or_a_history_copy(self):
        docs = os.path.join(self.src, "Docs")
        self.make_file("Docs/a.txt", b"a")
        self.make_file("Docs/sub/b.txt", b"b")
        self.write_set([docs])
        self.run_backup()
        partial = self.copy("Docs", "sub", "b.txt.~vlpart")
        for flags in ([], ["--sync"], ["--json"], ["--sync", "--json"]):
            with self.subTest(flags=flags):
                with open(partial, "wb") as f:
                    f.write(b"half a copy")
                out = self.run_backup(*flags).stdout
                if "--json" in flags:
                    shown = json.loads(out)
                    self.assertEqual((shown["completion"], shown["errors"], shown["deleted"]),
                                     ("nothing", [], []))
                else:
                    self.assertEqual(out.decode("utf-8"), NOTHING + "\n")
                self.assertFalse(os.path.exists(partial))
                self.assertEqual(tree_files(self.copy("Docs")), tree_files(docs))
                self.assertEqual(history_files(self.target), [])


if __name__ == "__main__":
    cli_support.use_vlbackup(sys.argv.pop(1))
    unittest.main(verbosity=1)

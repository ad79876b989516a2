#!/usr/bin/env python3
"""vlbackup settings under Wine: the settings of a new set printed for people, each one changed
and read back through show's JSON, refused values that leave the set file as it was, and no
change while the client runs.

Usage: settings_test.py VLBACKUP_EXE HELPER_EXE CLIENT_EXE
"""
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

import cli_support
from cli_support import (WINE_RUN, failure_line, items_of, prepare_prefix, settings, vlbackup,
                         win, wine)

EXE = HELPER = CLIENT = None

setUpModule = prepare_prefix


class SettingsTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vlsettings-")
        self.set_file = os.path.join(self.dir, "set.bsf")
        self.on = ("--set", win(self.set_file))
        self.client = None

    def tearDown(self):
        if self.client is not None and self.client.poll() is None:
            os.killpg(self.client.pid, signal.SIGKILL)
            self.client.wait(timeout=30)
        shutil.rmtree(self.dir, ignore_errors=True)

    def write_set(self):
        data = settings("C:\\Old", nas=0x7F000005) + items_of([self.dir])
        with open(self.set_file, "wb") as f:
            f.write(data)
        return data

    def set_bytes(self):
        with open(self.set_file, "rb") as f:
            return f.read()

    def ok(self, *args):
        result = vlbackup(*self.on, *args)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout.decode("utf-8")

    def test_a_new_set_file_takes_each_setting_and_shows_it_back(self):
        self.assertIn(win(self.set_file), failure_line(self, vlbackup(*self.on, "settings")))
        self.assertFalse(os.path.exists(self.set_file))
        self.assertEqual(self.ok("settings", "set", "mode", "Realtime"), "")
        self.assertEqual(self.ok("settings").splitlines(), [
            "auto: off", "mode: realtime", "period: 4", "idle: 10", "history: archive",
            "autoconnect: off", "target: " + win(os.path.dirname(EXE)) + "\\Backup", "nas: none",
            "share: ", "account: ", "password: "])
        expected = json.loads(self.ok("show"))
        for name, value, key, stored in (
                ("auto", "ON", "autoBackup", 1), ("mode", "idle", "backupMode", 1),
                ("period", "24", "period", "24"), ("idle", "120", "idleTime", "120"),
                ("history", "overwrite", "historyMode", 1),
                ("autoconnect", "on", "autoConnect", "OK")):
            with self.subTest(name):
                self.ok("settings", "set", name, value)
                expected["settings"][key] = stored
                self.assertEqual(json.loads(self.ok("show")), expected)

    def test_refused_values_exit_1_and_leave_the_file_as_it_was(self):
        before = self.write_set()
        lines = self.ok("settings").splitlines()
        self.assertEqual(lines[7:], ["nas: 127.0.0.5", "share: share", "account: admin",
                                     "password: ***"])
        for args in (["period", "25"], ["idle", "0"], ["period", ""], ["mode", "weekly"],
                     ["auto", "yes"], ["colour", "red"], ["auto"]):
            with self.subTest(args):
                failure_line(self, vlbackup(*self.on, "settings", "set", *args))
                self.assertEqual(self.set_bytes(), before)

    def test_changes_are_refused_while_the_client_runs(self):
        before = self.write_set()
        client = os.path.join(self.dir, "prog", "Vaultline.exe")
        os.makedirs(os.path.dirname(client))
        shutil.copy(CLIENT, client)
        self.client = subprocess.Popen([WINE_RUN, client], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL, start_new_session=True)
        # Removing an item the set does not have changes nothing, whoever answers.
        deadline = time.monotonic() + 90
        while b"Vaultline is running" not in vlbackup(*self.on, "remove", "5").stderr:
            self.assertLess(time.monotonic(), deadline, "the client's mutex never appeared")
            time.sleep(1)
        line = failure_line(self, vlbackup(*self.on, "settings", "set", "mode", "idle"))
        self.assertIn("Vaultline is running", line)
        self.assertEqual(self.set_bytes(), before)
        self.assertIn("mode: periodic", self.ok("settings"))

        closed = wine(HELPER, "close", "Vaultline MainFrame")
        self.assertEqual(closed.returncode, 0, closed.stderr)
        self.client.wait(timeout=60)
        self.ok("settings", "set", "mode", "idle")
        self.assertIn("mode: idle", self.ok("settings"))


if __name__ == "__main__":
    EXE, HELPER, CLIENT = sys.argv[1:4]
    del sys.argv[1:4]
    cli_support.use_vlbackup(EXE)
    unittest.main(verbosity=1)

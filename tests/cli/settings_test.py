#!/usr/bin/env python3
"""vlbackup settings under Wine: the settings of a new set, each one changed and read back
through show's JSON, refused changes that leave the set file as it was, and no change while the
client runs.

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

setUpModule = prepare_prefix


class SettingsTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vlsettings-")
        self.set_file = os.path.join(self.dir, "set.bsf")
        self.client = None

    def tearDown(self):
        if self.client is not None and self.client.poll() is None:
            os.killpg(self.client.pid, signal.SIGKILL)
            self.client.wait(timeout=30)
        shutil.rmtree(self.dir, ignore_errors=True)

    def settings(self, *args):
        return vlbackup("--set", win(self.set_file), *args)

    def ok(self, *args):
        result = self.settings(*args)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout.decode("utf-8")

    def write_set(self):
        data = settings("C:\\Old", nas=0x7F000005) + items_of([self.dir])
        with open(self.set_file, "wb") as f:
            f.write(data)
        return data

    def unchanged(self, data):
        with open(self.set_file, "rb") as f:
            self.assertEqual(f.read(), data)

    def test_a_new_set_file_takes_each_setting_and_shows_it_back(self):
        self.assertIn(win(self.set_file), failure_line(self, self.settings("settings")))
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

    def test_refused_changes_exit_1_and_leave_the_file_as_it_was(self):
        data = self.write_set()
        self.assertEqual(self.ok("settings").splitlines()[7:], [
            "nas: 127.0.0.5", "share: share", "account: admin", "password: ***"])
        for args in (["period", "25"], ["idle", ""], ["colour", "red"], ["auto"]):
            with self.subTest(args):
                failure_line(self, self.settings("settings", "set", *args))
                self.unchanged(data)

    def test_changes_are_refused_while_the_client_runs(self):
        data = self.write_set()
        client = os.path.join(self.dir, "prog", "Vaultline.exe")
        os.makedirs(os.path.dirname(client))
        shutil.copy(CLIENT, client)
        self.client = subprocess.Popen([WINE_RUN, client], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL, start_new_session=True)
        # Removing an item the set does not have changes nothing, whoever answers.
        deadline = time.monotonic() + 90
        while b"Vaultline is running" not in self.settings("remove", "5").stderr:
            self.assertLess(time.monotonic(), deadline, "the client's mutex never appeared")
            time.sleep(1)
        refusal = failure_line(self, self.settings("settings", "set", "mode", "idle"))
        self.assertIn("Vaultline is running", refusal)
        self.unchanged(data)
        self.assertIn("mode: periodic", self.ok("settings"))
        closed = wine(HELPER, "close", "Vaultline MainFrame")
        self.assertEqual(closed.returncode, 0, closed.stderr)
        self.client.wait(timeout=60)
        self.ok("settings", "set", "mode", "idle")


if __name__ == "__main__":
    EXE, HELPER, CLIENT = sys.argv[1:4]
    del sys.argv[1:4]
    cli_support.use_vlbackup(EXE)
    unittest.main(verbosity=1)

"""VLUpdate.exe end to end under Wine: a test install folder (the updater, a stand-in client and a
data file), a scripted update service on 127.0.0.1, and a driver that answers the updater's
questions. Every hostile or broken answer must leave the test folder byte for byte as it was.

    vlupdate_test.py VLUPDATE_EXE DRIVER_EXE STANDIN_V1_EXE STANDIN_V2_EXE
"""
import hashlib
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from update_server import Route, UpdateServer

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE_RUN = os.path.join(ROOT, "scripts", "wine-run")
PREFIX = os.environ.get("VL_WINEPREFIX", os.path.join(ROOT, "build", "wineprefix"))
WINDOWS = os.path.join(PREFIX, "drive_c", "windows")
EXE, DRIVER, STANDIN_V1, STANDIN_V2 = (None,) * 4
SERVER = None

ASK = "Do you want to updating?"
ASK_CANCEL = "Do you want to cancel updating now?"
ARGS = ["1.0.0.1", "Windows 7", "SN 1&2"]
V1_VERSION = "1.0.0.1a"   # the stand-ins' ProductVersion (standin_v1.rc, standin_v2.rc)
V2_VERSION = "2.0.0.1b"
CHECK_PATH = "/svc/updatecheck.php"


def win(path):
    """The Windows name of a Unix path through Wine's Z: drive."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def set_service_url(url):
    subprocess.run([WINE_RUN, "reg", "add", "HKLM\\Software\\Kestrava\\Vaultline", "/v",
                    "UpdateURL", "/t", "REG_SZ", "/d", url, "/f"], check=True, timeout=120,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def remover_in_windows_folder():
    """Path of the Windows folder's VLRemove.exe in whatever letter case it was written."""
    for name in os.listdir(WINDOWS):
        if name.lower() == "vlremove.exe":
            return os.path.join(WINDOWS, name)
    return None


def entry(name, data=b"", version="1", omit=(), **more):
    keys = {"FILE_SIZE": str(len(data)), "FILE_VER": version, "FILE_NAME": name,
            "FILE_URL": SERVER.url("/rel"), **more}
    return {k: v for k, v in keys.items() if k not in omit}


def answer(*entries, result=1, count=None):
    lines = ["[VAULTLINE_UPDATE_RETURN]", f"ID_RESULT={result}",
             f"ID_FILE_COUNT={len(entries) if count is None else count}"]
    for index, keys in enumerate(entries):
        lines.append(f"[FILE_INFO_{index}]")
        lines += [f"{k}={v}" for k, v in keys.items()]
    return Route(("\r\n".join(lines) + "\r\n").encode("utf-8"))


class Install:
    """A test root with the install folder (VLUpdate.exe, the v1 stand-in as Vaultline.exe,
    Readme.txt), a folder beside it that nothing may touch, and the stand-in's start log."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="vlupdate-")
        self.folder = os.path.join(self.root, "install")
        os.makedirs(os.path.join(self.root, "outside"))
        os.makedirs(self.folder)
        shutil.copy(EXE, os.path.join(self.folder, "VLUpdate.exe"))
        shutil.copy(STANDIN_V1, os.path.join(self.folder, "Vaultline.exe"))
        self.write("install/Readme.txt", b"old readme\r\n")
        self.write("outside/keep.txt", b"not the updater's\r\n")
        self.log = os.path.join(self.root, "started.log")

    def write(self, relative, data):
        path = os.path.join(self.root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)

    def snapshot(self):
        """Every file and folder below the root with its bytes, the start log left out."""
        found = {}
        for folder, dirs, files in os.walk(self.root):
            for name in dirs:
                found[os.path.relpath(os.path.join(folder, name), self.root) + "/"] = None
            for name in files:
                path = os.path.join(folder, name)
                if path != self.log:
                    found[os.path.relpath(path, self.root)] = read(path)
        return found

    def starts(self, settle=0.0, wait=20.0):
        """The marker of each stand-in start, once there is one (or after wait seconds)."""
        deadline = time.time() + wait
        while not os.path.exists(self.log) and time.time() < deadline:
            time.sleep(0.2)
        time.sleep(settle)
        if not os.path.exists(self.log):
            return []
        return read(self.log).decode().split()[::2]

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)


class Run:
    def __init__(self, stdout):
        lines = stdout.decode("utf-8", "replace").splitlines()
        self.boxes = [l[4:] for l in lines if l.startswith("box ")]
        self.cancels = [l[7:] for l in lines if l.startswith("cancel ")]
        self.traces = [l[6:] for l in lines if l.startswith("trace ")]
        ends = [l for l in lines if l.startswith("exit ") or l == "timeout"]
        self.end = ends[-1] if ends else "\n".join(lines)


def driver_command(install, yes=(), no=(), cancel_at=None, lock=None, args=None, timeout=90):
    command = [WINE_RUN, DRIVER, "--timeout", str(timeout)]
    command += [word for text in yes for word in ("--yes", text)]
    command += [word for text in no for word in ("--no", text)]
    if cancel_at:
        command += ["--cancel-at", cancel_at]
    if lock:
        command += ["--lock", win(lock)]
    return command + [win(os.path.join(install.folder, "VLUpdate.exe"))] + (
        [win(install.folder)] + ARGS if args is None else args)


class Driver:
    """The driver running in the background. Its output goes to a file, not a pipe: a Wine
    server or client it happens to start would hold a pipe open long after it ended."""

    def __init__(self, install, timeout=90, **options):
        self.timeout = timeout + 60
        self.output = tempfile.TemporaryFile()
        env = dict(os.environ, VL_STANDIN_LOG=win(install.log))
        self.process = subprocess.Popen(driver_command(install, timeout=timeout, **options),
                                        env=env, stdout=self.output, stderr=subprocess.DEVNULL)

    def finish(self):
        self.process.wait(timeout=self.timeout)
        self.output.seek(0)
        run = Run(self.output.read())
        self.output.close()
        return run


def run_updater(install, **options):
    return Driver(install, **options).finish()


class UpdaterTest(unittest.TestCase):
    def setUp(self):
        self.v1, self.v2 = read(STANDIN_V1), read(STANDIN_V2)
        self.install = None
        self.fresh_install()

    def tearDown(self):
        self.install.remove()
        self.remove_remover()

    def fresh_install(self):
        """A new test root and no VLRemove.exe in the Windows folder, for each case."""
        if self.install:
            self.install.remove()
        self.install = Install()
        self.remove_remover()
        SERVER.reset()

    @staticmethod
    def remove_remover():
        if remover_in_windows_folder():
            os.remove(remover_in_windows_folder())

    def serve(self, check_route, **files):
        routes = {} if check_route is None else {CHECK_PATH: check_route}
        routes.update({"/rel/" + name: route for name, route in files.items()})
        SERVER.reset(routes)

    def update_v2(self, **changes):
        keys = entry("Vaultline.exe", self.v2, V2_VERSION,
                     FILE_SHA256=hashlib.sha256(self.v2).hexdigest())
        keys.update(changes)
        return keys

    def assertUpdatedTo(self, run, before, changed, started):
        """The run ended, Temp is gone, exactly the files in changed differ (with those bytes),
        and the client named by started was started once, after the dialog had closed."""
        self.assertEqual(run.end, "exit 0", run.traces)
        expected = dict(before)
        expected.update({os.path.join("install", name): data for name, data in changed.items()})
        self.assertEqual(self.install.snapshot(), expected, run.traces)
        self.assertEqual(self.install.starts(), [started])
        self.assertIn("dialog-closed", read(self.install.log).decode())

    def assertUnchanged(self, run, before):
        self.assertUpdatedTo(run, before, {}, "v1")

    def downloads(self):
        return [path for path in SERVER.paths() if path.startswith("/rel/")]

    def test_a_changed_client_is_put_in_place_and_the_new_one_started(self):
        before = self.install.snapshot()
        self.install.write("install/Temp/left over.txt", b"from an earlier run")
        self.serve(answer(self.update_v2(), entry("Extra.dat", b"x", omit=("FILE_URL",))),
                   **{"Vaultline.exe": Route(self.v2), "Extra.dat": Route(b"x")})
        run = run_updater(self.install, yes=[ASK])
        self.assertEqual(run.boxes, [ASK + " -> yes"])
        self.assertUpdatedTo(run, before, {"Vaultline.exe": self.v2}, "v2")
        self.assertEqual(self.downloads(), ["/rel/Vaultline.exe"])
        path, query = SERVER.requests[0]
        self.assertEqual(path, CHECK_PATH)
        self.assertEqual(query, {"ver": ["1.0.0.1"], "lang": ["kr"], "szos": ["Windows 7"],
                                 "sn": ["SN 1&2"]})
        self.assertIn("Args path=%s, fver=1.0.0.1, osver=Windows 7, sn=SN 1&2"
                      % win(self.install.folder), run.traces)

    def test_runs_that_change_nothing(self):
        cases = {
            "no update": answer(self.update_v2(), result=0),
            "No at the question": answer(self.update_v2()),
            "no answer (404)": None,
            "a server error": Route(b"[VAULTLINE_UPDATE_RETURN]\nID_RESULT=1\n", status=500),
            "bytes that are no INI file": Route(bytes(range(256)) * 64),
            "an answer too large to be one": Route(b";" * (2 << 20)),
            "a count of 0": answer(self.update_v2(), count=0),
        }
        for what, check in cases.items():
            with self.subTest(what):
                self.fresh_install()
                before = self.install.snapshot()
                self.install.write("install/Temp/left over.txt", b"from an earlier run")
                self.serve(check, **{"Vaultline.exe": Route(self.v2)})
                run = run_updater(self.install, no=[ASK])
                self.assertEqual(run.boxes, [ASK + " -> no"] if what.startswith("No") else [])
                self.assertUnchanged(run, before)
                self.assertEqual(self.downloads(), [])

    def test_other_files_still_go_when_one_cannot(self):
        readme = b"new readme\r\n"
        both = answer(self.update_v2(), entry("Readme.txt", readme))
        cases = {
            "a huge ID_FILE_COUNT": (answer(entry("Readme.txt", readme), count=2147483647), {}),
            "a 404 for one file": (both, {}),
            "a destination in use": (both, {"Vaultline.exe": Route(self.v2)}),
        }
        for what, (check, files) in cases.items():
            with self.subTest(what):
                self.fresh_install()
                self.serve(check, **{"Readme.txt": Route(readme)}, **files)
                before = self.install.snapshot()
                in_use = os.path.join(self.install.folder, "Vaultline.exe") if files else None
                run = run_updater(self.install, yes=[ASK], lock=in_use, timeout=60)
                self.assertUpdatedTo(run, before, {"Readme.txt": readme}, "v1")

    def test_the_remover_in_any_case_goes_to_the_windows_folder(self):
        data = b"the new remover"
        self.serve(answer(entry("vlremove.EXE", data)), **{"vlremove.EXE": Route(data)})
        before = self.install.snapshot()
        run = run_updater(self.install, yes=[ASK])
        self.assertUnchanged(run, before)
        self.assertEqual(read(remover_in_windows_folder()), data)

    def test_same_size_and_version_in_another_case_is_not_downloaded(self):
        shutil.copy(STANDIN_V1, os.path.join(WINDOWS, "VLRemove.exe"))
        readme = b"new readme\r\n"
        self.serve(answer(entry("Vaultline.exe", self.v1, V1_VERSION.upper()),
                          entry("VLRemove.exe", self.v1, V1_VERSION.upper()),
                          entry("Readme.txt", readme)),
                   **{"Vaultline.exe": Route(self.v2), "VLRemove.exe": Route(self.v2),
                      "Readme.txt": Route(readme)})
        before = self.install.snapshot()
        run = run_updater(self.install, yes=[ASK])
        self.assertUpdatedTo(run, before, {"Readme.txt": readme}, "v1")
        self.assertEqual(self.downloads(), ["/rel/Readme.txt"])
        self.assertEqual(read(remover_in_windows_folder()), self.v1)

    def test_hostile_or_broken_answers_leave_the_installation_as_it_was(self):
        v2, half = self.v2, len(self.v2) // 2
        names = ["..\\evil.exe", "../evil.exe", "C:evil.exe", "sub\\evil.exe", "evil.exe.",
                 "NUL", "CON.exe", "\\\\127.0.0.1\\c$\\evil.exe", "e" * 300]
        cases = {
            "traversal and device names": (
                answer(*[entry(name, b"evil") for name in names]),
                {name: Route(b"evil") for name in names}),
            "a truncated body": (answer(self.update_v2()), {"Vaultline.exe": Route(v2, cut=half)}),
            "a wrong hash": (answer(self.update_v2(FILE_SHA256="0" * 64)),
                             {"Vaultline.exe": Route(v2)}),
            "a body shorter than FILE_SIZE": (
                answer(self.update_v2(FILE_SIZE=str(len(v2) + 1), FILE_SHA256="")),
                {"Vaultline.exe": Route(v2)}),
            "a body longer than FILE_SIZE": (
                answer(self.update_v2(FILE_SIZE=str(len(v2) - 1), FILE_SHA256="")),
                {"Vaultline.exe": Route(v2)}),
            "a server error for the file": (answer(self.update_v2()),
                                            {"Vaultline.exe": Route(v2, status=500)}),
        }
        for what, (check, files) in cases.items():
            with self.subTest(what):
                self.fresh_install()
                self.serve(check, **files)
                before = self.install.snapshot()
                run = run_updater(self.install, yes=[ASK])
                self.assertEqual(run.boxes, [ASK + " -> yes"])
                self.assertUnchanged(run, before)
                self.assertIsNone(remover_in_windows_folder())
                self.assertNotIn("evil.exe", os.listdir(WINDOWS))
                self.assertNotIn("evil.exe", os.listdir(os.path.join(PREFIX, "drive_c")))

    def test_an_unreachable_server_starts_the_client_unchanged(self):
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            closed_port = probe.getsockname()[1]
        set_service_url(f"http://127.0.0.1:{closed_port}/svc")
        try:
            before = self.install.snapshot()
            run = run_updater(self.install, yes=[ASK])
        finally:
            set_service_url(SERVER.url("/svc"))
        self.assertEqual(run.boxes, [])
        self.assertUnchanged(run, before)

    def test_cancel_during_the_download(self):
        big = self.v2 + b"\0" * (4 << 20)
        slow = Route(big, delay=0.05)
        for stop, boxes in ((True, [ASK + " -> yes", ASK_CANCEL + " -> yes"]),
                            (False, [ASK + " -> yes", ASK_CANCEL + " -> no"])):
            with self.subTest(stop=stop):
                self.fresh_install()
                self.serve(answer(entry("Vaultline.exe", big, V2_VERSION)),
                           **{"Vaultline.exe": slow})
                before = self.install.snapshot()
                run = run_updater(self.install, yes=[ASK] + ([ASK_CANCEL] if stop else []),
                                  cancel_at="Downloading")
                self.assertEqual(run.boxes, boxes)
                self.assertEqual(len(run.cancels), 1)
                self.assertUpdatedTo(run, before, {} if stop else {"Vaultline.exe": big},
                                     "v1" if stop else "v2")

    def test_a_second_instance_ends_at_once(self):
        held = threading.Event()
        self.serve(Route(answer(result=0).body, gate=held))
        first = Driver(self.install)
        try:
            deadline = time.time() + 60
            while CHECK_PATH not in SERVER.paths() and time.time() < deadline:
                time.sleep(0.2)
            self.assertIn(CHECK_PATH, SERVER.paths())
            second = run_updater(self.install, timeout=30)
            self.assertEqual(second.end, "exit 1")
            self.assertEqual(SERVER.paths(), [CHECK_PATH])
        finally:
            held.set()
            first_run = first.finish()
        self.assertEqual(first_run.end, "exit 0")
        self.assertEqual(self.install.starts(settle=3), ["v1"])

    def test_no_arguments_or_no_install_folder_do_nothing(self):
        self.serve(answer(self.update_v2()), **{"Vaultline.exe": Route(self.v2)})
        missing = win(os.path.join(self.install.root, "missing"))
        for args in ([], [missing] + ARGS):
            with self.subTest(args=args):
                before = self.install.snapshot()
                run = run_updater(self.install, args=args)
                self.assertEqual(run.end, "exit 1")
                self.assertEqual(self.install.snapshot(), before)
        self.assertEqual(SERVER.requests, [])
        self.assertEqual(self.install.starts(wait=3), [])


def main():
    global EXE, DRIVER, STANDIN_V1, STANDIN_V2, SERVER
    EXE, DRIVER, STANDIN_V1, STANDIN_V2 = sys.argv[1:5]
    del sys.argv[1:5]
    subprocess.run([WINE_RUN], check=True, timeout=600)  # the prefix, before any timed run
    SERVER = UpdateServer()
    try:
        set_service_url(SERVER.url("/svc"))
        unittest.main(verbosity=2)
    finally:
        SERVER.stop()


if __name__ == "__main__":
    main()

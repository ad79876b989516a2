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


def entry(name, data=b"", version="1", size=None, sha=None, url=None, omit=()):
    keys = {"FILE_SIZE": str(len(data) if size is None else size), "FILE_VER": version,
            "FILE_NAME": name, "FILE_URL": SERVER.url("/rel") if url is None else url}
    if sha is not None:
        keys["FILE_SHA256"] = sha
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

    def file(self, name):
        return read(os.path.join(self.folder, name))

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
        """The stand-in's start lines, once there is one (or after wait seconds)."""
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
    for text in yes:
        command += ["--yes", text]
    for text in no:
        command += ["--no", text]
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
        SERVER.reset()
        self.install = Install()
        self.v1 = read(STANDIN_V1)
        self.v2 = read(STANDIN_V2)
        self.remover = remover_in_windows_folder()
        if self.remover:
            os.remove(self.remover)

    def tearDown(self):
        self.install.remove()
        leftover = remover_in_windows_folder()
        if leftover:
            os.remove(leftover)

    def serve(self, check_route, **files):
        routes = {CHECK_PATH: check_route}
        routes.update({"/rel/" + name: route for name, route in files.items()})
        SERVER.reset(routes)

    def update_v2(self, **changes):
        keys = entry("Vaultline.exe", self.v2, V2_VERSION, sha=hashlib.sha256(self.v2).hexdigest())
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

    def test_no_update_asks_nothing_and_starts_the_client(self):
        self.serve(answer(self.update_v2(), result=0), **{"Vaultline.exe": Route(self.v2)})
        before = self.install.snapshot()
        run = run_updater(self.install)
        self.assertEqual(run.boxes, [])
        self.assertUnchanged(run, before)
        path, query = SERVER.requests[0]
        self.assertEqual(path, CHECK_PATH)
        self.assertEqual(query, {"ver": ["1.0.0.1"], "lang": ["kr"], "szos": ["Windows 7"],
                                 "sn": ["SN 1&2"]})
        self.assertEqual(len(SERVER.requests), 1)
        self.assertIn("Args path=%s, fver=1.0.0.1, osver=Windows 7, sn=SN 1&2"
                      % win(self.install.folder), run.traces)

    def test_a_changed_client_is_put_in_place_and_the_new_one_started(self):
        self.install.write("install/Temp/left over.txt", b"from an earlier run")
        before = self.install.snapshot()
        del before["install/Temp/"], before["install/Temp/left over.txt"]
        self.serve(answer(self.update_v2(), entry("Extra.dat", b"x", omit=("FILE_URL",))),
                   **{"Vaultline.exe": Route(self.v2), "Extra.dat": Route(b"x")})
        run = run_updater(self.install, yes=[ASK])
        self.assertEqual(run.boxes, [ASK + " -> yes"])
        self.assertUpdatedTo(run, before, {"Vaultline.exe": self.v2}, "v2")
        self.assertEqual(self.downloads(), ["/rel/Vaultline.exe"])

    def test_the_remover_in_any_case_goes_to_the_windows_folder(self):
        data = b"the new remover"
        self.serve(answer(entry("vlremove.EXE", data)), **{"vlremove.EXE": Route(data)})
        before = self.install.snapshot()
        run = run_updater(self.install, yes=[ASK])
        self.assertUnchanged(run, before)
        self.assertIsNotNone(remover_in_windows_folder())
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

    def test_no_at_the_question_downloads_nothing(self):
        self.install.write("install/Temp/left over.txt", b"from an earlier run")
        before = self.install.snapshot()
        del before["install/Temp/"], before["install/Temp/left over.txt"]
        self.serve(answer(self.update_v2()), **{"Vaultline.exe": Route(self.v2)})
        run = run_updater(self.install, no=[ASK])
        self.assertEqual(run.boxes, [ASK + " -> no"])
        self.assertUnchanged(run, before)
        self.assertEqual(self.downloads(), [])

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
            "a 404 for the file": (answer(self.update_v2()), {}),
            "a 500 for the file": (answer(self.update_v2()),
                                   {"Vaultline.exe": Route(v2, status=500)}),
            "a negative size": (answer(self.update_v2(FILE_SIZE="-1")),
                                {"Vaultline.exe": Route(v2)}),
            "a file URL": (answer(self.update_v2(FILE_URL="file:///C:/windows")), {}),
        }
        for what, (check, files) in cases.items():
            with self.subTest(what):
                self.install.remove()
                self.install = Install()
                self.serve(check, **files)
                before = self.install.snapshot()
                run = run_updater(self.install, yes=[ASK])
                self.assertEqual(run.boxes, [ASK + " -> yes"])
                self.assertUnchanged(run, before)
                self.assertIsNone(remover_in_windows_folder())
                self.assertNotIn("evil.exe", os.listdir(WINDOWS))
                self.assertNotIn("evil.exe", os.listdir(os.path.join(PREFIX, "drive_c")))

    def test_answers_that_are_no_answer_end_without_a_question(self):
        cases = {
            "no answer (404)": None,
            "a server error": Route(b"[VAULTLINE_UPDATE_RETURN]\nID_RESULT=1\n", status=500),
            "bytes that are no INI file": Route(bytes(range(256)) * 64),
            "an answer too large to be one": Route(b";" * (2 << 20)),
            "a count of 0": answer(self.update_v2(), count=0),
        }
        for what, check in cases.items():
            with self.subTest(what):
                self.install.remove()
                self.install = Install()
                SERVER.reset({} if check is None else {CHECK_PATH: check})
                before = self.install.snapshot()
                run = run_updater(self.install, yes=[ASK])
                self.assertEqual(run.boxes, [])
                self.assertUnchanged(run, before)

    def test_a_huge_file_count_stops_at_the_last_section(self):
        readme = b"new readme\r\n"
        self.serve(answer(entry("Readme.txt", readme), count=2147483647),
                   **{"Readme.txt": Route(readme)})
        before = self.install.snapshot()
        run = run_updater(self.install, yes=[ASK], timeout=60)
        self.assertUpdatedTo(run, before, {"Readme.txt": readme}, "v1")

    def test_one_missing_file_does_not_stop_the_others(self):
        readme = b"new readme\r\n"
        self.serve(answer(self.update_v2(), entry("Readme.txt", readme)),
                   **{"Readme.txt": Route(readme)})
        before = self.install.snapshot()
        run = run_updater(self.install, yes=[ASK])
        self.assertUpdatedTo(run, before, {"Readme.txt": readme}, "v1")

    def test_a_destination_in_use_keeps_its_old_file(self):
        readme = b"new readme\r\n"
        self.serve(answer(self.update_v2(), entry("Readme.txt", readme)),
                   **{"Vaultline.exe": Route(self.v2), "Readme.txt": Route(readme)})
        before = self.install.snapshot()
        run = run_updater(self.install, yes=[ASK],
                          lock=os.path.join(self.install.folder, "Vaultline.exe"))
        self.assertUpdatedTo(run, before, {"Readme.txt": readme}, "v1")
        self.assertIn("/rel/Vaultline.exe", self.downloads())

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
                self.install.remove()
                self.install = Install()
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

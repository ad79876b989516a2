#!/usr/bin/env python3
"""Real-time backup under Wine: how long after a file's last write its copy is complete on the
target, and what the client costs in CPU while its watchers wait for changes.

The client runs in a Wine prefix of its own whose only drives are C: and a D: mapped to a work
folder on /dev/shm (a watcher on Wine's Z: would watch all of Linux). Items and target live on
D:, beside a tree of a few thousand files outside the items that the watchers must ignore.

Yardsticks, measured in the same run:
- latency: a native polling copier with the client's rules (a file counts as settled once it
  has not changed for 3 s, looked at every 500 ms), i.e. what those rules cost by themselves;
- CPU: the same client in the same prefix with automatic backup off (no watchers, no
  processing thread), over the same time.

    realtime_bench.py CLIENT_EXE WINE_RUN WORK_FOLDER
"""
import os
import shutil
import statistics
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "cli"))
from cli_support import items, settings  # noqa: E402

POLL = 0.01
SETTLE = 3.0
PASS = 0.5
IDLE_SECONDS = 40
TIMEOUT = 30.0


class Prefix:
    """A prefix with C: and D: only; D: is work/d."""

    def __init__(self, wine_run, work):
        self.wine_run = wine_run
        self.path = os.path.join(work, "prefix")
        self.drive = os.path.join(work, "d")
        self.env = dict(os.environ, VL_WINEPREFIX=self.path, WINEPREFIX=self.path)

    def make(self):
        subprocess.run([self.wine_run], env=self.env, check=True)
        subprocess.run(["wineserver", "-w"], env=self.env, check=True)
        devices = os.path.join(self.path, "dosdevices")
        for name in os.listdir(devices):
            if name not in ("c:", "c::"):
                os.remove(os.path.join(devices, name))
        os.makedirs(self.drive, exist_ok=True)
        os.symlink(self.drive, os.path.join(devices, "d:"))

    def stop(self):
        subprocess.run(["wineserver", "-k"], env=self.env, check=False)
        subprocess.run(["wineserver", "-w"], env=self.env, check=False)

    def pids(self, needle):
        """This prefix's processes naming needle: other engineers run clients and wineservers
        of their own in other prefixes on this machine."""
        marker = ("WINEPREFIX=" + self.path).encode()
        return [pid for pid in processes(needle) if marker in environ(pid).split(b"\0")]


def processes(needle):
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                if needle in f.read():
                    found.append(int(pid))
        except OSError:
            pass
    return found


def environ(pid):
    try:
        with open(f"/proc/{pid}/environ", "rb") as f:
            return f.read()
    except OSError:
        return b""


def cpu_seconds(pids):
    ticks = 0
    for pid in pids:
        try:
            with open(f"/proc/{pid}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            ticks += int(fields[11]) + int(fields[12])  # utime, stime
        except OSError:
            pass
    return ticks / os.sysconf("SC_CLK_TCK")


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    return time.monotonic()


def wait_for_copy(path, data):
    """Seconds until path holds data, polled every 10 ms; None after the time-out."""
    start = time.monotonic()
    while time.monotonic() - start < TIMEOUT:
        try:
            if os.path.getsize(path) == len(data):
                with open(path, "rb") as f:
                    if f.read() == data:
                        return time.monotonic()
        except OSError:
            pass
        time.sleep(POLL)
    return None


class PollingCopier(threading.Thread):
    """The yardstick: copies each file of source to target once it has been unchanged for
    SETTLE seconds, looking every PASS seconds."""

    def __init__(self, source, target):
        super().__init__(daemon=True)
        self.source, self.target = source, target
        self.seen = {}
        self.done = threading.Event()

    def run(self):
        while not self.done.wait(PASS):
            now = time.monotonic()
            for folder, _, files in os.walk(self.source):
                for name in files:
                    self.look(os.path.join(folder, name), now)

    def look(self, path, now):
        try:
            st = os.stat(path)
        except OSError:
            return
        state = (st.st_mtime_ns, st.st_size)
        old = self.seen.get(path)
        if old is None or old[0] != state:
            self.seen[path] = (state, now, False)
        elif not old[2] and now - old[1] >= SETTLE:
            copy = os.path.join(self.target, os.path.relpath(path, self.source))
            os.makedirs(os.path.dirname(copy), exist_ok=True)
            shutil.copy2(path, copy + ".part")
            os.replace(copy + ".part", copy)
            self.seen[path] = (state, old[1], True)


def latency_cases():
    """(label, relative path, list of (pause before, data)); the last write counts."""
    small = [(f"small {i}", f"items/docs/s{i}.txt", [(0, os.urandom(4096))]) for i in range(8)]
    large = [(f"large {i}", f"items/big{i}.bin", [(0, os.urandom(20 << 20))]) for i in range(2)]
    burst = [("burst", "items/docs/burst.txt",
              [(0.2 if n else 0, f"write {n}".encode() * 100) for n in range(10)])]
    return small + large + burst


def measure_latencies(source_root, target_root):
    figures = []
    for label, rel, writes in latency_cases():
        for pause, data in writes:
            time.sleep(pause)
            last = write(os.path.join(source_root, rel), data)
        found = wait_for_copy(os.path.join(target_root, rel), data)
        figures.append((label, None if found is None else found - last))
    return figures


def report_latency(title, figures):
    values = [s for _, s in figures if s is not None]
    missing = [label for label, s in figures if s is None]
    spread = (f"  min {min(values):5.2f} s  median {statistics.median(values):5.2f} s  max "
              f"{max(values):5.2f} s" if values else "")
    print(f"{title:44s} n={len(values):2d}{spread}"
          + (f"  NOT COPIED: {', '.join(missing)}" if missing else ""))


class Client:
    def __init__(self, prefix, exe, auto):
        self.prefix = prefix
        prog = os.path.join(prefix.drive, "prog")
        shutil.rmtree(prog, ignore_errors=True)
        os.makedirs(os.path.join(prog, "Config"))
        shutil.copy(exe, os.path.join(prog, "Vaultline.exe"))
        with open(os.path.join(prog, "Config", "Default.bsf"), "wb") as f:
            f.write(settings("D:\\target", mode=2, auto=auto) + items((0, "D:\\items", 1)))
        env = dict(prefix.env)
        env.pop("VAULTLINE_DEBUGTRACE", None)
        self.process = subprocess.Popen([prefix.wine_run, "D:\\prog\\Vaultline.exe"], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(6)  # start-up, the watchers and Wine's folder warm-up

    def pids(self):
        """The client's and the wineserver's, apart."""
        return self.prefix.pids(b"Vaultline.exe"), self.prefix.pids(b"wineserver")

    def stop(self):
        self.prefix.stop()
        self.process.wait(timeout=30)


def idle_cpu(client):
    """% of one core of the client and of the wineserver."""
    groups = client.pids()
    before, start = [cpu_seconds(pids) for pids in groups], time.monotonic()
    time.sleep(IDLE_SECONDS)
    wall = time.monotonic() - start
    return [100.0 * (cpu_seconds(pids) - b) / wall for pids, b in zip(groups, before)]


def make_trees(drive):
    for i in range(3000):
        write(os.path.join(drive, "other", f"f{i // 100}", f"{i}.txt"), b"x" * 100)
    for i in range(50):
        write(os.path.join(drive, "items", "docs", f"old{i}.txt"), b"y" * 1000)
    os.makedirs(os.path.join(drive, "target"), exist_ok=True)


def main():
    exe, wine_run, work = sys.argv[1:4]
    shutil.rmtree(work, ignore_errors=True)
    prefix = Prefix(wine_run, work)
    prefix.make()
    make_trees(prefix.drive)
    try:
        client = Client(prefix, exe, auto=1)
        cpu_watching = idle_cpu(client)
        report_latency("client: last write -> copy on the target",
                       measure_latencies(prefix.drive, os.path.join(prefix.drive, "target")))
        client.stop()

        yard_source = os.path.join(work, "yard")
        yard = PollingCopier(yard_source, os.path.join(work, "yard-target"))
        yard.start()
        report_latency("yardstick: native 3 s settle, 500 ms poll",
                       measure_latencies(yard_source, os.path.join(work, "yard-target")))
        yard.done.set()

        client = Client(prefix, exe, auto=0)
        cpu_idle = idle_cpu(client)
        client.stop()
        print(f"{'idle CPU, % of one core':44s} {'client':>7} {'wineserver':>10} {'sum':>6}")
        for label, (own, server) in (("client, watchers running", cpu_watching),
                                     ("yardstick: same client, automatic backup off",
                                      cpu_idle)):
            print(f"{label:44s} {own:7.2f} {server:10.2f} {own + server:6.2f}")
    finally:
        prefix.stop()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()

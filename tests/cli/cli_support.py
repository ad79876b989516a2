"""What the end-to-end tests of vlbackup.exe share: Windows paths on Wine's Z: drive, set files
built byte by byte, running Windows programs under the project's Wine wrapper, and reading
target trees and reports.

A test script names the program once with use_vlbackup() before its tests run.
"""
import os
import struct
import subprocess
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE_RUN = os.path.join(ROOT, "scripts", "wine-run")
EXE = None

WRITTEN = 1_394_010_422  # a fixed last-write time, so that copies and changes are exact
SUCCESS = "The process has been completed successfully"
NOTHING = "There is no item to be backed up."


def use_vlbackup(exe):
    global EXE
    EXE = exe


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


def settings(backup_path, reserved2="", mode=0, auto=0, nas=0, history=0):
    i32 = lambda v: struct.pack("<i", v)
    u32 = lambda v: struct.pack("<I", v)
    return (text(backup_path) + text(reserved2) + text("") * 3 + text("OK") + text("") + i32(1)
            + i32(mode) + i32(auto) + text("10") + text("4") + i32(history) + u32(nas)
            + text("share") + text("admin") + text("pw") + text("") * 2 + i32(7) + text("r21"))


def items(*records):
    out = struct.pack("<H", len(records))
    for index, (serial, path, recognized) in enumerate(records):
        tag = b"\xff\xff\x02\x00\x07\x00CSource" if index == 0 else b"\x01\x80"
        out += tag + struct.pack("<I", serial) + text(path) + struct.pack("<i", recognized)
    return out


def items_of(paths):
    return items(*[(0, win(p), 1) for p in paths])


def prepare_prefix(env=None, wrapper=()):
    """A prefix made on first use takes a while; made before the tests, it costs no test its
    timeout. wrapper runs the Wine wrapper as someone else (env then names their prefix)."""
    subprocess.run([*wrapper, WINE_RUN], check=True, timeout=600, env=env)


def wine(program, *args, cwd=None, timeout=120, env=None, wrapper=()):
    """Runs a Windows program; its output goes through files rather than pipes, because a Wine
    server that this program happens to start inherits the pipes and would hold them open."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        done = subprocess.run([*wrapper, WINE_RUN, program, *args], stdout=out, stderr=err,
                              cwd=cwd, timeout=timeout, env=env)
        out.seek(0)
        err.seek(0)
        return subprocess.CompletedProcess(done.args, done.returncode, out.read(),
                                           without_wine_notes(err.read()))


def without_wine_notes(stderr):
    """Wine itself writes notes such as 'wine: Read access denied for device ...' to the
    program's stderr where a volume's device cannot be opened; they are not the program's."""
    lines = stderr.splitlines(keepends=True)
    return b"".join(line for line in lines if not line.startswith(b"wine: "))


def vlbackup(*args, cwd=None, **kw):
    return wine(EXE, *args, cwd=cwd, **kw)


def failure_line(test, result):
    """The one line on stderr of a command that could not run; nothing on stdout."""
    test.assertEqual(result.returncode, 1, result.stderr)
    test.assertEqual(result.stdout, b"")
    lines = result.stderr.decode("utf-8").splitlines()
    test.assertEqual(len(lines), 1, lines)
    return lines[0]


def make_file(path, data, mtime=WRITTEN):
    """A file with data and the last-write time mtime, its folders made as needed."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    os.utime(path, (mtime, mtime))
    return path


def tree_files(root, skip=("_VLHistory",)):
    """Every file below root as a relative path, history folders left out."""
    found = []
    for folder, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if d not in skip]
        found += [os.path.relpath(os.path.join(folder, f), root) for f in files]
    return sorted(found)


def history_files(root):
    found = []
    for folder, dirs, files in os.walk(root):
        if os.path.basename(folder) == "_VLHistory":
            found += [os.path.join(folder, f) for f in files]
    return sorted(found)


def report_lines(result):
    return result.stdout.decode("utf-8").splitlines()

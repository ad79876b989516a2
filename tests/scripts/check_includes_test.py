#!/usr/bin/env python3
"""The include check on small made-up trees: each case is one file with one include line."""
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "check-includes")

# (file, include line, whether the check must refuse it)
CASES = [
    ("win32/FileThing.h", '#include "client/model/Source.h"', True),
    ("win32/framework/Wnd.cpp", '#include "win32/handles/GdiObject.h"', False),
    ("skin/MyList.cpp", '#include "client/model/Source.h"', True),
    ("skin/MyList.cpp", '#include "resources/client/resource.h"', True),
    ("client/engine/Copy.cpp", "#include <windows.h>", True),
    ("client/engine/Copy.cpp", '#include "resources/client/resource.h"', False),
    ("client/ui/logic/Run.cpp", '#include "client/ui/DlgBackup.h"', True),
    ("client/ui/DlgBackup.h", '#include "client/app/MainFrm.h"', True),
    ("client/ui/DlgBackup.h", '#include "client/platform/FileSystemWin32.h"', False),
    ("client/app/MainFrm.h", '#include "client/ui/IBackupDialog.h"', False),
    ("client/platform/Store.cpp", '#include "client/ui/DlgBackup.h"', True),
    ("client/cli/Show.cpp", '#include "win32/framework/WinApp.h"', True),
    ("client/cli/Show.cpp", '#include "client/app/DataFolder.h"', True),
    ("client/cli/Show.cpp", '#include "win32/ResourceTexts.h"', False),
    ("updater/Check.cpp", '#include "installer/Payload.h"', True),
    ("installer/Dialog.cpp", '#include "skin/DialogSK.h"', False),
    ("tests/gui/AnyTest.cpp", '#include "client/app/MainFrm.h"', False),
    ("core/text/Utf.cpp", '#include "Utf.h"', False),
]


class CheckIncludes(unittest.TestCase):
    def test_cases(self):
        for path, line, refused in CASES:
            with self.subTest(path=path, line=line), tempfile.TemporaryDirectory() as root:
                os.makedirs(os.path.join(root, os.path.dirname(path)))
                with open(os.path.join(root, path), "w") as source:
                    source.write("// a file\n" + line + "\n")
                run = subprocess.run([sys.executable, SCRIPT, root], capture_output=True,
                                     text=True)
                self.assertEqual(run.returncode, 1 if refused else 0, run.stdout)
                if refused:
                    self.assertEqual(run.stdout.count("\n"), 1, run.stdout)
                    self.assertIn(f"{path}:2:", run.stdout)


if __name__ == "__main__":
    unittest.main()

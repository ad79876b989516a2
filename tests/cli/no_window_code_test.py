#!/usr/bin/env python3
"""vlbackup must not carry the window framework or the skin: a console tool that links them
is one include away from showing windows a script cannot answer. Reads the program's symbols.

    no_window_code_test.py NM PROGRAM
"""
import re
import subprocess
import sys

WINDOW_CLASSES = re.compile(
    r"\bvl::(CWnd|CWinAppBase|CFrameWnd|CDialog|CDialogSK|CSkinControl|CxSkinButton|CMyList|CDlg\w+)::")


def main():
    nm, program = sys.argv[1], sys.argv[2]
    symbols = subprocess.run([nm, "-C", program], capture_output=True, text=True, check=True)
    found = sorted({m.group(1) for m in WINDOW_CLASSES.finditer(symbols.stdout)})
    if found:
        print(f"{program} links window code: {', '.join(found)}")
        return 1
    print(f"{program}: no window classes linked")
    return 0


if __name__ == "__main__":
    sys.exit(main())

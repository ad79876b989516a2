"""An installation's whole life under Wine: the update service of the updater's tests on
127.0.0.1, offering the v2 stand-in as the current client, and the story that installs, updates
and removes against it (LifecycleStoryTest.cpp). The service must have been asked once and
downloaded from once, in that order: the installed client, not the test, reached it.

    lifecycle_test.py STORY_EXE SERVED_CLIENT_EXE
"""
import hashlib
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "updater"))

import vlupdate_test as updates  # noqa: E402  (found through the path above)
from update_server import Route, UpdateServer  # noqa: E402

STORY_TIMEOUT = 800


def main():
    story, served = sys.argv[1:3]
    subprocess.run([updates.WINE_RUN], check=True, timeout=600)  # the prefix, before any timed run
    with open(served, "rb") as f:
        release = f.read()
    server = UpdateServer()
    updates.SERVER = server  # the answer's entries name this server's address
    offer = updates.entry("Vaultline.exe", release, updates.V2_VERSION,
                          FILE_SHA256=hashlib.sha256(release).hexdigest())
    server.reset({updates.CHECK_PATH: updates.answer(offer), "/rel/Vaultline.exe": Route(release)})
    env = dict(os.environ, VL_LIFECYCLE_SERVICE_URL=server.url("/svc"))
    try:
        status = subprocess.run([updates.WINE_RUN, story, "--gtest_brief=1"], env=env,
                                timeout=STORY_TIMEOUT).returncode
        asked = server.paths()
    finally:
        server.stop()
    if asked != [updates.CHECK_PATH, "/rel/Vaultline.exe"]:
        print(f"the update service was asked for {asked}", file=sys.stderr)
        return 1
    return status


if __name__ == "__main__":
    sys.exit(main())

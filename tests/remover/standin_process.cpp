// A stand-in for a running client or updater: the remover knows them by the name of their
// executable only, so the test starts a copy of this under that name. It waits to be killed
// and ends by itself after a minute, so that no failed test leaves it behind for long.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  ::Sleep(60000);
  return 0;
}

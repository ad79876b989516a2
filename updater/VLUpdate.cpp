// The updater program: its one application object and the entry point that runs it.
#include <windows.h>

#include "updater/VLUpdateApp.h"

vl::updater::CVLUpdateApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
  return vl::AfxWinMain(instance, showCommand);
}

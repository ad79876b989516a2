// The installer program: its one application object and the entry point that runs it.
#include <windows.h>

#include "installer/VLInstallApp.h"

vl::installer::CVLInstallApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
  return vl::AfxWinMain(instance, showCommand);
}

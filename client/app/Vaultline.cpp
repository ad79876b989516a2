// The client program: its one application object and the entry point that runs it.
#include <windows.h>

#include "client/app/ClientBackupDialog.h"
#include "client/app/VaultlineApp.h"

vl::CVaultlineApp theApp(&vl::MakeClientBackupDialog);

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
  return vl::AfxWinMain(instance, showCommand);
}

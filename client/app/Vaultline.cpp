// The client program: its one application object and the entry point that runs it.
#include <windows.h>

#include "client/app/ClientBackupDialog.h"
#include "client/app/VaultlineApp.h"

vl::CVaultlineApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
  vl::SetBackupDialogFactory(&vl::MakeClientBackupDialog);
  return vl::AfxWinMain(instance, showCommand);
}

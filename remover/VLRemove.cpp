// The remover program: its one application object and the entry point that runs it.
#include <windows.h>

#include "remover/VLRemoveApp.h"

vl::remover::CVLRemoveApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
  return vl::AfxWinMain(instance, showCommand);
}

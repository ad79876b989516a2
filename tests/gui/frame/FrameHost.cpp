// The client with a stand-in backup dialog: the real application object and main frame, so the
// tests can make a backup run "active" and watch what the frame asks of its dialog.
#include <windows.h>

#include "client/app/VaultlineApp.h"
#include "tests/gui/frame/FakeBackupDialog.h"

vl::CVaultlineApp theApp([](vl::CWnd& frame) -> std::unique_ptr<vl::IBackupDialog> {
  auto dialog = std::make_unique<vl::test::FakeBackupDialog>();
  if (!dialog->Create(frame)) return nullptr;
  return dialog;
});

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
  return vl::AfxWinMain(instance, showCommand);
}

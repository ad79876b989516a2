#include "client/app/ClientBackupDialog.h"

#include "client/app/AppBackupServices.h"
#include "client/app/MainFrm.h"
#include "client/app/VaultlineApp.h"
#include "client/ui/DlgBackup.h"

namespace vl {

std::unique_ptr<IBackupDialog> MakeClientBackupDialog(CWnd& frame) {
  auto* mainFrame = dynamic_cast<CMainFrame*>(&frame);
  CVaultlineApp* app = GetVaultlineApp();
  if (!mainFrame || !app || !app->GetDocument()) return nullptr;
  auto dialog = std::make_unique<CDlgBackup>(
      std::make_unique<AppBackupServices>(*app, *mainFrame),
      [](const String& line) { GetVaultlineApp()->DebugTrace(L"%s\n", line.c_str()); });
  if (!dialog->CreateModeless(frame)) {
    app->DebugTrace(L"[VAULTLINE][Dialog] not created (%lu)\n", ::GetLastError());
    return nullptr;
  }
  return dialog;
}

}  // namespace vl

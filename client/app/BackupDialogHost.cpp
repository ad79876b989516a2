#include "client/app/BackupDialogHost.h"

namespace vl {
namespace {

BackupDialogFactory& InstalledFactory() {
  static BackupDialogFactory factory;
  return factory;
}

}  // namespace

void SetBackupDialogFactory(BackupDialogFactory factory) {
  InstalledFactory() = std::move(factory);
}

std::unique_ptr<IBackupDialog> MakeBackupDialog(CWnd& frame) {
  const BackupDialogFactory& factory = InstalledFactory();
  return factory ? factory(frame) : nullptr;
}

}  // namespace vl

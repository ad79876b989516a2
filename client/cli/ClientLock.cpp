#include "client/cli/ClientLock.h"

#include <windows.h>

#include "client/cli/CliFailure.h"

namespace vl {

bool ClientIsRunning() {
  const HANDLE mutex = ::OpenMutexW(SYNCHRONIZE, FALSE, L"Vaultline");
  if (mutex == nullptr) return false;
  ::CloseHandle(mutex);
  return true;
}

bool RefuseWhileClientRuns(int& status) {
  if (!ClientIsRunning()) return true;
  status = Fail(VLT("Vaultline is running; close it to change the set or to run a backup"));
  return false;
}

}  // namespace vl

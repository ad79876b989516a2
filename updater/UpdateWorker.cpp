#include "updater/UpdateWorker.h"

#include "updater/DialogView.h"
#include "updater/InstalledFiles.h"
#include "updater/UpdateMessages.h"
#include "updater/UpdateTrace.h"
#include "updater/WinInetClient.h"
#include "updater/WorkFiles.h"
#include "updater/logic/UpdateDownload.h"

namespace vl::updater {
namespace {

bool CheckAndDownload(HWND dialog, const CheckRequest& request, UpdateQueue& queue,
                      PauseGate& gate) {
  CWinInetClient http;
  CWorkFiles files;
  CInstalledFiles installed;
  CDialogView view(dialog, gate);
  UpdateServices services{http, files, installed, view};
  UpdateTrace(L"[VAULTLINE][Update] asking %s\n", request.url.c_str());
  const CheckOutcome outcome = RunCheck(request, services, queue);
  UpdateTrace(L"[VAULTLINE][Update] check outcome %d, %u file(s) to fetch\n",
              static_cast<int>(outcome), static_cast<unsigned>(queue.files.size()));
  if (outcome != CheckOutcome::Accepted) return false;
  const bool downloaded = RunDownload(queue, request.folders, services);
  for (const CUpdateInfo& info : queue.files)
    UpdateTrace(L"[VAULTLINE][Update] %s %s\n", info.m_strFileName.c_str(),
                info.m_bDownloaded ? L"downloaded whole" : L"not downloaded");
  return downloaded;
}

}  // namespace

void RunUpdateWorker(HWND dialog, const CheckRequest& request, UpdateQueue& queue,
                     PauseGate& gate) {
  const bool downloaded = CheckAndDownload(dialog, request, queue, gate);
  ::PostMessageW(dialog, kMsgWorkerDone, downloaded ? 1 : 0, 0);
}

}  // namespace vl::updater

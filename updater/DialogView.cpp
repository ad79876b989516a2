#include "updater/DialogView.h"

#include <commctrl.h>

#include "resources/updater/resource.h"
#include "updater/UpdateMessages.h"
#include "updater/logic/StatusText.h"
#include "win32/ResString.h"

namespace vl::updater {

void CDialogView::ShowStep(UpdateStep step, const String& fileName) {
  const UINT format = step == UpdateStep::Downloading ? IDS_STATUS_DOWNLOADING : IDS_STATUS_COPYING;
  const String text = InsertFileName(LoadResString(format), fileName);
  ::SetDlgItemTextW(m_hDialog, IDC_UPDATE_STATUS, text.c_str());
}

void CDialogView::SetProgress(int percent) {
  ::SendDlgItemMessageW(m_hDialog, IDC_UPDATE_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(percent),
                        0);
}

bool CDialogView::AskToUpdate() {
  return ::SendMessageW(m_hDialog, kMsgAskToUpdate, 0, 0) == IDYES;
}

}  // namespace vl::updater

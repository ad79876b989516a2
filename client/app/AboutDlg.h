#pragma once
// The About box: product name, version and icon, all from its dialog template.
#include "win32/framework/Dialog.h"

namespace vl {

class CAboutDlg : public CDialog {
 public:
  static constexpr const wchar_t* kCaption = L"Vaultline , Information";

  explicit CAboutDlg(CWnd* parent = nullptr);
};

}  // namespace vl

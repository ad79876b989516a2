#include "client/app/AboutDlg.h"

#include "resources/client/resource.h"

namespace vl {

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

}  // namespace vl

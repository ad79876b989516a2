#pragma once
// CVLRemoveApp: the remover's application object. It has no window of its own: message boxes
// ask and tell, and everything is done before InitInstance returns.
//
// Exit codes: 0 removed; 1 nothing done (the client or the updater runs, or the user said No);
// 2 removed, but something could not be deleted (the last box lists it).
#include <vector>

#include "core/base/String.h"
#include "win32/framework/WinApp.h"

namespace vl::remover {

class CVLRemoveApp : public CWinAppBase {
 public:
  static constexpr int kLeftSomethingExitCode = 2;

  CVLRemoveApp() : CWinAppBase(L"") {}

  // Runs the whole removal and returns false, so that no message loop follows.
  bool InitInstance() override;
  int ExitInstance() override;

 private:
  void LoadTitle();
  static bool ClientOrUpdaterRuns();
  static bool UserAgrees();
  // The install key's root; the key is deleted whether or not the value could be read.
  String TakeInstallRoot();
  void RemoveFiles(const String& installRoot);
  void Report() const;

  String m_strTitle;
  bool m_bRemoved = false;
  std::vector<String> m_left;
};

}  // namespace vl::remover

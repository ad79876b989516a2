#pragma once
// The fixture of the backup-dialog stories: a work folder for sources and targets, and the
// client with its own data folder. The client goes first at the end, so nothing it holds
// keeps the work folder from being removed.
#include <gtest/gtest.h>

#include "tests/gui/dialog/DialogClient.h"
#include "tests/gui/dialog/ReportWindow.h"
#include "tests/gui/dialog/SourceTree.h"
#include "tests/gui/harness/ProcessWindows.h"
#include "tests/win32/TempFolder.h"

namespace vl::test {

class DialogStory : public ::testing::Test {
 protected:
  void TearDown() override { ParkMouse(); }

  // "Photos" with three files in two folders, 6000 bytes in all.
  String MakePhotos();
  // Starts the client on a set of these items and this target (empty: the default target)
  // and waits for its dialog; fails the test when it does not come.
  void StartWithSet(const std::vector<String>& items, const String& target = String());
  // Waits for the report of a run that did something.
  HWND WaitForReportOfRun();
  // Clicks button, checks the title of the folder browser it opens, selects folder there and
  // presses OK. chosen: what the browser's status line showed last, the folder the person
  // chose (Wine's browser may stop short of a folder made a moment ago).
  void ChooseInBrowser(int button, const String& title, const String& folder, String& chosen);

  TempFolder m_work;
  DialogClient m_client;
};

}  // namespace vl::test

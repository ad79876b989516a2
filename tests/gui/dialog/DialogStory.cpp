#include "tests/gui/dialog/DialogStory.h"

#include <cstdio>

#include "tests/gui/harness/FolderBrowser.h"

namespace vl::test {

String DialogStory::MakePhotos() {
  const String root = m_work / L"Photos";
  EXPECT_TRUE(MakeTree(root, {{L"a.jpg", 1000}, {L"b.jpg", 2000}, {L"Trip\\c.jpg", 3000}}));
  return root;
}

void DialogStory::StartWithSet(const std::vector<String>& items, const String& target) {
  ASSERT_TRUE(m_client.WriteSet(items, target.empty() ? m_client.DefaultTarget() : target));
  ASSERT_NE(m_client.StartAndWaitForDialog(), nullptr) << m_client.Output();
}

HWND DialogStory::WaitForReportOfRun() {
  EXPECT_TRUE(m_client.WaitForRunDone(0)) << m_client.Output();
  return m_client.WaitForReport();
}

void DialogStory::ChooseInBrowser(int button, const String& title, const String& folder,
                                  String& chosen) {
  ASSERT_TRUE(m_client.Click(button));
  FolderBrowser browser(m_client.ProcessId(), kGuiStepTimeoutMs);
  ASSERT_TRUE(browser.Found()) << m_client.Output();
  EXPECT_EQ(browser.Title(), title);
  chosen = browser.SelectFolder(folder, kGuiStepTimeoutMs);
  ASSERT_FALSE(chosen.empty());
  if (chosen != folder) std::printf("the browser stayed at %s\n", Narrow(chosen).c_str());
  ASSERT_TRUE(browser.PressOk(kGuiStepTimeoutMs));
}

}  // namespace vl::test

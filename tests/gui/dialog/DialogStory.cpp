#include "tests/gui/dialog/DialogStory.h"

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

}  // namespace vl::test

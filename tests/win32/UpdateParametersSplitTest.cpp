// The client writes the updater's command line; the updater splits it with the system's rule
// (SplitCommandLine over CommandLineToArgvW). Each value must come back whole, even a folder
// ending in a backslash, whose closing quote would otherwise read as an escaped one.
#include <gtest/gtest.h>

#include <vector>

#include "core/rules/UpdateParameters.h"
#include "win32/framework/WinApp.h"

namespace vl {
namespace {

TEST(UpdateParametersSplit, TheUpdaterReadsBackEachValueWhole) {
  const UpdateParameterValues cases[] = {
      {L"C:\\Program Files\\Vaultline", L"1.0.0.1", L"win7", L"AB12"},
      {L"C:\\", L"1.0", L"winxp", L"x"},
      {L"D:\\Backup Client\\\\", L"1", L"w", L"A B \"C\\\" D\\"},
      {L"\\\\nas\\share\\V", L"", L"", L""},
  };
  for (const UpdateParameterValues& v : cases) {
    const String line = L"VLUpdate.exe" + BuildUpdateParameters(v);
    const std::vector<String> expected = {v.installFolder,
                                          v.productVersion.empty() ? L"NULL" : v.productVersion,
                                          v.osName.empty() ? L"NULL" : v.osName,
                                          v.identifier.empty() ? L"NULL" : v.identifier};
    EXPECT_EQ(SplitCommandLine(line.c_str()), expected) << testing::PrintToString(line);
  }
}

}  // namespace
}  // namespace vl

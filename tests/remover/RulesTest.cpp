// The remover's small rules: which running programs stop it, and the list of what it left.
#include <gtest/gtest.h>

#include "remover/logic/LeftoverText.h"
#include "remover/logic/RunningRule.h"

namespace vl::test {
namespace {

TEST(RunningRule, TheClientAndTheUpdaterInAnyCaseAndFormStopTheRemoval) {
  const struct {
    String name;
    bool stops;
  } cases[] = {
      {VLT("Vaultline.exe"), true},
      {VLT("VAULTLINE.EXE"), true},
      {VLT("vlupdate.exe"), true},
      {VLT("C:\\Program Files\\Vaultline\\Vaultline.exe"), true},
      {VLT("VLRemove.exe"), false},
      {VLT("MyVaultline.exe"), false},
      {VLT("Vaultline.exe.old"), false},
      {VLT("Vaultline"), false},
      {VLT(""), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(remover::IsClientOrUpdater(c.name), c.stops)
        << std::string(c.name.begin(), c.name.end());
  }
  EXPECT_TRUE(remover::AnyClientOrUpdater({VLT("explorer.exe"), VLT("VLUPDATE.exe")}));
  EXPECT_FALSE(remover::AnyClientOrUpdater({VLT("explorer.exe"), VLT("VLRemove.exe")}));
}

TEST(LeftoverText, ListsWhatIsLeftOneALineAndCountsWhatDoesNotFit) {
  std::vector<String> left;
  for (Char c = VLT('a'); c < VLT('a') + remover::kMaxLeftoverLines + 2; ++c)
    left.push_back(String(1, c));
  const String text = remover::LeftoverText(VLT("Left:\n%1\nEnd"), left);
  EXPECT_EQ(text, VLT("Left:\na\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\n... (+2)\nEnd"));
  EXPECT_EQ(remover::LeftoverText(VLT("[%1]"), {VLT("C:\\x")}), VLT("[C:\\x]"));
}

}  // namespace
}  // namespace vl::test

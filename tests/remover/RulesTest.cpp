// Which running programs stop the remover: the client and the updater by their executable's
// name, however the system spells it, and nothing that merely looks like them.
#include <gtest/gtest.h>

#include "remover/logic/RunningRule.h"

namespace vl::test {
namespace {

TEST(RunningRule, TheClientAndTheUpdaterInAnyCaseAndFormStopTheRemoval) {
  EXPECT_TRUE(remover::AnyClientOrUpdater(
      {VLT("explorer.exe"), VLT("C:\\Program Files\\Vaultline\\VAULTLINE.EXE")}));
  EXPECT_TRUE(remover::AnyClientOrUpdater({VLT("vlupdate.exe")}));
  EXPECT_FALSE(remover::AnyClientOrUpdater({VLT("VLRemove.exe"), VLT("MyVaultline.exe"),
                                            VLT("Vaultline.exe.old"), VLT("Vaultline"), VLT("")}));
}

}  // namespace
}  // namespace vl::test

#include "client/cli/EditArgs.h"

#include <gtest/gtest.h>

#include "client/cli/IndexArg.h"

namespace vl {
namespace {

TEST(EditArgs, AddAndTargetTakeExactlyOnePath) {
  String path;
  String error;
  EXPECT_TRUE(ParsePathArg({VLT("D:\\Work")}, VLT("add"), path, error));
  EXPECT_EQ(path, VLT("D:\\Work"));
  EXPECT_FALSE(ParsePathArg({}, VLT("add"), path, error));
  EXPECT_EQ(error, VLT("add needs one path"));
  EXPECT_FALSE(ParsePathArg({VLT("a"), VLT("b")}, VLT("target"), path, error));
  EXPECT_EQ(error, VLT("target needs one path"));
  EXPECT_FALSE(ParsePathArg({VLT("")}, VLT("target"), path, error));
}

TEST(EditArgs, RemoveTakesOneIndex) {
  int32_t index = -1;
  String error;
  EXPECT_TRUE(ParseRemoveArgs({VLT("0")}, index, error));
  EXPECT_EQ(index, 0);
  EXPECT_TRUE(ParseRemoveArgs({VLT("007")}, index, error));
  EXPECT_EQ(index, 7);
  EXPECT_FALSE(ParseRemoveArgs({}, index, error));
  EXPECT_FALSE(ParseRemoveArgs({VLT("1"), VLT("2")}, index, error));
  EXPECT_FALSE(ParseRemoveArgs({VLT("-1")}, index, error));
  EXPECT_FALSE(ParseRemoveArgs({VLT("+1")}, index, error));
}

TEST(IndexArg, DigitsOnlyAndBounded) {
  int32_t index = -1;
  EXPECT_TRUE(ParseIndexArg(VLT("999999999"), index));
  EXPECT_EQ(index, kMaxIndexArg);
  EXPECT_FALSE(ParseIndexArg(VLT("1000000000"), index));
  EXPECT_FALSE(ParseIndexArg(VLT(" 1"), index));
  EXPECT_FALSE(ParseIndexArg(VLT(""), index));
}

TEST(EditArgs, TrailingBackslashesGoButADriveRootKeepsItsOwn) {
  EXPECT_EQ(TrimTrailingBackslash(VLT("D:\\Work\\")), VLT("D:\\Work"));
  EXPECT_EQ(TrimTrailingBackslash(VLT("D:\\Work\\\\")), VLT("D:\\Work"));
  EXPECT_EQ(TrimTrailingBackslash(VLT("D:\\Work")), VLT("D:\\Work"));
  EXPECT_EQ(TrimTrailingBackslash(VLT("D:\\")), VLT("D:\\"));
  EXPECT_EQ(TrimTrailingBackslash(VLT("D:\\\\")), VLT("D:\\"));
  EXPECT_EQ(TrimTrailingBackslash(VLT("\\\\nas\\share\\Work\\")), VLT("\\\\nas\\share\\Work"));
}

}  // namespace
}  // namespace vl

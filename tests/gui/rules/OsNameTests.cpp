#include <gtest/gtest.h>

#include "core/rules/OsName.h"

namespace vl {
namespace {

OsVersion Nt(uint32_t major, uint32_t minor, bool workstation) {
  OsVersion v;
  v.known = true;
  v.ntFamily = true;
  v.major = major;
  v.minor = minor;
  v.workstation = workstation;
  return v;
}

TEST(OsName, NamesEveryKnownNtVersion) {
  EXPECT_EQ(OsNameFor(Nt(5, 0, true)), VLT("win2k"));
  EXPECT_EQ(OsNameFor(Nt(5, 1, false)), VLT("winxp"));
  EXPECT_EQ(OsNameFor(Nt(5, 2, true)), VLT("2003"));
  EXPECT_EQ(OsNameFor(Nt(6, 0, true)), VLT("vista"));
  EXPECT_EQ(OsNameFor(Nt(6, 0, false)), VLT("2008"));
  EXPECT_EQ(OsNameFor(Nt(6, 1, true)), VLT("win7"));
  EXPECT_EQ(OsNameFor(Nt(6, 1, false)), VLT("2008"));
  EXPECT_EQ(OsNameFor(Nt(6, 2, true)), VLT("win8"));
  EXPECT_EQ(OsNameFor(Nt(6, 2, false)), VLT("win8"));
}

TEST(OsName, UnknownVersionsAndPlatformsHaveNoName) {
  EXPECT_EQ(OsNameFor(Nt(6, 3, true)), String());
  EXPECT_EQ(OsNameFor(Nt(10, 0, true)), String());
  EXPECT_EQ(OsNameFor(Nt(4, 0, true)), String());
  EXPECT_EQ(OsNameFor(Nt(5, 3, true)), String());
  OsVersion nineX = Nt(5, 1, true);
  nineX.ntFamily = false;
  EXPECT_EQ(OsNameFor(nineX), String());
  OsVersion failed = Nt(6, 1, true);
  failed.known = false;
  EXPECT_EQ(OsNameFor(failed), String());
}

TEST(OsName, LinkedConnectionsOnlyForVistaServer2008AndWindows8) {
  EXPECT_TRUE(NeedsLinkedConnections(VLT("vista")));
  EXPECT_TRUE(NeedsLinkedConnections(VLT("2008")));
  EXPECT_TRUE(NeedsLinkedConnections(VLT("WIN8")));
  EXPECT_TRUE(NeedsLinkedConnections(VLT("Vista")));
  EXPECT_FALSE(NeedsLinkedConnections(VLT("win7")));
  EXPECT_FALSE(NeedsLinkedConnections(VLT("winxp")));
  EXPECT_FALSE(NeedsLinkedConnections(VLT("")));
  EXPECT_FALSE(NeedsLinkedConnections(VLT("win80")));
}

}  // namespace
}  // namespace vl

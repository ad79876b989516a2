#include "client/engine/realtime/NotifyRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

namespace vl {
namespace {

using Bytes = std::vector<unsigned char>;

void PutWord(Bytes& bytes, size_t at, uint32_t word) {
  std::memcpy(&bytes[at], &word, sizeof word);
}

// One record as the system lays it out, padded to whole words; next 0 marks the last.
void AddRecord(Bytes& bytes, uint32_t action, const String& name, bool last) {
  const size_t at = bytes.size();
  const size_t nameBytes = name.size() * sizeof(Char);
  const size_t size = (12 + nameBytes + 3) / 4 * 4;
  bytes.resize(at + size);
  PutWord(bytes, at, last ? 0 : static_cast<uint32_t>(size));
  PutWord(bytes, at + 4, action);
  PutWord(bytes, at + 8, static_cast<uint32_t>(nameBytes));
  if (nameBytes) std::memcpy(&bytes[at + 12], name.data(), nameBytes);
}

using Seen = std::vector<std::pair<uint32_t, String>>;

bool Walk(const Bytes& bytes, size_t count, Seen& seen) {
  return WalkNotifyRecords(bytes.data(), count, [&](uint32_t action, const String& name) {
    seen.emplace_back(action, name);
    return true;
  });
}

TEST(NotifyRecords, GivesEveryRecordInOrderWithNamesOfAnyLength) {
  const String longName = String(VLT("Deep\\")) + String(300, VLT('x')) + VLT(".txt");
  Bytes bytes;
  AddRecord(bytes, 1, VLT("Docs\\a.txt"), false);
  AddRecord(bytes, 4, longName, false);
  AddRecord(bytes, 5, VLT("b"), true);
  Seen seen;
  EXPECT_TRUE(Walk(bytes, bytes.size(), seen));
  EXPECT_EQ(seen, (Seen{{1, VLT("Docs\\a.txt")}, {4, longName}, {5, VLT("b")}}));
}

TEST(NotifyRecords, StopsWhenTheVisitorSaysSo) {
  Bytes bytes;
  AddRecord(bytes, 1, VLT("a"), false);
  AddRecord(bytes, 2, VLT("b"), true);
  int visits = 0;
  EXPECT_TRUE(WalkNotifyRecords(bytes.data(), bytes.size(), [&](uint32_t, const String&) {
    return ++visits < 1;
  }));
  EXPECT_EQ(visits, 1);
}

// Each case spoils a buffer of two good records; the walk must give what lies before the fault,
// fail, and never read past the count (ASan watches the exact-size copy).
TEST(NotifyRecords, DamagedRecordsEndTheWalkWithoutReadingPastTheCount) {
  Bytes good;
  AddRecord(good, 1, VLT("first.txt"), false);
  const size_t second = good.size();
  AddRecord(good, 3, VLT("second.txt"), true);
  const struct {
    const char* what;
    size_t at;       // word to overwrite, or SIZE_MAX for none
    uint32_t value;
    size_t count;    // bytes the read returned
    size_t seenBefore;
  } cases[] = {
      {"count ends inside the second header", SIZE_MAX, 0, second + 6, 1},
      {"count ends inside the second name", SIZE_MAX, 0, good.size() - 4, 1},
      {"name length past the count", second + 8, 4000, good.size(), 1},
      {"huge name length", 8, 0xFFFFFFFFu, good.size(), 0},
      {"next offset past the count", 0, 4096, good.size(), 0},
      {"next offset into its own name", 0, 14, good.size(), 0},
      {"fewer bytes than a header", SIZE_MAX, 0, 11, 0},
  };
  for (const auto& c : cases) {
    Bytes bytes = good;
    if (c.at != SIZE_MAX) PutWord(bytes, c.at, c.value);
    const Bytes exact(bytes.begin(), bytes.begin() + c.count);
    Seen seen;
    EXPECT_FALSE(Walk(exact, exact.size(), seen)) << c.what;
    EXPECT_EQ(seen.size(), c.seenBefore) << c.what;
  }
}

}  // namespace
}  // namespace vl

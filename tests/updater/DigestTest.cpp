// The digest a download is checked against, and the bar's position for byte counts.
#include <gtest/gtest.h>

#include <string>

#include "updater/logic/Progress.h"
#include "updater/logic/Sha256.h"

namespace vl::updater {
namespace {

String DigestOf(const std::string& data, size_t piece) {
  Sha256 hash;
  for (size_t at = 0; at < data.size(); at += piece) {
    const size_t size = std::min(piece, data.size() - at);
    hash.Update(reinterpret_cast<const uint8_t*>(data.data() + at), size);
  }
  return DigestToHex(hash.Finish());
}

TEST(Sha256Test, PublishedVectorsInAnyPieces) {
  const struct {
    std::string data;
    String digest;
  } cases[] = {
      {"", VLT("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855")},
      {"abc", VLT("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad")},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       VLT("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1")},
      {std::string(1000000, 'a'),
       VLT("cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0")},
      {std::string(64, 'x'),
       VLT("7ce100971f64e7001e8fe5a51973ecdfe1ced42befe7ee8d5fd6219506b5393c")},
  };
  for (const auto& c : cases) {
    for (size_t piece : {size_t{1}, size_t{63}, size_t{64}, size_t{65536}}) {
      EXPECT_EQ(DigestOf(c.data, piece), c.digest) << c.data.size() << " bytes by " << piece;
    }
  }
}

TEST(ProgressTest, PercentOfLargeAndOddCounts) {
  const struct {
    uint64_t done, total;
    int percent;
  } cases[] = {
      {0, 0, 0},
      {5, 0, 0},
      {0, 100, 0},
      {1, 3, 33},
      {99, 100, 99},
      {150, 100, 100},
      {UINT64_C(5000000000), UINT64_C(10000000000), 50},
      {UINT64_MAX - 1, UINT64_MAX, 99},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProgressPercent(c.done, c.total), c.percent) << c.done << "/" << c.total;
  }
}

}  // namespace
}  // namespace vl::updater

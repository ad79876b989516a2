// Judging a finished download: its digest, its length against the entry and the announced
// length, and the bar's position for byte counts of any size.
#include <gtest/gtest.h>

#include <string>

#include "updater/logic/DownloadVerdict.h"
#include "updater/logic/Progress.h"
#include "updater/logic/Sha256.h"

namespace vl::updater {
namespace {

String DigestOf(const std::string& data, size_t piece) {
  Sha256 hash;
  const auto* bytes = reinterpret_cast<const uint8_t*>(data.data());
  for (size_t at = 0; at < data.size(); at += piece)
    hash.Update(bytes + at, std::min(piece, data.size() - at));
  return DigestToHex(hash.Finish());
}

TEST(Sha256Test, PublishedVectorsFedInAnyPieces) {
  const struct {
    std::string data;
    String digest;
  } cases[] = {
      {"", VLT("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855")},
      {"abc", VLT("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad")},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       VLT("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1")},
  };
  for (const auto& c : cases) {
    for (size_t piece : {size_t{1}, size_t{55}, size_t{64}}) {
      EXPECT_EQ(DigestOf(c.data, piece), c.digest) << c.data << " by " << piece;
    }
  }
}

TEST(DownloadVerdictTest, OnlyAWholeBodyOfTheRightSizeAndDigest) {
  CUpdateInfo entry;
  entry.m_nSize = 10;
  const String digest(64, 'a');
  const struct {
    ReceivedBody body;
    String expectedDigest;
    DownloadVerdict verdict;
  } cases[] = {
      {{10, true, std::nullopt, digest}, VLT(""), DownloadVerdict::Whole},
      {{10, true, 10, digest}, digest, DownloadVerdict::Whole},
      {{10, false, 10, digest}, VLT(""), DownloadVerdict::BrokenOff},
      {{10, true, 20, digest}, VLT(""), DownloadVerdict::BrokenOff},
      {{9, true, 9, digest}, VLT(""), DownloadVerdict::WrongLength},
      {{11, true, std::nullopt, digest}, VLT(""), DownloadVerdict::WrongLength},
      {{10, true, 10, String(64, 'b')}, digest, DownloadVerdict::WrongDigest},
  };
  for (const auto& c : cases) {
    entry.m_strSha256 = c.expectedDigest;
    EXPECT_EQ(JudgeDownload(entry, c.body), c.verdict) << c.body.bytes << " " << c.body.ended;
  }
}

TEST(ProgressTest, PercentOfLargeAndOddCounts) {
  const struct {
    uint64_t done, total;
    int percent;
  } cases[] = {
      {5, 0, 0},
      {1, 3, 33},
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

// Reading the service's answer: the INI rules, the counts, and which entries are fit to queue.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "updater/logic/UpdateAnswer.h"

namespace vl::updater {
namespace {

TEST(IniTextTest, ReadsLikeTheProfileFunctions) {
  const IniText ini = IniText::Parse(
      "\xEF\xBB\xBF"
      "orphan=before any section\r\n"
      "[ Files ]\r\n"
      "  Name  =  Vaultline.exe  \r\n"
      "quoted=\"  kept blanks  \"\n"
      "half=\"open\n"
      "; Name=commented out\n"
      "name=second wins not\n"
      "noequals\n"
      "[other]\n"
      "k=1\n"
      "[FILES]\n"
      "late=continues the section");
  const struct {
    StringView section;
    StringView key;
    StringView expected;
  } cases[] = {
      {VLT("files"), VLT("NAME"), VLT("Vaultline.exe")},
      {VLT("Files"), VLT("quoted"), VLT("  kept blanks  ")},
      {VLT("Files"), VLT("half"), VLT("\"open")},
      {VLT("Files"), VLT("late"), VLT("continues the section")},
      {VLT("Files"), VLT("noequals"), VLT("")},
      {VLT("Files"), VLT("orphan"), VLT("")},
      {VLT("missing"), VLT("k"), VLT("")},
      {VLT("other"), VLT("K"), VLT("1")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ini.Value(c.section, c.key), c.expected) << testing::PrintToString(String(c.key));
  }
  EXPECT_TRUE(ini.HasSection(VLT("OTHER")));
  EXPECT_FALSE(ini.HasSection(VLT("orphan")));
}

std::string ReturnSection(const std::string& result, const std::string& count) {
  return "[VAULTLINE_UPDATE_RETURN]\nID_RESULT=" + result + "\nID_FILE_COUNT=" + count + "\n";
}

std::string FileSection(int index, const std::string& keys) {
  return "[FILE_INFO_" + std::to_string(index) + "]\n" + keys + "\n";
}

const std::string kGoodKeys =
    "FILE_SIZE=10\nFILE_VER=1.0\nFILE_NAME=Vaultline.exe\nFILE_URL=http://h/r";

TEST(UpdateAnswerTest, NoUpdateUnlessResultAndCountSayTheresOne) {
  const struct {
    std::string result, count;
    bool hasUpdate;
  } cases[] = {{"0", "1", false},          {"1", "0", false}, {"1", "-1", false},
               {"", "1", false},           {"x", "1", false}, {"1", "1", true},
               {"2", "1 file", true},      {"-3", "1", true}, {"1", "99999999999", true}};
  for (const auto& c : cases) {
    const UpdateAnswer answer = ReadUpdateAnswer(
        IniText::Parse(ReturnSection(c.result, c.count) + FileSection(0, kGoodKeys)));
    EXPECT_EQ(answer.HasUpdate(), c.hasUpdate) << c.result << "/" << c.count;
    EXPECT_EQ(answer.files.size(), c.hasUpdate ? 1u : 0u);
  }
}

TEST(UpdateAnswerTest, AHugeCountStopsAtTheFirstMissingSection) {
  const std::string text = ReturnSection("1", "2147483647") + FileSection(0, kGoodKeys) +
                           FileSection(1, "FILE_SIZE=1") + FileSection(3, kGoodKeys);
  const auto started = std::chrono::steady_clock::now();
  const UpdateAnswer answer = ReadUpdateAnswer(IniText::Parse(text));
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
  ASSERT_EQ(answer.files.size(), 1u);
  ASSERT_EQ(answer.skipped.size(), 1u);
  EXPECT_EQ(answer.skipped[0].index, 1);
}

TEST(UpdateAnswerTest, EntriesThatBreakARuleAreLeftOut) {
  const std::string name = "FILE_SIZE=10\nFILE_VER=1.0\nFILE_URL=http://h/r\nFILE_NAME=";
  const std::string digest = kGoodKeys + "\nFILE_SHA256=";
  const std::string hex64(64, 'a');
  const struct {
    std::string keys;
    std::optional<EntryProblem> problem;
  } cases[] = {
      {kGoodKeys, std::nullopt},
      {"FILE_SIZE=10\nFILE_VER=1.0\nFILE_NAME=a.exe", EntryProblem::MissingKey},
      {"FILE_SIZE=10\nFILE_NAME=a.exe\nFILE_URL=http://h", EntryProblem::MissingKey},
      {"FILE_SIZE=\nFILE_VER=1\nFILE_NAME=a.exe\nFILE_URL=http://h", EntryProblem::MissingKey},
      {name + std::string(260, 'n'), EntryProblem::OverlongValue},
      {name + std::string(259, 'n'), EntryProblem::BadName},
      {name + "..\\Vaultline.exe", EntryProblem::BadName},
      {name + "C:\\Windows\\x.exe", EntryProblem::BadName},
      {"FILE_SIZE=-5\nFILE_VER=1\nFILE_NAME=a.exe\nFILE_URL=http://h", EntryProblem::BadSize},
      {"FILE_SIZE=1e3\nFILE_VER=1\nFILE_NAME=a.exe\nFILE_URL=http://h", EntryProblem::BadSize},
      {"FILE_SIZE=9223372036854775808\nFILE_VER=1\nFILE_NAME=a\nFILE_URL=http://h",
       EntryProblem::BadSize},
      {"FILE_SIZE=1\nFILE_VER=1\nFILE_NAME=a.exe\nFILE_URL=file:///C:/x", EntryProblem::BadUrl},
      {"FILE_SIZE=1\nFILE_VER=1\nFILE_NAME=a.exe\nFILE_URL=ftp://h/x", EntryProblem::BadUrl},
      {digest + hex64, std::nullopt},
      {digest + std::string(64, 'F'), std::nullopt},
      {digest + std::string(63, 'a'), EntryProblem::BadDigest},
      {digest + std::string(63, 'a') + "g", EntryProblem::BadDigest},
  };
  for (const auto& c : cases) {
    const UpdateAnswer answer =
        ReadUpdateAnswer(IniText::Parse(ReturnSection("1", "1") + FileSection(0, c.keys)));
    if (!c.problem) {
      ASSERT_EQ(answer.files.size(), 1u) << c.keys;
      EXPECT_EQ(answer.files[0].m_strSha256.find_first_of(VLT("ABCDEF")), String::npos);
      continue;
    }
    ASSERT_EQ(answer.skipped.size(), 1u) << c.keys;
    EXPECT_EQ(answer.skipped[0].problem, *c.problem) << c.keys;
  }
}

}  // namespace
}  // namespace vl::updater

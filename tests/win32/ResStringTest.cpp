// The client's string tables (linked into this test through TestResources.rc) and the loader
// that picks the language.
#include <gtest/gtest.h>
#include <windows.h>

#include "resources/client/resource.h"
#include "win32/ResString.h"

namespace vl {
namespace {

const LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const LANGID kKorean = MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN);
const LANGID kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

String Load(UINT id, LANGID lang) {
  String text;
  EXPECT_TRUE(LoadResString(id, lang, text)) << "string " << id << " lang " << lang;
  return text;
}

TEST(ResString, OleMessageInEachLanguage) {
  EXPECT_EQ(Load(IDP_OLE_INIT_FAILED, kEnglish),
            L"Failed to initialize OLE library. Make sure that the OLE library is the correct "
            L"version.");
  EXPECT_EQ(Load(IDP_OLE_INIT_FAILED, kKorean).substr(0, 7), L"OLE \ub77c\uc774\ube0c");
  EXPECT_EQ(Load(IDP_OLE_INIT_FAILED, kJapanese).substr(0, 7), L"OLE \u30e9\u30a4\u30d6");
}

TEST(ResString, DocumentStringIsTheSameInEveryLanguage) {
  const String expected =
      L"Vaultline\n\nVaultline\nVaultline Files (*.bsf)\n.bsf\nVaultline.Document\n"
      L"Vaultline.Document";
  EXPECT_EQ(Load(IDR_MAINFRAME, kEnglish), expected);
  EXPECT_EQ(Load(IDR_MAINFRAME, kKorean), expected);
  EXPECT_EQ(Load(IDR_MAINFRAME, kJapanese), expected);
}

TEST(ResString, OtherLanguagesFallBackToEnglish) {
  EXPECT_EQ(Load(IDP_OLE_INIT_FAILED, MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)),
            Load(IDP_OLE_INIT_FAILED, kEnglish));
  EXPECT_EQ(Load(IDP_OLE_INIT_FAILED, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK)),
            Load(IDP_OLE_INIT_FAILED, kEnglish));
}

TEST(ResString, ThreadLanguageVersionLoadsSomething) {
  EXPECT_FALSE(LoadResString(IDP_OLE_INIT_FAILED).empty());
}

TEST(ResString, MissingStringsAreReported) {
  // The id after the OLE message is a gap in a block the table has; 60000 lies in a block the
  // table lacks altogether.
  String text = L"unchanged";
  EXPECT_FALSE(LoadResString(IDP_OLE_INIT_FAILED + 1, kEnglish, text));
  EXPECT_FALSE(LoadResString(60000, kEnglish, text));
  EXPECT_EQ(text, L"unchanged");
}

}  // namespace
}  // namespace vl

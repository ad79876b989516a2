// Document strings, trace formatting and GUID text.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cwctype>

#include "win32/DocString.h"
#include "win32/Guid.h"
#include "win32/Trace.h"

namespace vl {
namespace {

const String kDocString =
    L"Vaultline\n\nVaultline\nVaultline Files (*.bsf)\n.bsf\nVaultline.Document\n"
    L"Vaultline.Document";

TEST(DocString, FieldsByIndex) {
  EXPECT_EQ(GetDocString(kDocString, DocStringIndex::windowTitle), L"Vaultline");
  EXPECT_EQ(GetDocString(kDocString, DocStringIndex::docName), L"");
  EXPECT_EQ(GetDocString(kDocString, DocStringIndex::filterName), L"Vaultline Files (*.bsf)");
  EXPECT_EQ(GetDocString(kDocString, DocStringIndex::filterExt), L".bsf");
  EXPECT_EQ(GetDocString(kDocString, DocStringIndex::regFileTypeId), L"Vaultline.Document");
  EXPECT_EQ(GetDocString(kDocString, DocStringIndex::regFileTypeName), L"Vaultline.Document");
}

TEST(DocString, MissingFieldsAreEmpty) {
  EXPECT_EQ(GetDocString(L"Title", DocStringIndex::filterExt), L"");
  EXPECT_EQ(GetDocString(L"", DocStringIndex::windowTitle), L"");
}

size_t Format(wchar_t* buffer, size_t capacity, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  const size_t length = FormatTraceText(buffer, capacity, format, args);
  va_end(args);
  return length;
}

TEST(Trace, FormatsWideStringsAndNumbers) {
  wchar_t buffer[kTraceBufferChars];
  Format(buffer, kTraceBufferChars, L"[VAULTLINE][Test]%s -> %d\n", L"C:\\a", 42);
  EXPECT_STREQ(buffer, L"[VAULTLINE][Test]C:\\a -> 42\n");
}

TEST(Trace, CutsLongTextToTheBuffer) {
  wchar_t buffer[kTraceBufferChars];
  const String longText(3000, L'x');
  const size_t length = Format(buffer, kTraceBufferChars, L"%s", longText.c_str());
  EXPECT_EQ(length, kTraceBufferChars - 1);
  EXPECT_EQ(buffer[kTraceBufferChars - 1], L'\0');
}

TEST(Trace, TextThatFitsExactlyIsKept) {
  wchar_t buffer[8];
  EXPECT_EQ(Format(buffer, 8, L"%s", L"1234567"), 7u);
  EXPECT_STREQ(buffer, L"1234567");
}

TEST(Guid, PunctuationIsRemoved) {
  EXPECT_EQ(win32::StripGuidPunctuation(L"{6595B641-44CC-F1DF-0000-00000000ABCD}"),
            L"6595B64144CCF1DF000000000000ABCD");
}

TEST(Guid, NewGuidsAre32HexDigitsAndDiffer) {
  const String first = win32::MakeGuidText();
  const String second = win32::MakeGuidText();
  ASSERT_EQ(first.size(), 32u);
  for (wchar_t c : first) EXPECT_TRUE(std::iswxdigit(c)) << static_cast<int>(c);
  EXPECT_NE(first, second);
}

}  // namespace
}  // namespace vl

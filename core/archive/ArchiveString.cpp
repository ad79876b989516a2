// Strings in the framework's layout: an optional Unicode marker (0xFF, then 0xFFFE), a length
// in the shortest of the 8-, 16- and 32-bit forms, then the characters.
#include "core/archive/Archive.h"
#include "core/text/Latin1.h"
#include "core/text/Utf.h"

namespace vl {
namespace {

constexpr uint8_t kLongerLength = 0xFF;
constexpr uint16_t kUnicodeMarker = 0xFFFE;
constexpr uint16_t kLongestLength = 0xFFFF;

}  // namespace

void CArchive::WriteStringLength(size_t length) {
  if (length < kLongerLength) {
    *this << static_cast<uint8_t>(length);
  } else if (length < kUnicodeMarker) {
    *this << kLongerLength << static_cast<uint16_t>(length);
  } else if (length < 0xFFFFFFFFu) {
    *this << kLongerLength << kLongestLength << static_cast<uint32_t>(length);
  } else {
    throw CArchiveException(CArchiveException::genericException);
  }
}

// Only the writer's order is produced, but the reader follows the framework: a 16-bit 0xFFFE
// after the first 0xFF is the marker and the length starts over.
uint32_t CArchive::ReadStringLength(bool& isUnicode) {
  isUnicode = false;
  uint8_t byteLength = 0;
  *this >> byteLength;
  if (byteLength < kLongerLength) return byteLength;
  uint16_t wordLength = 0;
  *this >> wordLength;
  if (wordLength == kUnicodeMarker) {
    isUnicode = true;
    *this >> byteLength;
    if (byteLength < kLongerLength) return byteLength;
    *this >> wordLength;
  }
  if (wordLength < kLongestLength) return wordLength;
  uint32_t length = 0;
  *this >> length;
  return length;
}

String CArchive::ReadUnicodeChars(uint32_t length) {
  if (uint64_t{length} * 2 > Remaining()) throw CArchiveException(CArchiveException::endOfFile);
  String text(length, Char{});
  for (Char& unit : text) unit = static_cast<Char>(ReadLittleEndian(2));
  // Half of a character outside the basic plane cannot be shown or written back faithfully.
  if (!HasNoUnpairedSurrogates(text)) throw CArchiveException(CArchiveException::genericException);
  return text;
}

String CArchive::ReadCodePageChars(uint32_t length) {
  if (length > Remaining()) throw CArchiveException(CArchiveException::endOfFile);
  std::string bytes(length, '\0');
  Read(bytes.data(), bytes.size());
  return m_decoder ? m_decoder(bytes) : WidenLatin1(bytes);
}

CArchive& CArchive::operator<<(const String& text) {
  *this << kLongerLength << kUnicodeMarker;
  WriteStringLength(text.size());
  for (const Char unit : text) *this << static_cast<uint16_t>(unit);
  return *this;
}

CArchive& CArchive::operator>>(String& text) {
  bool isUnicode = false;
  const uint32_t length = ReadStringLength(isUnicode);
  text = isUnicode ? ReadUnicodeChars(length) : ReadCodePageChars(length);
  return *this;
}

}  // namespace vl

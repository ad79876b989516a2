#pragma once
// A byte archive laid out as the Windows application framework's serialization archive, so
// that set files written by earlier clients read back unchanged: little-endian integers, the
// framework's count and string length prefixes, and its class tags in object lists.
// Loading never trusts a length: every one is checked against the bytes left before anything
// is allocated, so hostile data ends in a CArchiveException rather than a crash.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/archive/ArchiveException.h"
#include "core/base/String.h"

namespace vl {

// Converts 8-bit text of the system code page (strings stored without the Unicode marker).
using CodePageDecoder = std::function<String(const std::string& bytes)>;

// The runtime class record of a serializable type as it appears in the file.
struct ArchiveClass {
  std::string_view name;  // ASCII
  uint16_t schema;        // version number; any version is accepted when loading
};

class CArchive {
 public:
  // Storing: everything written is appended to out.
  explicit CArchive(std::vector<uint8_t>& out);
  // Loading from size bytes at data, which must outlive the archive. Without a decoder,
  // 8-bit strings are read as ISO 8859-1.
  CArchive(const uint8_t* data, size_t size, CodePageDecoder decoder = {});

  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  bool IsLoading() const { return m_in != nullptr; }
  bool IsStoring() const { return m_out != nullptr; }
  // Bytes left to read.
  size_t Remaining() const { return m_size - m_pos; }

  CArchive& operator<<(uint8_t value);
  CArchive& operator<<(uint16_t value);
  CArchive& operator<<(uint32_t value);
  CArchive& operator<<(int32_t value);
  CArchive& operator<<(uint64_t value);
  CArchive& operator<<(const String& text);

  CArchive& operator>>(uint8_t& value);
  CArchive& operator>>(uint16_t& value);
  CArchive& operator>>(uint32_t& value);
  CArchive& operator>>(int32_t& value);
  CArchive& operator>>(uint64_t& value);
  CArchive& operator>>(String& text);

  void Write(const void* data, size_t size);
  // Throws endOfFile, consuming nothing, when fewer than size bytes are left.
  void Read(void* data, size_t size);

  // Element count of a collection: 16 bits below 0xFFFF, else 0xFFFF and 32 bits.
  void WriteCount(uint32_t count);
  uint32_t ReadCount();

  // The tag in front of an element of an object list: the class by name the first time, by
  // its index afterwards.
  void WriteObjectTag(const ArchiveClass& cls);
  // Reads that tag: true when a new object of cls follows, false for a null element. A tag
  // naming another class, an unknown class index or an object read before throws.
  bool ReadObjectTag(const ArchiveClass& cls);

 private:
  uint64_t ReadLittleEndian(size_t size);
  void WriteLittleEndian(uint64_t value, size_t size);
  uint32_t ReadStringLength(bool& isUnicode);
  void WriteStringLength(size_t length);
  String ReadUnicodeChars(uint32_t length);
  String ReadCodePageChars(uint32_t length);
  void ReadNewClass(const ArchiveClass& cls);
  void CheckClassIndex(uint32_t index, const ArchiveClass& cls) const;
  void CheckObjectReference(uint32_t index) const;

  std::vector<uint8_t>* m_out = nullptr;
  const uint8_t* m_in = nullptr;
  size_t m_size = 0;
  size_t m_pos = 0;
  CodePageDecoder m_decoder;

  // The framework numbers classes and objects in one sequence; index 0 stands for null.
  uint32_t m_mapCount = 1;
  std::map<std::string, uint32_t, std::less<>> m_storedClasses;  // name -> index
  std::map<uint32_t, std::string> m_loadedClasses;               // index -> name
};

}  // namespace vl

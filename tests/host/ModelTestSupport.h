#pragma once
// Set files spelled out byte by byte, and documents to read them into.
#include <memory>

#include "ByteBuilder.h"
#include "client/model/BackupSetFile.h"

namespace vl::test {

// The settings block of a new set whose backup target is backupPath.
inline ByteBuilder DefaultSettingsBlock(StringView backupPath) {
  ByteBuilder block;
  block.ShortString(backupPath);
  for (int slot = 2; slot <= 7; ++slot) block.ShortString(VLT(""));
  block.U32(1).U32(0).U32(0);  // reserved 8, mode, switch
  block.ShortString(VLT("10")).ShortString(VLT("4"));
  block.U32(0).U32(0);         // history mode, NAS address
  for (int slot = 15; slot <= 19; ++slot) block.ShortString(VLT(""));
  block.U32(0).ShortString(VLT(""));
  return block;
}

inline ByteBuilder& NewSourceClassTag(ByteBuilder& bytes) {
  return bytes.Raw({0xFF, 0xFF, 0x02, 0x00, 0x07, 0x00}).Ascii("CSource");
}

inline ByteBuilder& SourceRecord(ByteBuilder& bytes, uint32_t serial, StringView path,
                                 int32_t recognized) {
  return bytes.U32(serial).ShortString(path).U32(static_cast<uint32_t>(recognized));
}

inline std::unique_ptr<CSource> MakeSource(StringView path, uint32_t serial,
                                           int32_t recognized = 1) {
  auto source = std::make_unique<CSource>();
  source->path = String(path);
  source->volumeSerial = serial;
  source->recognized = recognized;
  return source;
}

// A document together with the item list it reads and writes.
struct DocFixture {
  CSourceList sources;
  CVaultlineDoc doc{sources};

  bool Parse(const std::vector<uint8_t>& bytes, String& message,
             const CodePageDecoder& decoder = DecodeLatin1) {
    return ParseBackupSet(bytes, VLT("C:\\VL\\Config\\Default.bsf"), doc, message, decoder);
  }
};

}  // namespace vl::test

#pragma once
// Storing into and loading from archives in one line each.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/archive/Archive.h"

namespace vl::test {

inline std::vector<uint8_t> Stored(const std::function<void(CArchive&)>& write) {
  std::vector<uint8_t> bytes;
  CArchive ar(bytes);
  write(ar);
  return bytes;
}

// The cause a load of bytes fails with, or none when it reads through.
inline CArchiveException::Cause LoadFailure(const std::vector<uint8_t>& bytes,
                                            const std::function<void(CArchive&)>& read) {
  CArchive ar(bytes.data(), bytes.size());
  try {
    read(ar);
  } catch (const CArchiveException& e) {
    return e.m_cause;
  }
  return CArchiveException::none;
}

inline String LoadString(const std::vector<uint8_t>& bytes, CodePageDecoder decoder = {}) {
  CArchive ar(bytes.data(), bytes.size(), std::move(decoder));
  String text;
  ar >> text;
  EXPECT_EQ(ar.Remaining(), 0u);
  return text;
}

}  // namespace vl::test

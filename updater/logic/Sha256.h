#pragma once
// SHA-256 of a byte stream fed in pieces, for checking a download against the digest the update
// service gives for it.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/base/String.h"

namespace vl::updater {

class Sha256 {
 public:
  using Digest = std::array<uint8_t, 32>;

  Sha256();
  void Update(const uint8_t* data, size_t size);
  // The digest of everything fed so far; the object is spent afterwards.
  Digest Finish();

 private:
  void Compress(const uint8_t* block);

  std::array<uint32_t, 8> m_state;
  std::array<uint8_t, 64> m_buffer{};
  size_t m_buffered = 0;
  uint64_t m_totalBytes = 0;
};

// Lower-case hex, 64 digits.
String DigestToHex(const Sha256::Digest& digest);

}  // namespace vl::updater

#pragma once
// Whether a finished download may be put in place: only a body that ended normally, has exactly
// the size the service gave (and the length the server announced, when it announced one), and
// matches the digest when the service gave one.
#include <cstdint>
#include <optional>

#include "updater/logic/UpdateInfo.h"

namespace vl::updater {

struct ReceivedBody {
  uint64_t bytes = 0;
  // The transfer reached its end without breaking off.
  bool ended = false;
  std::optional<uint64_t> declaredLength;
  String sha256;  // lower-case hex of what arrived
};

enum class DownloadVerdict { Whole, BrokenOff, WrongLength, WrongDigest };

DownloadVerdict JudgeDownload(const CUpdateInfo& entry, const ReceivedBody& body);

}  // namespace vl::updater

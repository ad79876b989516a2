#pragma once
// One file of the current release as the update service names it, and what the updater learns
// about it on the way: where it goes, and whether a whole copy is waiting in the working folder.
#include <cstdint>

#include "core/base/String.h"

namespace vl::updater {

struct CUpdateInfo {
  String m_strFileName;
  String m_strVersion;
  int64_t m_nSize = 0;
  String m_strUrl;
  // 64 lower-case hex digits when the service gave a digest; empty when it gave none.
  String m_strSha256;
  String m_strDestination;
  // Set only once the download arrived whole and matched the size (and digest) above; nothing
  // else is ever put in place.
  bool m_bDownloaded = false;
};

}  // namespace vl::updater

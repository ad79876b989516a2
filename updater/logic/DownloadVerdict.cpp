#include "updater/logic/DownloadVerdict.h"

namespace vl::updater {

DownloadVerdict JudgeDownload(const CUpdateInfo& entry, const ReceivedBody& body) {
  if (!body.ended) return DownloadVerdict::BrokenOff;
  if (body.declaredLength && *body.declaredLength != body.bytes) return DownloadVerdict::BrokenOff;
  if (body.bytes != static_cast<uint64_t>(entry.m_nSize)) return DownloadVerdict::WrongLength;
  if (!entry.m_strSha256.empty() && entry.m_strSha256 != body.sha256)
    return DownloadVerdict::WrongDigest;
  return DownloadVerdict::Whole;
}

}  // namespace vl::updater

#include "updater/logic/UpdateDownload.h"

#include <vector>

#include "updater/logic/DownloadVerdict.h"
#include "updater/logic/Progress.h"
#include "updater/logic/Sha256.h"
#include "updater/logic/UpdateUrls.h"

namespace vl::updater {
namespace {

class Downloader {
 public:
  Downloader(uint64_t totalBytes, UpdateServices& services)
      : m_totalBytes(totalBytes), m_services(services), m_block(kDownloadBlockBytes) {}

  // False when the whole download is to end.
  bool Fetch(CUpdateInfo& info, const String& workPath) {
    m_services.view.ShowStep(UpdateStep::Downloading, info.m_strFileName);
    m_services.view.Wait(kPauseBeforeFileMs);
    std::unique_ptr<IOutFile> file = m_services.files.Create(workPath);
    if (!file) return false;
    std::unique_ptr<IHttpBody> body =
        m_services.http.Open(MakeDownloadUrl(info.m_strUrl, info.m_strFileName));
    ReceivedBody received;
    bool carryOn = !body || Receive(*body, *file, info, received);
    // The file is closed before anything else happens to it: an open file cannot be removed.
    carryOn = file->Finish() && carryOn;
    info.m_bDownloaded =
        carryOn && body && JudgeDownload(info, received) == DownloadVerdict::Whole;
    if (!info.m_bDownloaded) m_services.files.Remove(workPath);
    return carryOn;
  }

 private:
  // False when the user cancelled or the local file could not take a block.
  bool Receive(IHttpBody& body, IOutFile& file, const CUpdateInfo& info, ReceivedBody& received) {
    Sha256 hash;
    for (;;) {
      size_t got = 0;
      if (!body.Read(m_block.data(), m_block.size(), got)) break;
      if (got == 0) {
        received.ended = true;
        break;
      }
      if (m_services.view.ShouldStop() || !file.Write(m_block.data(), got)) return false;
      hash.Update(m_block.data(), got);
      received.bytes += got;
      Advance(got);
      // Past the announced size the file can never be whole; reading on would only fill the
      // disk with what a hostile server sends.
      if (received.bytes > static_cast<uint64_t>(info.m_nSize)) break;
    }
    received.declaredLength = body.DeclaredLength();
    received.sha256 = DigestToHex(hash.Finish());
    return true;
  }

  void Advance(size_t bytes) {
    m_doneBytes += bytes;
    const int position = ProgressPercent(m_doneBytes, m_totalBytes);
    if (position == m_position) return;
    m_position = position;
    m_services.view.SetProgress(position);
  }

  const uint64_t m_totalBytes;
  UpdateServices& m_services;
  std::vector<uint8_t> m_block;
  uint64_t m_doneBytes = 0;
  int m_position = 0;
};

}  // namespace

bool RunDownload(UpdateQueue& queue, const UpdateFolders& folders, UpdateServices& services) {
  if (queue.files.empty()) return false;
  Downloader downloader(queue.totalBytes, services);
  for (CUpdateInfo& info : queue.files) {
    String workPath;
    if (!WorkPathFor(info.m_strFileName, folders, workPath)) continue;
    if (!downloader.Fetch(info, workPath)) return false;
  }
  return true;
}

}  // namespace vl::updater

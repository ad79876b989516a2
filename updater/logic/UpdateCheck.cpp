#include "updater/logic/UpdateCheck.h"

#include <string>

#include "updater/logic/UpdateAnswer.h"

namespace vl::updater {
namespace {

constexpr size_t kAnswerBlockBytes = 4096;

// The whole body into answer and into the answer file; false when either cannot be had.
bool FetchAnswer(const CheckRequest& request, UpdateServices& services, std::string& answer) {
  std::unique_ptr<IOutFile> file =
      services.files.Create(JoinPath(request.folders.work, kAnswerFileName));
  if (!file) return false;
  std::unique_ptr<IHttpBody> body = services.http.Open(request.url);
  if (!body) return false;
  uint8_t block[kAnswerBlockBytes];
  for (;;) {
    size_t got = 0;
    if (!body->Read(block, sizeof block, got)) return false;
    if (got == 0) break;
    if (answer.size() + got > kMaxAnswerBytes || !file->Write(block, got)) return false;
    answer.append(reinterpret_cast<const char*>(block), got);
  }
  return file->Finish();
}

}  // namespace

CheckOutcome RunCheck(const CheckRequest& request, UpdateServices& services, UpdateQueue& queue) {
  if (!services.http.IsConnected()) return CheckOutcome::Offline;
  if (!services.files.EnsureFolder(request.folders.work)) return CheckOutcome::NoWorkFolder;
  std::string text;
  if (!FetchAnswer(request, services, text)) return CheckOutcome::NoAnswer;
  const UpdateAnswer answer = ReadUpdateAnswer(IniText::Parse(text));
  if (!answer.HasUpdate()) return CheckOutcome::NoUpdate;
  queue = BuildUpdateQueue(answer.files, request.folders, services.installed);
  if (services.view.ShouldStop()) return CheckOutcome::Cancelled;
  return services.view.AskToUpdate() ? CheckOutcome::Accepted : CheckOutcome::Declined;
}

}  // namespace vl::updater

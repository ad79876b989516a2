#pragma once
// In-memory stand-ins for what the updater's steps use: a web of bodies that can break off,
// files that can refuse to be made or fill up, an installation, and a view that answers and
// cancels on demand.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "updater/logic/UpdateServices.h"

namespace vl::updater::test {

struct FakeResponse {
  FakeResponse(std::string content = {}, std::optional<size_t> breakAt = {})
      : body(std::move(content)), breakAfter(breakAt) {}

  std::string body;
  // Bytes delivered before the transfer breaks off; none: the whole body.
  std::optional<size_t> breakAfter;
};

class FakeHttp : public IHttpClient {
 public:
  bool connected = true;
  std::map<String, FakeResponse> responses;
  size_t served = 0;  // bytes handed out by all bodies

  bool IsConnected() override { return connected; }
  std::unique_ptr<IHttpBody> Open(const String& url) override;
};

class FakeWorkFiles : public IWorkFiles {
 public:
  std::map<String, std::string> files;
  bool folderFails = false;
  std::set<String> createFails;
  // Total bytes the disk takes before every write fails.
  size_t diskRoom = SIZE_MAX;

  bool EnsureFolder(const String&) override { return !folderFails; }
  std::unique_ptr<IOutFile> Create(const String& path) override;
  void Remove(const String& path) override { files.erase(path); }
};

class FakeInstalled : public IInstalledFiles {
 public:
  std::map<String, InstalledFile> files;
  InstalledFile Query(const String& path) const override {
    const auto found = files.find(path);
    return found == files.end() ? InstalledFile{} : found->second;
  }
};

class FakeView : public IUpdateView {
 public:
  bool answerYes = true;
  int asked = 0;
  // ShouldStop answers true from this call on (0 is the first).
  std::optional<int> stopAtCheck;
  int checks = 0;
  std::vector<int> progress;

  void ShowStep(UpdateStep, const String&) override {}
  void SetProgress(int percent) override { progress.push_back(percent); }
  bool AskToUpdate() override {
    ++asked;
    return answerYes;
  }
  bool ShouldStop() override { return stopAtCheck && checks++ >= *stopAtCheck; }
  void Wait(unsigned) override {}
};

}  // namespace vl::updater::test

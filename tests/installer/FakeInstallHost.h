#pragma once
// A machine in memory for the installation's steps: folders and files that exist, calls made in
// order, and failures on demand (a folder that cannot be made, a payload that cannot be written,
// a shell without shortcuts, a running client).
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "installer/logic/InstallHost.h"

namespace vl::installer::test {

class FakeInstallHost : public IInstallHost {
 public:
  // Set up by the test.
  bool running = false;
  std::set<String> uncreatable;
  std::map<Payload, uint32_t> writeFailures;
  bool shortcutsFail = false;
  bool answerLaunch = true;

  // What happened.
  std::set<String> folders;
  std::map<String, std::string> files;  // path -> what is in it
  std::map<String, Shortcut> links;
  std::vector<String> created;
  std::vector<InstallMessage> messages;
  std::optional<std::pair<String, uint32_t>> writeFailure;
  std::optional<String> installRoot;
  bool asked = false;
  std::vector<String> launched;

  bool IsVaultlineRunning() override { return running; }
  bool CreateFolder(const String& path) override;
  bool FolderExists(const String& path) override { return folders.count(path) > 0; }
  void DeleteFile(const String& path) override;
  uint32_t WritePayload(Payload payload, const String& path) override;
  bool SaveShortcut(const Shortcut& link, const String& linkPath) override;
  void CopyFile(const String& from, const String& to) override;
  void RecordInstallRoot(const String& folder) override { installRoot = folder; }
  void ShowMessage(InstallMessage message) override { messages.push_back(message); }
  void ShowWriteFailure(const String& path, uint32_t code) override {
    writeFailure.emplace(path, code);
  }
  bool AskToLaunch() override {
    asked = true;
    return answerLaunch;
  }
  void Launch(const String& program) override { launched.push_back(program); }

  // Links below folder (its direct children), by file name.
  std::set<String> LinksIn(const String& folder) const;
};

}  // namespace vl::installer::test

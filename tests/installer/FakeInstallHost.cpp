#include "tests/installer/FakeInstallHost.h"

namespace vl::installer::test {
namespace {

const char* NameOf(Payload payload) {
  switch (payload) {
    case Payload::client: return "client";
    case Payload::updater: return "updater";
    case Payload::remover: return "remover";
  }
  return "?";
}

String Parent(const String& path) { return path.substr(0, path.find_last_of(VLT('\\'))); }

}  // namespace

bool FakeInstallHost::CreateFolder(const String& path) {
  created.push_back(path);
  if (uncreatable.count(path)) return false;
  folders.insert(path);
  return true;
}

void FakeInstallHost::DeleteFile(const String& path) {
  files.erase(path);
  links.erase(path);
}

uint32_t FakeInstallHost::WritePayload(Payload payload, const String& path) {
  const auto failure = writeFailures.find(payload);
  if (failure != writeFailures.end()) return failure->second;
  files[path] = NameOf(payload);
  return 0;
}

bool FakeInstallHost::SaveShortcut(const Shortcut& link, const String& linkPath) {
  if (shortcutsFail) return false;
  links[linkPath] = link;
  return true;
}

void FakeInstallHost::CopyFile(const String& from, const String& to) {
  const auto link = links.find(from);
  if (link != links.end() && folders.count(Parent(to))) links[to] = link->second;
}

std::set<String> FakeInstallHost::LinksIn(const String& folder) const {
  std::set<String> names;
  for (const auto& [path, link] : links)
    if (Parent(path) == folder) names.insert(path.substr(folder.size() + 1));
  return names;
}

}  // namespace vl::installer::test

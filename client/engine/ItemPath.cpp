#include "client/engine/ItemPath.h"

#include <algorithm>
#include <vector>

namespace vl {
namespace {

bool IsSeparator(Char c) { return c == VLT('\\') || c == VLT('/'); }

bool IsDriveLetter(Char c) {
  return (c >= VLT('A') && c <= VLT('Z')) || (c >= VLT('a') && c <= VLT('z'));
}

// A separator goes between two names, not after a root that ends in one or in a drive's colon.
void AppendName(String& path, const String& name) {
  const bool joined = path.empty() || path.back() == VLT('\\') || path.back() == VLT(':');
  if (!joined) path += VLT('\\');
  path += name;
}

std::vector<String> SplitNames(StringView path) {
  std::vector<String> names;
  String name;
  for (const Char c : path) {
    if (!IsSeparator(c)) {
      name += c;
    } else if (!name.empty()) {
      names.push_back(std::move(name));
      name.clear();
    }
  }
  if (!name.empty()) names.push_back(std::move(name));
  return names;
}

// The part of a path that no ".." climbs above: "\\server\share", "D:\", "\" (the current
// drive's root), or "D:" and nothing for the relative forms, which keep their leading "..".
struct PathRoot {
  String text;
  bool absolute = false;
  std::vector<String> names;  // what follows the root
};

// "\\server\share" from the first two names, which are no longer names of the path.
String TakeShareRoot(std::vector<String>& names) {
  String share = VLT("\\\\");
  const size_t taken = std::min<size_t>(2, names.size());
  for (size_t i = 0; i < taken; ++i) AppendName(share, names[i]);
  names.erase(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(taken));
  return share;
}

PathRoot SplitRoot(StringView path) {
  PathRoot root;
  const bool unc = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
  const bool drive = path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == VLT(':');
  root.names = SplitNames(drive ? path.substr(2) : path);
  if (unc) {
    root.text = TakeShareRoot(root.names);
  } else if (drive) {
    root.text = String(path.substr(0, 2));
    if (path.size() > 2 && IsSeparator(path[2])) root.text += VLT('\\');
  } else if (!path.empty() && IsSeparator(path[0])) {
    root.text = VLT("\\");
  }
  root.absolute = !root.text.empty() && root.text.back() != VLT(':');
  return root;
}

std::vector<String> ResolveSteps(const PathRoot& root) {
  std::vector<String> kept;
  for (const String& name : root.names) {
    if (name == VLT(".")) continue;
    if (name != VLT("..")) {
      kept.push_back(name);
    } else if (!kept.empty() && kept.back() != VLT("..")) {
      kept.pop_back();
    } else if (!root.absolute) {
      kept.push_back(name);
    }
  }
  return kept;
}

// Windows ignores the dots and spaces a last name ends in ("D:\Work." is D:\Work).
void TrimLastName(std::vector<String>& names) {
  if (names.empty() || names.back() == VLT("..")) return;
  String& last = names.back();
  while (!last.empty() && (last.back() == VLT('.') || last.back() == VLT(' '))) last.pop_back();
  if (last.empty()) names.pop_back();
}

}  // namespace

String CanonicalItemPath(StringView path) {
  const PathRoot root = SplitRoot(path);
  std::vector<String> names = ResolveSteps(root);
  TrimLastName(names);
  String canonical = root.text;
  for (const String& name : names) AppendName(canonical, name);
  return canonical;
}

}  // namespace vl

#pragma once
// A fresh folder below the user's temporary folder, removed with everything in it at the end.
#include "core/base/String.h"

namespace vl::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const String& Path() const { return m_path; }
  // Path() joined with name.
  String operator/(const String& name) const;

 private:
  String m_path;
};

// Deletes path and everything below it; files of a program that has just ended may stay
// locked for a moment, so this retries briefly.
bool RemoveTree(const String& path);

// Test file helpers on real files.
bool WriteFileBytes(const String& path, const std::string& bytes);
bool ReadFileBytes(const String& path, std::string& bytes);
bool PathIsFolder(const String& path);
bool PathIsFile(const String& path);

}  // namespace vl::test

#pragma once
// The working folder's files on disk: the service's answer and the downloads.
#include "updater/logic/UpdateServices.h"

namespace vl::updater {

class CWorkFiles : public IWorkFiles {
 public:
  bool EnsureFolder(const String& folder) override;
  std::unique_ptr<IOutFile> Create(const String& path) override;
  void Remove(const String& path) override;
};

}  // namespace vl::updater

#pragma once
// What the updater's steps need from the system, as narrow interfaces: the program supplies
// WinINet, real files and its dialog; the tests supply fakes that fail on demand.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "core/base/String.h"

namespace vl::updater {

// The body of one answered request.
class IHttpBody {
 public:
  virtual ~IHttpBody() = default;
  // Up to capacity bytes; got 0 at the end. False when the transfer broke off.
  virtual bool Read(uint8_t* buffer, size_t capacity, size_t& got) = 0;
  // The length the server announced, when it announced one.
  virtual std::optional<uint64_t> DeclaredLength() const = 0;
};

class IHttpClient {
 public:
  virtual ~IHttpClient() = default;
  // The system believes there is a way out (modem, LAN or proxy).
  virtual bool IsConnected() = 0;
  // The body of a successful (200) answer; null when the address cannot be reached or the
  // server answered anything else.
  virtual std::unique_ptr<IHttpBody> Open(const String& url) = 0;
};

// A file being written; dropping it unfinished closes it as it is.
class IOutFile {
 public:
  virtual ~IOutFile() = default;
  // False when fewer bytes were written than given (a full disk, say).
  virtual bool Write(const uint8_t* data, size_t size) = 0;
  // Closes the file; false when the system could not.
  virtual bool Finish() = 0;
};

class IWorkFiles {
 public:
  virtual ~IWorkFiles() = default;
  // The folder exists afterwards (made when it did not).
  virtual bool EnsureFolder(const String& folder) = 0;
  // The file created empty, replacing one of that name; null when it cannot be.
  virtual std::unique_ptr<IOutFile> Create(const String& path) = 0;
  virtual void Remove(const String& path) = 0;
};

struct InstalledFile {
  bool exists = false;
  bool isFolder = false;
  uint64_t size = 0;
  // From the file's version resource; empty when it has none.
  String productVersion;
};

class IInstalledFiles {
 public:
  virtual ~IInstalledFiles() = default;
  virtual InstalledFile Query(const String& path) const = 0;
};

class IFilePlacer {
 public:
  virtual ~IFilePlacer() = default;
  // Puts a copy of source at destination without ever deleting the destination first; on false
  // the destination is as it was.
  virtual bool Replace(const String& source, const String& destination, uint64_t size) = 0;
};

enum class UpdateStep { Downloading, Copying };

// The dialog as the steps see it. Every call may come from the worker thread.
class IUpdateView {
 public:
  virtual ~IUpdateView() = default;
  virtual void ShowStep(UpdateStep step, const String& fileName) = 0;
  virtual void SetProgress(int percent) = 0;
  // "Do you want to updating?"; true for Yes.
  virtual bool AskToUpdate() = 0;
  // Returns once the user is no longer being asked whether to cancel; true when the run is to
  // stop.
  virtual bool ShouldStop() = 0;
  virtual void Wait(unsigned milliseconds) = 0;
};

struct UpdateServices {
  IHttpClient& http;
  IWorkFiles& files;
  IInstalledFiles& installed;
  IUpdateView& view;
};

}  // namespace vl::updater

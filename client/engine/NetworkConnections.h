#pragma once
// The system's network connections as the client's NAS mapping uses them: a share mapped to a
// drive letter and cancelled again, the system's words for a failure, net.exe for what a
// cancel leaves behind, and whether a drive letter names a volume already. Portable, so the
// decisions above it can be tested against a fake.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class INetworkConnections {
 public:
  virtual ~INetworkConnections() = default;

  // Maps remoteName ("\\a.b.c.d\share") to localName ("X:") with this account for this logon
  // session only; 0 on success, otherwise the system's error code.
  virtual uint32_t AddConnection(const String& localName, const String& remoteName,
                                 const String& account, const String& password) = 0;
  // Cancels the mapping of localName even where files on it are open; 0 or the error code.
  virtual uint32_t CancelConnection(const String& localName) = 0;
  // The system's text for an error code; empty when it has none.
  virtual String ErrorText(uint32_t code) = 0;
  // Starts net.exe with these parameters in a hidden window, without waiting for it; whether
  // it started is of no consequence to the caller.
  virtual void StartNet(const String& parameters) = 0;
  // True when volumePath ("\\?\X:") opens, that is, the letter is in use.
  virtual bool VolumeOpens(const String& volumePath) = 0;
};

}  // namespace vl

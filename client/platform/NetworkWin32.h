#pragma once
// The client's network connections on the Windows networking and shell calls.
#include "client/engine/NetworkConnections.h"

namespace vl {

class NetworkWin32 : public INetworkConnections {
 public:
  uint32_t AddConnection(const String& localName, const String& remoteName,
                         const String& account, const String& password) override;
  uint32_t CancelConnection(const String& localName) override;
  String ErrorText(uint32_t code) override;
  void StartNet(const String& parameters) override;
  bool VolumeOpens(const String& volumePath) override;
};

}  // namespace vl

#include "installer/ShellLinks.h"

#include <shlobj.h>

#include "installer/ComRef.h"

namespace vl::installer {

bool SaveShellLink(const Shortcut& link, const String& linkPath) {
  const ComScope com;
  if (!com.Ok()) return false;
  ComRef<IShellLinkW> shellLink;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                shellLink.Receive())))
    return false;
  shellLink->SetPath(link.target.c_str());
  shellLink->SetDescription(link.description.c_str());
  shellLink->SetArguments(link.arguments.c_str());
  shellLink->SetWorkingDirectory(link.workingFolder.c_str());
  ComRef<IPersistFile> file;
  if (FAILED(shellLink->QueryInterface(IID_IPersistFile, file.Receive()))) return false;
  return SUCCEEDED(file->Save(linkPath.c_str(), TRUE));
}

}  // namespace vl::installer

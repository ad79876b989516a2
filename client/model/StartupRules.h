#pragma once
// The decisions of the client's start-up, kept apart from the calls that gather their inputs.
#include "client/model/PathJoin.h"
#include "core/base/String.h"

namespace vl {

using model::JoinPath;

// The path up to, not including, its last backslash; empty without one.
String FolderOfPath(const String& path);

// A program started from the user's Desktop must not litter it with its folders. The match is
// exact, letter case included, which is how the Desktop path was always compared; a program
// one folder below the Desktop does not count.
bool IsOnDesktop(const String& programFolder, const String& desktopFolder);

// The data folder: Documents\Vaultline for a program on the Desktop, else the program folder.
String ChooseDataFolder(const String& programFolder, const String& desktopFolder,
                        const String& documentsFolder);

// A set file found in Config always wins; a file named on the command line only counts when
// Config had none. Empty means "start a new set".
String ChooseSetFile(const String& foundInConfig, const String& fromCommandLine);

}  // namespace vl

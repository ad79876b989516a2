#pragma once
// The client holds its named mutex while it runs and rewrites the set whenever the user
// changes it; a second writer, or a second run into the same target, would race it.
namespace vl {

// Whether the client's mutex exists.
bool ClientIsRunning();

// False, with the reason on stderr and the exit status in status, while the client runs.
bool RefuseWhileClientRuns(int& status);

}  // namespace vl

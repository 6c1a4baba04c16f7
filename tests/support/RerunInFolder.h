#pragma once
// Runs the current test again in a copy of its test program placed in another folder,
// so that the program's own folder (what /proc/self/exe names) is that folder: for
// behaviour that depends on where the program stands, such as a non-ASCII path.

#include <string>

namespace testsupport {

// True inside a copy started by RerunInFolder.
bool InRerun();

// Places this test program in folder under the name programName (a hard link where
// the file system allows, else a copy) and runs the current test there alone. The
// copy's output joins ours; true when the test passed in it.
bool RerunInFolder(const std::string& folder, const std::string& programName);

} // namespace testsupport

#pragma once
// The folder that start-up makes the working directory: the one that holds the executable.
#include <string>

// The executable's full path up to its last backslash; at a drive's root the backslash stays
// ("E:\"), since "E:" alone names that drive's current directory, not its root. The path is
// stepped character by character with isLeadByte, since the second byte of a double-byte
// character may be 0x5C.
std::string ProgramFolderOf(const std::string& modulePath, bool (*isLeadByte)(unsigned char));

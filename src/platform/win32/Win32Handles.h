#pragma once
// The seam passes handles as plain integers; the real side turns them back into the handle types
// of <windows.h>. Include this after the seam's headers: <windows.h> defines as macros the names
// the seam spells as constants.
#include <windows.h>

#include "platform/Records.h"

template <typename HandleType>
inline HandleType AsNative(platform::Handle handle) {
  return reinterpret_cast<HandleType>(handle);
}

inline platform::Handle AsSeam(const void* handle) { return reinterpret_cast<platform::Handle>(handle); }

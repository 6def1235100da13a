// The seam's comdlg32 call, forwarded unchanged.
#include "platform/Platform.h"
#include "platform/win32/Win32Handles.h"

#include <commdlg.h>

namespace platform {

Bool GetOpenFileNameA(OpenFileNameA* request) {
  return ::GetOpenFileNameA(reinterpret_cast<OPENFILENAMEA*>(request));
}

}  // namespace platform

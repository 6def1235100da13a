#pragma once
// <windows.h> for the Win32 side. It defines as macros the names that the seam's records spell as
// constants (EWX_FORCE, SW_SHOW, ...), so the seam's header is read first and either can be used.
#include "platform/Records.h"

#include <windows.h>

#pragma once
// Resource ids shared by Plumweir.rc and the C++ code. Plain #defines, since the resource
// compiler reads this file too.

// The program's icon: the file's icon in Explorer (lowest id comes first) and the window's big
// and small icons.
#define IDI_PLUMWEIR 1

#ifndef RC_INVOKED
inline constexpr int kIconResourceId = IDI_PLUMWEIR;
#endif

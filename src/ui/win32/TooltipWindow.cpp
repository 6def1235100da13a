// The seam's headers come before <windows.h>, which defines as macros names they spell as
// constants.
#include "ui/Tooltips.h"

#include <windows.h>

#include <commctrl.h>
#include <cstddef>

// The 44-byte tool record of the 32-bit program: it suits every common-controls version, where
// the longer one of version 6 would be refused by older ones.
static_assert(sizeof(void*) != 4 || offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM) == 44,
              "the 32-bit tool record is 44 bytes");

namespace {

// Wider than any screen: the tooltip then breaks a tip only at its own line breaks. 32767 is
// the largest coordinate every GDI handles.
constexpr LPARAM kMaxTipWidth = 32767;

HWND CreateTooltipWindow(bool balloon) {
  InitCommonControls();
  DWORD style = TTS_ALWAYSTIP | TTS_NOPREFIX | (balloon ? TTS_BALLOON : 0);
  return CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

std::int32_t AddTooltip(platform::Handle controlWindow, const char* tipText, std::int32_t balloon,
                        std::int32_t centred) {
  if (controlWindow == 0) return 0;
  // One tooltip window for the whole program, kept until the process ends. The call that creates
  // it fixes its style.
  static HWND tooltipWindow = nullptr;
  if (tooltipWindow == nullptr) tooltipWindow = CreateTooltipWindow(balloon == 1);

  TTTOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | (centred == 1 ? TTF_CENTERTIP : 0);
  tool.hwnd = nullptr;
  tool.uId = static_cast<UINT_PTR>(controlWindow);
  tool.hinst = GetModuleHandleA(nullptr);
  tool.lpszText = const_cast<char*>(tipText);
  SendMessageA(tooltipWindow, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  return static_cast<std::int32_t>(SendMessageA(tooltipWindow, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth));
}

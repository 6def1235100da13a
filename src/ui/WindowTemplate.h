#pragma once
// The window and its fourteen controls as data: one row per control, in template order, which
// is also the z-order and the order of ControlId. The Win32 loader walks this table.
#include <cstdint>

#include "app/Texts.h"
#include "ui/Controls.h"

enum class ControlKind { Label, EditBox, Hyperlink, FileDialog, StatusBar, GroupBox, DropDownList, PushButton, Timer };
enum class ControlParent { Window, FrameBox };

struct EditSettings {
  std::uint32_t textColour;        // COLORREF, 0x00BBGGRR
  std::uint32_t backgroundColour;  // COLORREF
  bool centred;
  std::int32_t lengthLimit;  // EM_LIMITTEXT; 0 = no practical limit
  bool integerInput;         // key filter, normalisation on focus loss, spin control
};

struct ControlTemplate {
  ControlId id;
  ControlKind kind;
  ControlParent parent;
  std::int32_t left, top, width, height;  // relative to the parent's client area
  bool visible, disabled, tabStop;
  std::int32_t tabOrder;
  const char* text;           // caption or initial text
  const char* const* items;   // drop-down list items, ending with a null
  EditSettings edit;
};

struct WindowSettings {
  const char* title;
  std::int32_t width, height;  // outer size, frame and caption included
};

inline constexpr const char* kUnitItems[] = {texts::kUnitMinutes, texts::kUnitHours, nullptr};
inline constexpr const char* kActionItems[] = {texts::kActionRestart, texts::kActionShutdown,
                                               texts::kActionRunProgram, texts::kActionCloseProgram,
                                               nullptr};

inline constexpr WindowSettings kMainWindow = {texts::kWindowTitle, 416, 133};

inline constexpr EditSettings kNoEdit = {};
inline constexpr EditSettings kTargetBox = {0x000000, 0xFFFFFF, false, 0, false};
inline constexpr EditSettings kAmountBox = {0xFFFFFF, 0x000000, true, 6, true};

namespace window_template_rows {
using K = ControlKind;
using P = ControlParent;
using C = ControlId;
// clang-format off
inline constexpr ControlTemplate rows[kControlCount] = {
  // id          kind              parent      left  top  width height vis    dis    tab    order text                    items         edit
  {C::标签2,      K::Label,        P::Window,    10,  56,   44,  24, false, false, false, 0, texts::kProgramLabel,  nullptr,      kNoEdit},
  {C::编辑框2,    K::EditBox,      P::Window,    56,  57,  352,  20, false, true,  true,  0, "",                    nullptr,      kTargetBox},
  {C::超级链接框1, K::Hyperlink,    P::Window,   269,  83,  141,  17, true,  false, false, 0, texts::kLinkCaption,   nullptr,      kNoEdit},
  {C::通用对话框2, K::FileDialog,   P::Window,     0,   0,    0,   0, false, false, false, 0, "",                    nullptr,      kNoEdit},
  {C::状态条1,    K::StatusBar,    P::Window,     0,   0,    0,   0, true,  false, false, 0, "",                    nullptr,      kNoEdit},
  {C::分组框1,    K::GroupBox,     P::Window,     1,  -5,  407,  55, true,  false, false, 0, "",                    nullptr,      kNoEdit},
  {C::组合框1,    K::DropDownList, P::FrameBox, 158,  20,   87,  20, true,  false, true,  0, "",                    kActionItems, kNoEdit},
  {C::标签1,      K::Label,        P::FrameBox, 136,  18,   17,  24, true,  false, false, 0, texts::kAfterLabel,    nullptr,      kNoEdit},
  {C::组合框2,    K::DropDownList, P::FrameBox,  68,  20,   60,  20, true,  false, true,  0, "",                    kUnitItems,   kNoEdit},
  {C::按钮2,      K::PushButton,   P::FrameBox, 359,  14,   44,  32, true,  true,  true,  0, texts::kCancelButton,  nullptr,      kNoEdit},
  {C::时钟2,      K::Timer,        P::FrameBox,   0,   0,    0,   0, false, false, false, 0, "",                    nullptr,      kNoEdit},
  {C::时钟1,      K::Timer,        P::FrameBox,   0,   0,    0,   0, false, false, false, 0, "",                    nullptr,      kNoEdit},
  {C::编辑框1,    K::EditBox,      P::FrameBox,   5,  20,   41,  20, true,  false, true,  0, texts::kAmountDefault, nullptr,      kAmountBox},
  {C::按钮1,      K::PushButton,   P::FrameBox, 253,  14,  105,  32, true,  false, true,  0, texts::kOkButton,      nullptr,      kNoEdit},
};
// clang-format on
}  // namespace window_template_rows

inline constexpr const auto& WindowTemplate = window_template_rows::rows;

constexpr bool TemplateFollowsControlOrder() {
  for (int i = 0; i < kControlCount; ++i)
    if (static_cast<int>(WindowTemplate[i].id) != i) return false;
  return true;
}
static_assert(TemplateFollowsControlOrder(), "WindowTemplate rows must follow ControlId order");

inline constexpr const ControlTemplate& TemplateOf(ControlId control) {
  return WindowTemplate[static_cast<int>(control)];
}

// Each control's child-window identifier, so that the window can be driven and read from outside.
inline constexpr std::int32_t ControlWindowId(ControlId control) { return 100 + static_cast<std::int32_t>(control); }
inline constexpr std::int32_t kSpinWindowId = 200;   // the amount box's up-down control
inline constexpr std::uint32_t kTimerId = 1000;       // each timer window's one window timer
inline constexpr std::int32_t kSpinLower = 1;
inline constexpr std::int32_t kSpinUpper = 9999;
inline constexpr std::int32_t kStatusPartEdge = 255;

#pragma once
// The property interface through which every handler reads and changes the window's controls.
// The real window implements it (ui/win32); the unit tests link an in-memory model instead.
#include <cstdint>
#include <string>

#include "platform/Records.h"

// The controls, by the names the window template gives them, in template order.
enum class ControlId : std::int32_t {
  标签2,        // program label
  编辑框2,      // target box
  超级链接框1,  // hyperlink
  通用对话框2,  // file dialog (no window of its own)
  状态条1,      // status bar
  分组框1,      // frame box
  组合框1,      // action box
  标签1,        // "after" label
  组合框2,      // unit box
  按钮2,        // Cancel button
  时钟2,        // minutes timer
  时钟1,        // hours timer
  编辑框1,      // amount box
  按钮1,        // OK button
};
constexpr int kControlCount = 14;

enum class ControlProperty { Visible, Disabled, Text, Period, CurrentSelection, FileName };

// Texts come back as fresh copies; an empty or missing text is the empty string.
std::string ReadProperty(ControlId control, ControlProperty property);
void WriteProperty(ControlId control, ControlProperty property, const std::string& text);
void WriteProperty(ControlId control, ControlProperty property, std::int32_t value);
void WriteProperty(ControlId control, ControlProperty property, bool value);
// A literal would otherwise convert to bool before it converted to std::string.
inline void WriteProperty(ControlId control, ControlProperty property, const char* text) {
  WriteProperty(control, property, std::string(text ? text : ""));
}

void SetStatusText(std::int32_t part, const std::string& text);
platform::Handle ControlHandle(ControlId control);
platform::Handle MainWindowHandle();

#include "actions/PerformAction.h"

#include <string>

#include "actions/PowerControl.h"
#include "actions/ProcessLookup.h"
#include "actions/ProgramLaunch.h"
#include "app/Lifecycle.h"
#include "app/Texts.h"
#include "ui/Controls.h"

namespace {

// Read afresh on every call: the user may have changed either box while the countdown ran.
bool ActionIs(const char* action) {
  return ReadProperty(ControlId::组合框1, ControlProperty::Text) == action;
}

std::string TargetText() { return ReadProperty(ControlId::编辑框2, ControlProperty::Text); }

void RunProgram() {
  LaunchProgram(TargetText());
  ExitProgram(0);  // whether or not anything started
}

void CloseProgram() {
  const std::intptr_t window = FindWindowByProcess(TargetText());
  KillProcess(GetWindowProcessId(window));
  ExitProgram(0);  // whether or not anything was found or terminated
}

}  // namespace

void PerformAction() {
  if (ActionIs(texts::kActionRestart)) {
    ShutdownSystem(kShutdownKindRestart);
  } else if (ActionIs(texts::kActionShutdown)) {
    ShutdownSystem(kShutdownKindShutDown);
  } else if (ActionIs(texts::kActionRunProgram)) {
    RunProgram();
  } else if (ActionIs(texts::kActionCloseProgram)) {
    CloseProgram();
  }
}

// The created handler: default selections and six balloon tips in order.
#include "ui/WindowCreated.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "app/Texts.h"
#include "fakes/FakeSystem.h"

namespace {

using ::testing::ElementsAre;

std::string Tip(ControlId control, const char* text) {
  return "AddTooltip(" + std::to_string(FakeHandleOf(control)) + ", \"" + text + "\", 1, 0)";
}

class WindowCreatedTest : public FakeSystemTest {};

// Whether selecting from code raises the list's selected event is the window layer's business;
// here the first action is a restart, for which the action handler would do nothing anyway.
TEST_F(WindowCreatedTest, SelectsTheFirstUnitAndAction) {
  WindowCreated();
  EXPECT_THAT(fake.writes, ElementsAre("组合框2.CurrentSelection=0", "组合框1.CurrentSelection=0"));
  EXPECT_EQ(ReadProperty(ControlId::组合框2, ControlProperty::Text), texts::kUnitMinutes);
  EXPECT_EQ(ReadProperty(ControlId::组合框1, ControlProperty::Text), texts::kActionRestart);
}

TEST_F(WindowCreatedTest, InstallsTheSixBalloonTipsInOrderOnTheControlWindows) {
  WindowCreated();
  EXPECT_THAT(fake.calls, ElementsAre(Tip(ControlId::编辑框1, texts::kTipAmount),
                                      Tip(ControlId::组合框2, texts::kTipUnit),
                                      Tip(ControlId::组合框1, texts::kTipAction),
                                      Tip(ControlId::按钮1, texts::kTipOk),
                                      Tip(ControlId::按钮2, texts::kTipCancel),
                                      Tip(ControlId::编辑框2, texts::kTipTarget)));
}

}  // namespace

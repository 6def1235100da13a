// The created handler: default selections, no target selection, six balloon tips in order.
#include "ui/WindowCreated.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "app/Texts.h"
#include "fakes/FakeSystem.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string Tip(ControlId control, const char* text) {
  return "AddTooltip(" + std::to_string(FakeHandleOf(control)) + ", \"" + text + "\", 1, 0)";
}

class WindowCreatedTest : public FakeSystemTest {};

TEST_F(WindowCreatedTest, SelectsTheFirstUnitAndActionWithoutRunningTheActionHandler) {
  WindowCreated();
  EXPECT_THAT(fake.writes, ElementsAre("组合框2.CurrentSelection=0", "组合框1.CurrentSelection=0"));
  EXPECT_EQ(ReadProperty(ControlId::组合框2, ControlProperty::Text), texts::kUnitMinutes);
  EXPECT_EQ(ReadProperty(ControlId::组合框1, ControlProperty::Text), texts::kActionRestart);
  EXPECT_THAT(fake.dialogRequests, IsEmpty());
  EXPECT_FALSE(fake.Control(ControlId::标签2).visible);
  EXPECT_FALSE(fake.Control(ControlId::编辑框2).visible);
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

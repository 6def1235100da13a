// The countdown handlers on the in-memory window: ticks are delivered by the test, and only while
// the ticking timer's period is above 0, as a window timer would deliver them.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "app/Globals.h"
#include "app/Texts.h"
#include "fakes/FakeSystem.h"
#include "scheduler/AmountNumber.h"
#include "scheduler/Countdown.h"

namespace {

using ::testing::ElementsAre;

constexpr std::int32_t kUntouched = 4242;  // counters' value before a start that must not change them

class CountdownTest : public FakeSystemTest {
 protected:
  void SetUp() override {
    FakeSystemTest::SetUp();
    Choose(ControlId::组合框2, texts::kUnitMinutes);  // what the created handler selects
    Choose(ControlId::组合框1, texts::kActionRestart);
    secondsLeft = minutesLeft = 0;
  }

  void Choose(ControlId box, const char* item) {
    FakeControl& control = fake.Control(box);
    for (std::size_t i = 0; i < control.items.size(); ++i)
      if (control.items[i] == item) control.selection = static_cast<std::int32_t>(i);
  }
  void SetText(ControlId box, const std::string& text) { fake.Control(box).text = text; }
  std::string Amount() { return fake.Control(ControlId::编辑框1).text; }
  double ReadAmountNumberOfBox() { return ReadAmountNumber(Amount()); }
  std::string Status() { return fake.statusParts[0]; }
  std::int32_t Period(ControlId timer) { return fake.Control(timer).period; }
  bool MinutesRunning() { return Period(ControlId::时钟2) > 0; }
  bool HoursRunning() { return Period(ControlId::时钟1) > 0; }

  // A fresh window with the given choices, an earlier status text and counters that a refused
  // start must leave alone, then OK.
  void StartFromAKnownState(const char* amount, const char* unit, const char* action, const char* target) {
    ResetFake();
    Choose(ControlId::组合框1, action);
    SetText(ControlId::编辑框2, target);
    fake.statusParts[0] = "earlier";
    secondsLeft = minutesLeft = kUntouched;
    Start(amount, unit);
  }

  void Start(const std::string& amount, const char* unit) {
    SetText(ControlId::编辑框1, amount);
    Choose(ControlId::组合框2, unit);
    StartCountdown();
  }

  // Delivers up to `count` ticks of the minutes timer; returns how many it delivered.
  int MinutesTicks(int count) {
    int delivered = 0;
    for (; delivered < count && MinutesRunning(); ++delivered) MinutesTick();
    return delivered;
  }
  int HoursTicks(int count) {
    int delivered = 0;
    for (; delivered < count && HoursRunning(); ++delivered) HoursTick();
    return delivered;
  }

  static std::string MinutesStatus(int seconds) {
    return std::string(" 开始倒计时操作： ") + std::to_string(seconds) + " 秒";
  }
};

// ---- Start ----

struct RefusedStart {
  const char* amount;
  const char* unit;
  const char* action;
  const char* target;
  const char* message;
};

TEST_F(CountdownTest, RefusedStartShowsItsMessageAndChangesNothing) {
  const RefusedStart cases[] = {
      {"", texts::kUnitMinutes, texts::kActionRestart, "", texts::kNoAmount},
      {"0", texts::kUnitMinutes, texts::kActionShutdown, "", texts::kNoAmount},  // would act at the first tick
      {"-3", texts::kUnitMinutes, texts::kActionShutdown, "", texts::kNoAmount},
      {"-", texts::kUnitMinutes, texts::kActionShutdown, "", texts::kNoAmount},
      {"abc", texts::kUnitMinutes, texts::kActionShutdown, "", texts::kNoAmount},
      {"0.01", texts::kUnitHours, texts::kActionShutdown, "", texts::kNoAmount},  // 0 whole minutes: would never end
      {"0", texts::kUnitHours, texts::kActionShutdown, "", texts::kNoAmount},
      {"-1", texts::kUnitHours, texts::kActionRestart, "", texts::kNoAmount},
      {"1e300", texts::kUnitHours, texts::kActionRestart, "", texts::kNoAmount},     // beyond 64 bits: 0 minutes
      {"35791395", texts::kUnitHours, texts::kActionRestart, "", texts::kNoAmount},  // low 32 bits negative
      {"5", texts::kUnitMinutes, texts::kActionCloseProgram, "", texts::kNoCloseTarget},
      {"5", texts::kUnitHours, texts::kActionRunProgram, "", texts::kNoRunTarget},
      // The amount is tested first, the targets next, the whole minutes of hours mode last.
      {"", texts::kUnitMinutes, texts::kActionCloseProgram, "", texts::kNoAmount},
      {"0", texts::kUnitMinutes, texts::kActionRunProgram, "", texts::kNoAmount},
      {"0.01", texts::kUnitHours, texts::kActionCloseProgram, "", texts::kNoCloseTarget},
  };
  for (const RefusedStart& c : cases) {
    SCOPED_TRACE(std::string(c.amount) + " / " + c.unit + " / " + c.action);
    StartFromAKnownState(c.amount, c.unit, c.action, c.target);

    EXPECT_THAT(fake.calls, ElementsAre("MessageBoxA(0, \"" + std::string(c.message) + "\", \"提示：\", 8192)"));
    EXPECT_TRUE(fake.writes.empty());
    EXPECT_EQ(secondsLeft, kUntouched);
    EXPECT_EQ(minutesLeft, kUntouched);
    EXPECT_EQ(Status(), "earlier");
    EXPECT_EQ(Amount(), c.amount);
  }
}

struct AcceptedStart {
  const char* amount;
  const char* unit;
  const char* action;
  const char* target;
  const char* timerWrite;
  std::int32_t minutes;  // minutesLeft afterwards
};

TEST_F(CountdownTest, AcceptedStartArmsOneTimerThenDisablesOkBeforeEnablingCancel) {
  const AcceptedStart cases[] = {
      {"1", texts::kUnitMinutes, texts::kActionRestart, "", "时钟2.Period=1000", kUntouched},
      {"0.5", texts::kUnitMinutes, texts::kActionShutdown, "", "时钟2.Period=1000", kUntouched},
      {"1", texts::kUnitHours, texts::kActionShutdown, "", "时钟1.Period=1000", 60},
      {"1.5", texts::kUnitHours, texts::kActionRestart, "", "时钟1.Period=1000", 90},
      {"0.58", texts::kUnitHours, texts::kActionRestart, "", "时钟1.Period=1000", 34},  // 34.8 truncated
      {"0.02", texts::kUnitHours, texts::kActionRestart, "", "时钟1.Period=1000", 1},
      {"999999", texts::kUnitHours, texts::kActionRestart, "", "时钟1.Period=1000", 59999940},
      {"3", texts::kUnitMinutes, texts::kActionRunProgram, "C:\\a.exe", "时钟2.Period=1000", kUntouched},
      {"3", texts::kUnitMinutes, texts::kActionCloseProgram, "a.exe", "时钟2.Period=1000", kUntouched},
  };
  for (const AcceptedStart& c : cases) {
    SCOPED_TRACE(std::string(c.amount) + " / " + c.unit + " / " + c.action);
    StartFromAKnownState(c.amount, c.unit, c.action, c.target);

    EXPECT_TRUE(fake.calls.empty());
    EXPECT_THAT(fake.writes, ElementsAre(c.timerWrite, "按钮1.Disabled=true", "按钮2.Disabled=false"));
    EXPECT_EQ(secondsLeft, 60);
    EXPECT_EQ(minutesLeft, c.minutes);
    EXPECT_EQ(Status(), "earlier");  // the first tick writes the status
    EXPECT_EQ(Amount(), c.amount);
  }
}

// ---- Minutes mode ----

TEST_F(CountdownTest, MinutesTimelineOfOneMinute) {
  Start("1", texts::kUnitMinutes);
  ASSERT_TRUE(MinutesRunning());
  EXPECT_TRUE(fake.Control(ControlId::按钮1).disabled);
  EXPECT_FALSE(fake.Control(ControlId::按钮2).disabled);

  for (int second = 1; second <= 59; ++second) {
    MinutesTick();
    ASSERT_EQ(Status(), MinutesStatus(60 - second)) << "at " << second << " s";
    ASSERT_EQ(Amount(), "1") << "at " << second << " s";
    ASSERT_EQ(secondsLeft, 60 - second);
    ASSERT_TRUE(MinutesRunning()) << "at " << second << " s";
  }
  EXPECT_EQ(Status(), " 开始倒计时操作： 1 秒");

  fake.writes.clear();
  MinutesTick();  // 60 s
  EXPECT_EQ(Status(), " 开始倒计时操作： 0 秒");
  EXPECT_EQ(Amount(), "0");
  EXPECT_EQ(secondsLeft, 60);
  // The timer is stopped, and nothing of the countdown is written after it.
  EXPECT_THAT(fake.writes, ElementsAre("编辑框1.Text=0", "时钟2.Period=0"));
  EXPECT_EQ(MinutesTicks(10), 0);

  // Ended: the last status and amount stay, only Cancel is enabled.
  EXPECT_TRUE(fake.Control(ControlId::按钮1).disabled);
  EXPECT_FALSE(fake.Control(ControlId::按钮2).disabled);
  EXPECT_EQ(Period(ControlId::时钟1), 0);
}

struct TimelineRow {
  int second;
  const char* status;
  const char* amount;
  std::int32_t secondsLeft;
  bool running;
};

TEST_F(CountdownTest, MinutesTimelineOfTwoMinutes) {
  const TimelineRow rows[] = {
      {1, " 开始倒计时操作： 59 秒", "2", 59, true},
      {59, " 开始倒计时操作： 1 秒", "2", 1, true},
      {60, " 开始倒计时操作： 0 秒", "1", 60, true},
      {61, " 开始倒计时操作： 59 秒", "1", 59, true},
      {119, " 开始倒计时操作： 1 秒", "1", 1, true},
      {120, " 开始倒计时操作： 0 秒", "0", 60, false},
  };
  Start("2", texts::kUnitMinutes);
  int now = 0;
  for (const TimelineRow& row : rows) {
    SCOPED_TRACE(row.second);
    ASSERT_EQ(MinutesTicks(row.second - now), row.second - now);
    now = row.second;
    EXPECT_EQ(Status(), row.status);
    EXPECT_EQ(Amount(), row.amount);
    EXPECT_EQ(secondsLeft, row.secondsLeft);
    EXPECT_EQ(MinutesRunning(), row.running);
  }
  EXPECT_EQ(MinutesTicks(100), 0);
}

struct AmountAtBoundaries {
  const char* start;
  std::vector<const char*> written;  // the amount after each boundary; the last one ends
};

TEST_F(CountdownTest, EachBoundaryLowersTheAmountByOneAndEndsAtOrBelowZero) {
  const AmountAtBoundaries cases[] = {
      {"3", {"2", "1", "0"}},
      {"1.5", {"0.5", "-0.5"}},  // a fraction of a minute counts as a whole minute
      {"2.3", {"1.3", "0.3", "-0.7"}},
      {"0.5", {"-0.5"}},
      {"１２", {"11", "10", "9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}},
  };
  for (const AmountAtBoundaries& c : cases) {
    SCOPED_TRACE(c.start);
    ResetFake();
    Start(c.start, texts::kUnitMinutes);
    for (std::size_t minute = 0; minute < c.written.size(); ++minute) {
      ASSERT_EQ(MinutesTicks(60), 60) << "minute " << minute + 1;
      EXPECT_EQ(Amount(), c.written[minute]);
      EXPECT_EQ(MinutesRunning(), minute + 1 < c.written.size());
    }
  }
}

TEST_F(CountdownTest, EditingTheAmountBetweenBoundariesDoesNotEndTheCountdown) {
  // Backspacing "30" to type "45" passes through "3", "" and "4".
  const char* const edits[] = {"", "-", "0", "-3", "abc"};
  for (const char* edit : edits) {
    SCOPED_TRACE(edit);
    ResetFake();
    Start("30", texts::kUnitMinutes);
    ASSERT_EQ(MinutesTicks(10), 10);
    SetText(ControlId::编辑框1, edit);
    EXPECT_EQ(MinutesTicks(5), 5);
    EXPECT_TRUE(MinutesRunning());
    EXPECT_EQ(Status(), " 开始倒计时操作： 45 秒");
    EXPECT_EQ(Amount(), edit);  // between boundaries the box is not touched
    SetText(ControlId::编辑框1, "45");
    ASSERT_EQ(MinutesTicks(45), 45);  // the boundary
    EXPECT_EQ(Amount(), "44");
    EXPECT_TRUE(MinutesRunning());
  }
}

TEST_F(CountdownTest, TheAmountLeftAtABoundaryDecides) {
  struct Case {
    const char* edit;       // typed in at 30 s
    const char* atBoundary;  // the amount after the 60 s boundary
    bool goesOn;
  };
  const Case cases[] = {
      {"1", "0", false},   // lowered: ends at this boundary
      {"", "-1", false},   // left empty: ends
      {"-", "-1", false},
      {"3", "2", true},    // raised: lengthens the countdown
      // The end test is "not above 1e-7", not "not above 0".
      {"1.00000005", "4.999999991817e-008", false},
      {"1.0000002", "1.999999998947e-007", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edit);
    ResetFake();
    Start("5", texts::kUnitMinutes);
    ASSERT_EQ(MinutesTicks(30), 30);
    SetText(ControlId::编辑框1, c.edit);
    ASSERT_EQ(MinutesTicks(30), 30);
    EXPECT_EQ(Amount(), c.atBoundary);
    EXPECT_EQ(MinutesRunning(), c.goesOn);
  }
}

TEST_F(CountdownTest, RaisedAmountRunsItsWholeLength) {
  Start("1", texts::kUnitMinutes);
  ASSERT_EQ(MinutesTicks(30), 30);
  SetText(ControlId::编辑框1, "3");
  EXPECT_EQ(MinutesTicks(1000), 150);  // the boundaries at 60, 120 and 180 s leave 2, 1 and 0
  EXPECT_EQ(Amount(), "0");
}

TEST_F(CountdownTest, AnAmountTooLargeForADoubleKeepsCounting) {
  // Pasted while the box keeps the focus: it must lengthen the countdown, not end it through an
  // overflow written back as a text that reads as 0.
  Start("1", texts::kUnitMinutes);
  SetText(ControlId::编辑框1, "1e999");
  EXPECT_EQ(MinutesTicks(10 * 60), 10 * 60);
  EXPECT_TRUE(MinutesRunning());
  EXPECT_GT(ReadAmountNumberOfBox(), 1e300);
  EXPECT_THAT(fake.calls, ::testing::Not(::testing::Contains(::testing::HasSubstr("ExitWindowsEx"))));
}

// ---- Hours mode ----

struct HoursRow {
  int second;
  const char* status;
  std::int32_t minutesLeft;
  std::int32_t secondsLeft;
};

TEST_F(CountdownTest, HoursTimelineOfOneHour) {
  const HoursRow rows[] = {
      {1, " 开始倒计时操作： 60 分 59 秒", 60, 59},
      {60, " 开始倒计时操作： 60 分 0 秒", 59, 60},
      {61, " 开始倒计时操作： 59 分 59 秒", 59, 59},
      {3540, " 开始倒计时操作： 2 分 0 秒", 1, 60},
      {3541, " 开始倒计时操作： 1 分 59 秒", 1, 59},
      {3600, " 开始倒计时操作： 1 分 0 秒", 0, 60},
  };
  Start("1", texts::kUnitHours);
  ASSERT_EQ(minutesLeft, 60);
  int now = 0;
  for (const HoursRow& row : rows) {
    SCOPED_TRACE(row.second);
    for (; now < row.second; ++now) {
      ASSERT_TRUE(HoursRunning()) << "before the tick at " << now + 1 << " s";
      HoursTick();
    }
    EXPECT_EQ(Status(), row.status);
    EXPECT_EQ(minutesLeft, row.minutesLeft);
    EXPECT_EQ(secondsLeft, row.secondsLeft);
  }
  EXPECT_FALSE(HoursRunning());
  EXPECT_EQ(fake.writes.back(), "时钟1.Period=0");
  EXPECT_EQ(HoursTicks(10), 0);
  EXPECT_EQ(Period(ControlId::时钟2), 0);
  EXPECT_TRUE(fake.Control(ControlId::按钮1).disabled);
  EXPECT_FALSE(fake.Control(ControlId::按钮2).disabled);
}

TEST_F(CountdownTest, HoursModeIgnoresLaterEditsOfTheAmountAndUnit) {
  Start("0.05", texts::kUnitHours);  // 3 minutes
  ASSERT_EQ(minutesLeft, 3);
  ASSERT_EQ(HoursTicks(10), 10);
  SetText(ControlId::编辑框1, "");
  Choose(ControlId::组合框2, texts::kUnitMinutes);
  EXPECT_EQ(HoursTicks(1000), 170);
  EXPECT_EQ(Amount(), "");
  EXPECT_EQ(Period(ControlId::时钟2), 0);
}

// ---- The end ----

int CallsStartingWith(const std::vector<std::string>& calls, const std::string& prefix) {
  int count = 0;
  for (const std::string& call : calls) count += call.rfind(prefix, 0) == 0;
  return count;
}

struct EndingCase {
  const char* amount;
  const char* unit;
  ControlId timer;
};

const EndingCase kOneMinuteCountdowns[] = {
    {"1", texts::kUnitMinutes, ControlId::时钟2},
    {"0.02", texts::kUnitHours, ControlId::时钟1},  // 1.2 minutes: one whole minute
};

TEST_F(CountdownTest, TheEndingTickCarriesOutTheActionExactlyOnce) {
  for (const EndingCase& c : kOneMinuteCountdowns) {
    SCOPED_TRACE(c.unit);
    ResetFake();
    Choose(ControlId::组合框1, texts::kActionShutdown);
    Start(c.amount, c.unit);
    for (int second = 1; second < 60; ++second)
      c.timer == ControlId::时钟2 ? MinutesTick() : HoursTick();
    EXPECT_EQ(CallsStartingWith(fake.calls, "ExitWindowsEx("), 0);
    c.timer == ControlId::时钟2 ? MinutesTick() : HoursTick();
    EXPECT_EQ(CallsStartingWith(fake.calls, "ExitWindowsEx("), 1);
    EXPECT_EQ(Period(c.timer), 0);
    EXPECT_EQ(MinutesTicks(10) + HoursTicks(10), 0);
    EXPECT_EQ(CallsStartingWith(fake.calls, "ExitWindowsEx("), 1);
  }
}

TEST_F(CountdownTest, TheTimerIsStoppedBeforeTheActionRuns) {
  // Starting a program ends this one inside the action (the fake's ExitProcess throws), so
  // whatever the tick does after the action never happens: the timer must be stopped already.
  for (const EndingCase& c : kOneMinuteCountdowns) {
    SCOPED_TRACE(c.unit);
    ResetFake();
    Choose(ControlId::组合框1, texts::kActionRunProgram);
    SetText(ControlId::编辑框2, "C:\\tools\\a.exe");
    Start(c.amount, c.unit);
    bool exited = false;
    try {
      for (int second = 1; second <= 60; ++second) c.timer == ControlId::时钟2 ? MinutesTick() : HoursTick();
    } catch (const ProgramExited&) {
      exited = true;
    }
    EXPECT_TRUE(exited);
    EXPECT_EQ(CallsStartingWith(fake.calls, "CreateProcessA("), 1);
    EXPECT_EQ(Period(c.timer), 0);
  }
}

// ---- Cancel ----

TEST_F(CountdownTest, CancelStopsBothTimersAndEmptiesTheStatusButKeepsTheAmount) {
  Start("5", texts::kUnitMinutes);
  ASSERT_EQ(MinutesTicks(125), 125);
  ASSERT_EQ(Amount(), "3");
  fake.writes.clear();

  CancelCountdown();

  EXPECT_THAT(fake.writes, ElementsAre("按钮1.Disabled=false", "按钮2.Disabled=true", "时钟1.Period=0", "时钟2.Period=0"));
  EXPECT_EQ(Status(), "");
  EXPECT_EQ(Amount(), "3");
  EXPECT_FALSE(MinutesRunning());
  EXPECT_FALSE(HoursRunning());
  EXPECT_FALSE(fake.Control(ControlId::按钮1).disabled);
  EXPECT_TRUE(fake.Control(ControlId::按钮2).disabled);

  // The next start counts down from what is left, and the status stays empty until its first tick.
  Start(Amount(), texts::kUnitMinutes);
  EXPECT_EQ(Status(), "");
  EXPECT_EQ(MinutesTicks(1000), 180);
}

TEST_F(CountdownTest, CancelAfterTheEndAndDuringHoursModeLeadsBackToIdle) {
  Start("1", texts::kUnitMinutes);
  ASSERT_EQ(MinutesTicks(1000), 60);
  CancelCountdown();
  EXPECT_EQ(Status(), "");
  EXPECT_EQ(Amount(), "0");
  EXPECT_FALSE(fake.Control(ControlId::按钮1).disabled);

  Start("2", texts::kUnitHours);
  ASSERT_EQ(HoursTicks(90), 90);
  CancelCountdown();
  EXPECT_FALSE(HoursRunning());
  EXPECT_EQ(Status(), "");
  EXPECT_TRUE(fake.Control(ControlId::按钮2).disabled);
}

}  // namespace

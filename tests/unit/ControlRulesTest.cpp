// How the drop-down lists and the timers take the values written to them.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "ui/ControlRules.h"

namespace {

TEST(ControlRulesTest, SelectionIsClampedToTheItemsOrNone) {
  struct Case {
    std::int32_t requested;
    std::int32_t itemCount;
    std::int32_t selected;
  };
  const Case cases[] = {
      {0, 4, 0},
      {3, 4, 3},
      {4, 4, 3},   // past the end: the last item
      {7, 4, 3},
      {std::numeric_limits<std::int32_t>::max(), 4, 3},
      {-1, 4, -1},
      {-5, 4, -1},  // below -1: no selection
      {std::numeric_limits<std::int32_t>::min(), 4, -1},
      {1, 2, 1},
      {2, 2, 1},
      {0, 0, -1},   // an empty list can select nothing
  };
  for (const Case& c : cases)
    EXPECT_EQ(ClampSelection(c.requested, c.itemCount), c.selected) << c.requested << " of " << c.itemCount;
}

TEST(ControlRulesTest, PeriodWritesStartRestartStopOrChangeNothing) {
  struct Case {
    std::int32_t current;
    std::int32_t requested;
    PeriodChange expected;
  };
  const Case cases[] = {
      {0, 1000, {true, 1000, false, true}},   // a stopped timer starts
      {1000, 1000, {false, 1000, false, false}},  // the same period keeps the phase
      {1000, 500, {true, 500, true, true}},   // another period restarts it
      {1000, 0, {true, 0, true, false}},      // 0 stops it
      {1000, -1, {true, 0, true, false}},     // a negative period counts as 0
      {0, 0, {false, 0, false, false}},       // a stopped timer stays stopped
      {0, -1, {false, 0, false, false}},
  };
  for (const Case& c : cases) {
    const PeriodChange change = ChangePeriod(c.current, c.requested);
    SCOPED_TRACE(::testing::Message() << c.current << " -> " << c.requested);
    EXPECT_EQ(change.changed, c.expected.changed);
    EXPECT_EQ(change.period, c.expected.period);
    EXPECT_EQ(change.stop, c.expected.stop);
    EXPECT_EQ(change.start, c.expected.start);
  }
}

}  // namespace

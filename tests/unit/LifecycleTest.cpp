// The ways the program ends: the release step runs exactly once, and ExitProgram never returns.
#include "app/Globals.h"
#include "app/Lifecycle.h"
#include "fakes/FakeSystem.h"

namespace {

int releases = 0;
void CountRelease() { ++releases; }

class LifecycleTest : public FakeSystemTest {
 protected:
  void SetUp() override {
    FakeSystemTest::SetUp();
    releases = 0;
    RegisterReleaseStep(CountRelease);
  }
  void TearDown() override { RunShutdownSequence(); }
};

TEST_F(LifecycleTest, ShutdownSequenceRunsTheReleaseStepOnce) {
  RunShutdownSequence();
  RunShutdownSequence();
  EXPECT_EQ(releases, 1);
}

TEST_F(LifecycleTest, ExitProgramReleasesOnceAndEndsTheProcessWithItsCode) {
  bool returned = false;
  try {
    ExitProgram(0);
    returned = true;
  } catch (const ProgramExited& exited) {
    EXPECT_EQ(exited.exitCode, 0u);
  }
  EXPECT_FALSE(returned);
  EXPECT_EQ(releases, 1);
  RunShutdownSequence();  // the end of the event loop after ExitProgram finds nothing left to run
  EXPECT_EQ(releases, 1);
  EXPECT_EQ(fake.calls.back(), "ExitProcess(0)");
}

TEST(GlobalsTest, ReleaseEmptiesTheWindowList) {
  CreateGlobals();
  windowList.push_back({0x10, 4});
  ReleaseGlobals();
  EXPECT_TRUE(windowList.empty());
  EXPECT_EQ(windowList.capacity(), 0u);
}

}  // namespace

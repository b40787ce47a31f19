// Tearing the desktop down while its windows are still open, as a start that
// fails half-way does before it shows why.
#include "tests/win32/window_fixture.h"

namespace tagwright::win32::testing {
namespace {

TEST_F(MainWindowTest, AMessageBoxShownAfterTheTearDownWaitsForItsAnswer) {
  ASSERT_NE(window(), nullptr);
  desktop.reset();
  MessageBoxCatcher catcher;
  MessageBoxW(nullptr, L"cannot start", L"Tagwright", MB_OK | MB_TASKMODAL);
  ASSERT_EQ(catcher.boxes().size(), 1u);
  EXPECT_EQ(catcher.boxes()[0].text, L"cannot start");
}

}  // namespace
}  // namespace tagwright::win32::testing

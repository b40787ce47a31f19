// The window shows with its first tab page; the contents of the other pages
// are made afterwards, from a message the window posts to itself, or at once
// when something looks one of them up first. Either way every control exists
// exactly once and no event is raised.
// windows.h must come before the other system headers.
// clang-format off
#include <windows.h>
// clang-format on

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ui/program.h"
#include "ui/win32/desktop.h"

namespace tagwright::win32::testing {
namespace {

class StartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop = std::make_unique<Win32Desktop>(GetModuleHandleW(nullptr));
    program = std::make_unique<Program>(*desktop);
    desktop->attach(*program);
    desktop->setProcessExit([] {});
    desktop->setEventObserver([this](const ControlDef&, ControlEvent) { ++eventCount; });
    // The start of the program, without its message loop.
    desktop->createMainWindow();
    program->onCreated();
    desktop->showMainWindow();
  }
  void TearDown() override {
    desktop.reset();
    program.reset();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  HWND window() const { return desktop->windowHandle(WindowId::MainWindow); }
  const WindowControls& controls() const { return *desktop->controls(WindowId::MainWindow); }

  // The windows inside MainWindow that carry a control id of the table.
  std::vector<HWND> tableWindows() const {
    struct Search {
      std::vector<HWND> found;
      int first;
      int last;
    } search{{},
             WindowControls::kFirstControlId,
             WindowControls::kFirstControlId + static_cast<int>(mainWindowLayout().controlCount)};
    EnumChildWindows(
        window(),
        [](HWND child, LPARAM data) -> BOOL {
          auto* s = reinterpret_cast<Search*>(data);
          const int id = GetDlgCtrlID(child);
          if (id >= s->first && id < s->last) s->found.push_back(child);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  void expectEveryControlOnceAndOnlyTheFirstPageShown() const {
    EXPECT_FALSE(controls().restPending());
    EXPECT_EQ(tableWindows().size(), mainWindowLayout().controlCount);
    for (const ControlInstance& control : controls().all()) {
      ASSERT_NE(control.hwnd, nullptr);
      if (control.container == controls().tabControl()) {
        EXPECT_EQ(IsWindowVisible(control.hwnd) != FALSE, control.row->page == 0);
      }
    }
  }

  std::unique_ptr<Win32Desktop> desktop;
  std::unique_ptr<Program> program;
  int eventCount = 0;
};

TEST_F(StartTest, LaterPagesAreMadeFromTheQueueAfterTheWindowShows) {
  EXPECT_TRUE(IsWindowVisible(window()));
  EXPECT_TRUE(controls().restPending());
  const std::size_t atShow = tableWindows().size();
  EXPECT_LT(atShow, mainWindowLayout().controlCount / 2);
  EXPECT_GT(atShow, 0u);

  desktop->pumpMessages();
  expectEveryControlOnceAndOnlyTheFirstPageShown();
  EXPECT_EQ(eventCount, 0);
}

TEST_F(StartTest, ALookUpBeforeTheQueueMakesThemAtOnceAndOnlyOnce) {
  ASSERT_TRUE(controls().restPending());
  const ControlInstance* width = controls().find(Role::slideWidthEdit);
  ASSERT_NE(width, nullptr);
  EXPECT_EQ(desktop->readText(Role::slideWidthEdit), "280");
  EXPECT_FALSE(IsWindowVisible(width->hwnd));

  desktop->pumpMessages();
  expectEveryControlOnceAndOnlyTheFirstPageShown();
  EXPECT_EQ(eventCount, 0);
}

TEST_F(StartTest, ALaterPageSelectedBeforeTheQueueShowsWhole) {
  HWND tab = controls().tabControl();
  SendMessageW(tab, TCM_SETCURSEL, 3, 0);
  NMHDR header{tab, static_cast<UINT_PTR>(GetDlgCtrlID(tab)), TCN_SELCHANGE};
  SendMessageW(window(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  for (const ControlInstance& control : controls().all()) {
    if (control.container != tab) continue;
    EXPECT_EQ(IsWindowVisible(control.hwnd) != FALSE, control.row->page == 3);
  }
  EXPECT_EQ(tableWindows().size(), mainWindowLayout().controlCount);
  EXPECT_EQ(eventCount, 0);
}

}  // namespace
}  // namespace tagwright::win32::testing

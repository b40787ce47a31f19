// The picture boxes, the hyperlink label and the web view as MainWindow holds
// them: the stored pictures at their stored sizes, the hyperlink's colours and
// its shell call, and a start that the web view never holds up.
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "tests/win32/rendering.h"
#include "tests/win32/user_input.h"
#include "tests/win32/window_fixture.h"
#include "ui/win32/custom_control_support.h"
#include "ui/win32/custom_controls.h"
#include "ui/win32/text_convert.h"

namespace tagwright::win32::testing {
namespace {

// Dispatches the desktop's messages until `done` holds or `milliseconds` pass;
// the final value of `done`.
bool pumpUntil(Win32Desktop& desktop, const std::function<bool()>& done, int milliseconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    desktop.pumpMessages();
    Sleep(5);
  }
  return true;
}

const ControlDef& rowNamed(const Win32Desktop& desktop, const char* name) {
  return *desktop.controls(WindowId::MainWindow)->findByName(name)->row;
}

TEST_F(MainWindowTest, EveryPictureBoxHoldsItsImageAtTheStoredSize) {
  struct Expected {
    const char* name;
    ImageId image;
    unsigned fit;  // flagStretched or flagNaturalSize
    LONG width, height;
  };
  const Expected pictures[] = {
      {"图片框1", ImageId::preview1, flagStretched, 130, 110},
      {"图片框2", ImageId::preview2, flagStretched, 130, 110},
      {"图片框3", ImageId::preview3, flagStretched, 200, 146},
      {"图片框4", ImageId::preview4, flagStretched, 200, 146},
      {"图片框5", ImageId::preview5, flagStretched, 83, 56},
      {"图片框6", ImageId::banner, flagNaturalSize, 246, 60},
  };
  int pictureRows = 0;
  for (const ControlInstance& control : desktop->controls(WindowId::MainWindow)->all()) {
    pictureRows += control.row->kind == ControlKind::picture ? 1 : 0;
  }
  EXPECT_EQ(pictureRows, 6);
  for (const Expected& picture : pictures) {
    SCOPED_TRACE(picture.name);
    const ControlDef& row = rowNamed(*desktop, picture.name);
    EXPECT_EQ(row.image, picture.image);
    EXPECT_EQ(row.flags & (flagStretched | flagNaturalSize), picture.fit);
    const SIZE size = pictureImageSize(control(picture.name));
    EXPECT_EQ(size.cx, picture.width);
    EXPECT_EQ(size.cy, picture.height);
  }
}

TEST_F(MainWindowTest, HyperlinkColoursOnHoverAndOpensItsAddressOncePerPress) {
  std::vector<std::wstring> opened;
  desktop->setAddressOpener([&](const std::wstring& address) { opened.push_back(address); });
  HWND link = control("超级链接框1");
  ASSERT_NE(link, nullptr);
  const std::wstring address = toWide(rowNamed(*desktop, "超级链接框1").address);
  ASSERT_FALSE(address.empty());

  const Rendering rest = render(link);
  EXPECT_GT(rest.count(isBlue), 0);
  EXPECT_EQ(rest.count(isMagenta), 0);
  wchar_t className[64] = L"";
  GetClassNameW(link, className, 64);
  EXPECT_STREQ(className, kHyperlinkClass);
  EXPECT_EQ(GetClassLongPtrW(link, GCLP_HCURSOR),
            reinterpret_cast<LONG_PTR>(LoadCursorW(nullptr, IDC_HAND)));

  RECT box{};
  GetWindowRect(link, &box);
  SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  ASSERT_TRUE(pumpUntil(
      *desktop, [&] { return render(link).count(isMagenta) > 0; }, 2000));
  EXPECT_EQ(render(link).count(isBlue), 0);

  clickLeftButton();
  ASSERT_TRUE(pumpUntil(
      *desktop, [&] { return !opened.empty(); }, 2000));
  pumpUntil(
      *desktop, [] { return false; }, 150);  // the release opens nothing
  EXPECT_EQ(opened, std::vector<std::wstring>{address});
  clickLeftButton();
  ASSERT_TRUE(pumpUntil(
      *desktop, [&] { return opened.size() == 2; }, 2000));

  SetCursorPos(box.right + 40, box.bottom + 120);
  ASSERT_TRUE(pumpUntil(
      *desktop, [&] { return render(link).count(isDarkRed) > 0; }, 2000));
  EXPECT_EQ(render(link).count(isMagenta), 0);
  EXPECT_EQ(opened.size(), 2u);
}

TEST_F(MainWindowTest, MenuItemsOpenTheirAddressesThroughTheSameOpener) {
  std::vector<std::wstring> opened;
  desktop->setAddressOpener([&](const std::wstring& address) { opened.push_back(address); });
  chooseMenuItem(L"作者博客");
  // The blog is the page the web view of 联系作者 shows.
  EXPECT_EQ(opened, std::vector<std::wstring>{toWide(rowNamed(*desktop, "超文本浏览框1").address)});
}

// Start as the program does it, timed, with the web view's page loading.
TEST(MainWindowStart, TheWebViewNeverHoldsUpStartAndShowsNoDialog) {
  const auto before = std::chrono::steady_clock::now();
  Win32Desktop desktop(GetModuleHandleW(nullptr));
  Program program(desktop);
  desktop.attach(program);
  desktop.setProcessExit([] {});
  desktop.createMainWindow();
  program.onCreated();
  desktop.showMainWindow();
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(3));
  HWND main = desktop.windowHandle(WindowId::MainWindow);
  ASSERT_TRUE(IsWindowVisible(main));

  HWND view = desktop.controls(WindowId::MainWindow)->findByName("超文本浏览框1")->hwnd;
  auto settled = [&] {
    return webViewHasBrowser(view) || FindWindowExW(view, nullptr, kHyperlinkClass, nullptr);
  };
  EXPECT_TRUE(pumpUntil(desktop, settled, 3000));
  pumpUntil(
      desktop, [] { return false; }, 200);

  // No dialog of the browser or of Wine (an engine download prompt) came up.
  std::vector<HWND> dialogs;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) {
        wchar_t className[16] = L"";
        GetClassNameW(window, className, 16);
        if (IsWindowVisible(window) && std::wstring(className) == L"#32770") {
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&dialogs));
  EXPECT_TRUE(dialogs.empty());
  EXPECT_EQ(GetForegroundWindow(), main);
}

}  // namespace
}  // namespace tagwright::win32::testing

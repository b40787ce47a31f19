// The Win32 tests need the platform set up as the program sets it up.
#include <gtest/gtest.h>

#include "ui/win32/platform.h"

int main(int argc, char** argv) {
  tagwright::win32::PlatformScope platform;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

#include <windows.h>

#include "ui/win32/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return tagwright::win32::runApplication(instance);
}

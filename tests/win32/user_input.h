// Real input for the Windows tests: keys and clicks go through SendInput, so
// they reach the window the way a user's would.
#pragma once

#include <windows.h>

namespace tagwright::win32 {

// Presses and releases `key`.
inline void sendKey(WORD key) {
  INPUT input[2] = {};
  input[0].type = INPUT_KEYBOARD;
  input[0].ki.wVk = key;
  input[1] = input[0];
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

// Presses and releases the left mouse button where the pointer is.
inline void clickLeftButton() {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}

}  // namespace tagwright::win32

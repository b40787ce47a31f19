// The program running on the headless desktop, started as wWinMain starts it.
#pragma once

#include "ui/headless/headless_desktop.h"
#include "ui/program.h"

namespace tagwright::headless {

struct HeadlessSession {
  HeadlessDesktop desktop;
  Program program{desktop};

  HeadlessSession() { desktop.start(program); }
  HeadlessSession(const HeadlessSession&) = delete;
  HeadlessSession& operator=(const HeadlessSession&) = delete;
};

}  // namespace tagwright::headless

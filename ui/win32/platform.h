// What the platform sets up before any window exists, and takes down after.
#pragma once

namespace tagwright::win32 {

class PlatformScope {
 public:
  // Common controls, OLE (for the web view, on this thread), DPI awareness.
  PlatformScope();
  ~PlatformScope();
  PlatformScope(const PlatformScope&) = delete;
  PlatformScope& operator=(const PlatformScope&) = delete;

 private:
  bool oleStarted_ = false;
};

}  // namespace tagwright::win32

// The platform-neutral program: owns TagOptions and dispatches every event
// through the one binding table to its handler. Backends build the windows
// from the layout tables and forward events here.
#pragma once

#include "core/tag_options.h"
#include "ui/layout.h"
#include "ui/window_services.h"

namespace tagwright {

class Program {
 public:
  // Throws std::logic_error when the binding table does not fit the layout
  // (a bound control missing, an event nothing handles): a failure at start.
  explicit Program(WindowServices& services);

  // MainWindow's created event: resetOptions, tray icon, hide trayMenu.
  void onCreated();
  // A bound event of a MainWindow control (the backend passes the table row).
  void onControlEvent(const ControlDef& control, ControlEvent event);
  // The tray icon's event (1 left release, 2 double-click, 3 right release).
  void onTrayEvent(int code);
  void onMenuCommand(MenuCommand command);
  // Releases the fragments; runs once however often it is called.
  void exitCleanup();

  const TagOptions& options() const { return options_; }

 private:
  WindowServices& services_;
  TagOptions options_;
  bool cleanedUp_ = false;
};

}  // namespace tagwright

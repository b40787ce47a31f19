// The web addresses that menu items open.
#include "ui/layout.h"
#include "ui/maker.h"

namespace tagwright {

const char* menuAddress(MenuCommand command) {
  switch (command) {
    case MenuCommand::feedback:
      return maker::kFeedbackAddress;
    case MenuCommand::upgrade:
      return maker::kUpgradeAddress;
    case MenuCommand::website:
      return maker::kSiteAddress;
    case MenuCommand::blog:
      return maker::kBlogAddress;
    case MenuCommand::chatGroup:
      return maker::kChatGroupAddress;
    case MenuCommand::none:
    case MenuCommand::show:
    case MenuCommand::hide:
    case MenuCommand::close:
    case MenuCommand::exitProgram:
    case MenuCommand::copyright:
      break;
  }
  return nullptr;
}

}  // namespace tagwright

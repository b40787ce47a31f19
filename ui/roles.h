// Role names of the controls that handlers read or write. The enum and the
// name table come from one list, so a typo is a compile error.
#pragma once

#include <cstddef>
#include <string_view>

namespace tagwright {

#define TAGWRIGHT_ROLES(X)  \
  X(headFootCopyButton)     \
  X(headFootEdit)           \
  X(navTypeidEdit)          \
  X(navRowEdit)             \
  X(navTypeCombo)           \
  X(navBuildButton)         \
  X(arcStyleTypelinkRadio)  \
  X(arcStyleTitleRadio)     \
  X(arcStyleImageRadio)     \
  X(arcStyleImageInfoRadio) \
  X(arcStyleInfoRadio)      \
  X(arcTypeidEdit)          \
  X(arcFlagCombo)           \
  X(arcChannelCombo)        \
  X(arcOrderCombo)          \
  X(arcTitleLenEdit)        \
  X(arcRowEdit)             \
  X(arcInfoLenEdit)         \
  X(arcImgHeightEdit)       \
  X(arcImgWidthEdit)        \
  X(arcDateStyleCombo)      \
  X(arcColEdit)             \
  X(arcSubdayEdit)          \
  X(arcKeywordEdit)         \
  X(homeOutputEdit)         \
  X(arcBuildButton)         \
  X(homeCopyButton)         \
  X(homeClearButton)        \
  X(listRowEdit)            \
  X(listTitleLenEdit)       \
  X(listPageSizeEdit)       \
  X(listBuildButton)        \
  X(softFieldEdit)          \
  X(shopFieldEdit)          \
  X(listOutputEdit)         \
  X(listCopyButton)         \
  X(contentOutputEdit)      \
  X(contentCopyButton)      \
  X(slideWidthEdit)         \
  X(slideHeightEdit)        \
  X(slideCountEdit)         \
  X(slideBuildButton)       \
  X(slideOutputEdit)        \
  X(slideCopyButton)        \
  X(customChannelEdit)      \
  X(customTypeidEdit)       \
  X(customFieldEdit1)       \
  X(customFieldEdit2)       \
  X(customFieldEdit3)       \
  X(customFieldEdit4)       \
  X(customFieldEdit5)       \
  X(customOrderCombo)       \
  X(customRowEdit)          \
  X(customOutputEdit)       \
  X(customBuildButton)      \
  X(customCopyButton)       \
  X(sqlOutputEdit)          \
  X(sqlCopyButton)

enum class Role {
  none,
#define TAGWRIGHT_ROLE_ENUM(name) name,
  TAGWRIGHT_ROLES(TAGWRIGHT_ROLE_ENUM)
#undef TAGWRIGHT_ROLE_ENUM
};

// "arcRowEdit" for Role::arcRowEdit; "" for Role::none.
std::string_view roleName(Role role);
// Role::none when `name` is no role name.
Role roleFromName(std::string_view name);

enum class WindowId { MainWindow, CopyrightWindow };

// The one menu that handlers address by name.
enum class MenuRole { none, trayMenu };

}  // namespace tagwright

// Role names, generated from the same list as the Role enum.
#include "ui/roles.h"

#include <cstddef>

namespace tagwright {
namespace {

// Indexed by the enum value.
// clang-format off
constexpr std::string_view kRoleNames[] = {
    "",  // Role::none
#define TAGWRIGHT_ROLE_NAME(name) #name,
    TAGWRIGHT_ROLES(TAGWRIGHT_ROLE_NAME)
#undef TAGWRIGHT_ROLE_NAME
};
// clang-format on

constexpr std::size_t kRoleCount = sizeof(kRoleNames) / sizeof(kRoleNames[0]);

}  // namespace

std::string_view roleName(Role role) {
  const auto index = static_cast<std::size_t>(role);
  return index < kRoleCount ? kRoleNames[index] : std::string_view();
}

Role roleFromName(std::string_view name) {
  if (name.empty()) return Role::none;
  for (std::size_t i = 1; i < kRoleCount; ++i) {
    if (kRoleNames[i] == name) return static_cast<Role>(i);
  }
  return Role::none;
}

}  // namespace tagwright

// Identifiers of the resources compiled from resources.rc: the program icon and
// the stored GIF pictures, one per ImageId.
//
// Adding the resources to an executable: list ui/win32/resources.rc among the
// sources of the exe (the test exe too, when its tests load pictures) and give
// windres the UTF-8 code page, for instance
//   set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
// The script names its files from the source root, which must be an include
// directory (the top-level include_directories does this).
#pragma once

// The program icon: lowest id, so it is the first icon group and the one the
// shell shows for the exe. Load it with MAKEINTRESOURCEW(IDI_TAGWRIGHT).
#define IDI_TAGWRIGHT 1

// RCDATA resources holding the GIF files; IDR_IMAGE_BASE + the ImageId value.
#define IDR_IMAGE_BASE 200
#define IDR_IMAGE_PREVIEW1 201
#define IDR_IMAGE_PREVIEW2 202
#define IDR_IMAGE_PREVIEW3 203
#define IDR_IMAGE_PREVIEW4 204
#define IDR_IMAGE_PREVIEW5 205
#define IDR_IMAGE_BANNER 206

#ifndef RC_INVOKED

#include "ui/layout.h"

namespace tagwright::win32 {

static_assert(IDR_IMAGE_PREVIEW1 == IDR_IMAGE_BASE + static_cast<int>(ImageId::preview1));
static_assert(IDR_IMAGE_PREVIEW2 == IDR_IMAGE_BASE + static_cast<int>(ImageId::preview2));
static_assert(IDR_IMAGE_PREVIEW3 == IDR_IMAGE_BASE + static_cast<int>(ImageId::preview3));
static_assert(IDR_IMAGE_PREVIEW4 == IDR_IMAGE_BASE + static_cast<int>(ImageId::preview4));
static_assert(IDR_IMAGE_PREVIEW5 == IDR_IMAGE_BASE + static_cast<int>(ImageId::preview5));
static_assert(IDR_IMAGE_BANNER == IDR_IMAGE_BASE + static_cast<int>(ImageId::banner));

// The RCDATA id of a stored picture; 0 for ImageId::none.
constexpr int imageResourceId(ImageId image) {
  return image == ImageId::none ? 0 : IDR_IMAGE_BASE + static_cast<int>(image);
}

}  // namespace tagwright::win32

#endif  // RC_INVOKED

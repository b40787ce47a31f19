// The GIF decoder on arbitrary bytes: it must give an image of the size it
// reports, or fail with an empty image, and never read outside the data.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ui/win32/gif_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  // A copy of exactly `size` bytes, so that AddressSanitizer sees any read
  // past the end.
  const std::vector<unsigned char> bytes(data, data + size);
  tagwright::win32::GifImage image;
  const bool decoded = tagwright::win32::decodeGif(bytes.data(), bytes.size(), image);
  const std::size_t expected = static_cast<std::size_t>(image.width) * image.height;
  if (decoded ? (image.width <= 0 || image.height <= 0 || image.pixels.size() != expected ||
                 expected > tagwright::win32::kMaxGifPixels)
              : (!image.pixels.empty())) {
    std::fprintf(stderr, "fuzz_gif: the image does not match what the decoder reported\n");
    std::abort();
  }
  return 0;
}

// Decodes the first image of a GIF (87a or 89a) into 32-bit pixels, without
// the system's imaging components. Plain C++: every read is checked against
// the end of the data, so any byte sequence gives an image or a failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tagwright::win32 {

struct GifImage {
  int width = 0;
  int height = 0;
  // Top-down rows, one 0x00RRGGBB value per pixel (the byte order of a 32-bit
  // device-independent bitmap).
  std::vector<std::uint32_t> pixels;
};

// Larger canvases are refused: our pictures are a few hundred pixels wide.
constexpr std::size_t kMaxGifPixels = std::size_t{4096} * 4096;

// The logical screen of `data`, filled with its background colour (black
// without one), with the first image drawn at its place. Transparent pixels
// keep the background. A compressed stream that ends early leaves the rest
// of the image as background. False, and `image` empty, when the data is no
// GIF, its canvas is empty or too large, or a table or block is cut short.
bool decodeGif(const unsigned char* data, std::size_t size, GifImage& image);

}  // namespace tagwright::win32

#include "ui/win32/gif_decoder.h"

#include <array>

namespace tagwright::win32 {

namespace {

constexpr std::size_t kMaxCodes = 4096;  // 12-bit codes
constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;

// Reads forward through the data; every read past the end fails and leaves
// the reader failed.
class Reader {
 public:
  Reader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

  bool ok() const { return ok_; }
  std::size_t left() const { return ok_ ? size_ - at_ : 0; }

  std::uint8_t byte() {
    if (!ok_ || at_ >= size_) {
      ok_ = false;
      return 0;
    }
    return data_[at_++];
  }
  int word() {
    const int low = byte();
    return low | (byte() << 8);
  }
  const unsigned char* take(std::size_t count) {
    if (!ok_ || count > size_ - at_) {
      ok_ = false;
      return nullptr;
    }
    const unsigned char* start = data_ + at_;
    at_ += count;
    return start;
  }

 private:
  const unsigned char* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

using Palette = std::vector<std::uint32_t>;

// A colour table of 2 << (packed & 7) entries follows when packed has 0x80.
bool readPalette(Reader& reader, std::uint8_t packed, Palette& palette) {
  if ((packed & 0x80) == 0) return true;
  const std::size_t entries = std::size_t{2} << (packed & 7);
  const unsigned char* rgb = reader.take(entries * 3);
  if (rgb == nullptr) return false;
  palette.resize(entries);
  for (std::size_t i = 0; i < entries; ++i) {
    palette[i] = (std::uint32_t{rgb[3 * i]} << 16) | (std::uint32_t{rgb[3 * i + 1]} << 8) |
                 std::uint32_t{rgb[3 * i + 2]};
  }
  return true;
}

// The data sub-blocks up to the empty one, joined; false when cut short.
bool readSubBlocks(Reader& reader, std::vector<unsigned char>* joined) {
  for (;;) {
    const std::uint8_t length = reader.byte();
    if (!reader.ok()) return false;
    if (length == 0) return true;
    const unsigned char* block = reader.take(length);
    if (block == nullptr) return false;
    if (joined != nullptr) joined->insert(joined->end(), block, block + length);
  }
}

// Codes of a variable width, least significant bit first.
class CodeReader {
 public:
  explicit CodeReader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}
  // -1 when the stream is exhausted.
  int next(int width) {
    while (bitCount_ < width) {
      if (at_ >= bytes_.size()) return -1;
      bits_ |= std::uint32_t{bytes_[at_++]} << bitCount_;
      bitCount_ += 8;
    }
    const int code = static_cast<int>(bits_ & ((1u << width) - 1));
    bits_ >>= width;
    bitCount_ -= width;
    return code;
  }

 private:
  const std::vector<unsigned char>& bytes_;
  std::size_t at_ = 0;
  std::uint32_t bits_ = 0;
  int bitCount_ = 0;
};

// Decompresses into at most `indices.size()` colour indices and returns how
// many it wrote; stops quietly at the end code, at the end of the stream, at
// an invalid code or when full.
std::size_t decompress(const std::vector<unsigned char>& stream, int minimumCodeSize,
                       std::vector<std::uint8_t>& indices) {
  std::array<std::uint16_t, kMaxCodes> prefix{};
  std::array<std::uint8_t, kMaxCodes> suffix{};
  std::array<std::uint8_t, kMaxCodes> first{};
  std::array<std::uint16_t, kMaxCodes> length{};
  const int clear = 1 << minimumCodeSize;
  const int end = clear + 1;
  for (int code = 0; code < clear; ++code) {
    suffix[code] = static_cast<std::uint8_t>(code);
    first[code] = static_cast<std::uint8_t>(code);
    length[code] = 1;
  }
  int width = minimumCodeSize + 1;
  int nextCode = clear + 2;
  int previous = -1;
  std::size_t written = 0;
  CodeReader codes(stream);

  while (written < indices.size()) {
    const int code = codes.next(width);
    if (code < 0 || code == end) return written;
    if (code == clear) {
      width = minimumCodeSize + 1;
      nextCode = clear + 2;
      previous = -1;
      continue;
    }
    if (previous < 0) {
      if (code > clear) return written;  // a string before any is defined
      indices[written++] = static_cast<std::uint8_t>(code);
      previous = code;
      continue;
    }
    if (code > nextCode || (code == nextCode && nextCode >= static_cast<int>(kMaxCodes))) {
      return written;
    }
    if (nextCode < static_cast<int>(kMaxCodes)) {
      // The new entry is the previous string plus the first byte of this one
      // (of itself when this code is the entry being defined).
      const std::uint8_t appended = code == nextCode ? first[previous] : first[code];
      prefix[nextCode] = static_cast<std::uint16_t>(previous);
      suffix[nextCode] = appended;
      first[nextCode] = first[previous];
      length[nextCode] = static_cast<std::uint16_t>(length[previous] + 1);
      ++nextCode;
      if (nextCode == (1 << width) && width < 12) ++width;
    }
    // Write the string backwards from its last byte; what does not fit is cut.
    const std::size_t count = length[code];
    const std::size_t room = indices.size() - written;
    std::size_t skip = count > room ? count - room : 0;
    std::size_t position = written + (count - skip);
    int walk = code;
    for (std::size_t i = 0; i < count; ++i) {
      if (skip > 0) {
        --skip;
      } else {
        indices[--position] = suffix[walk];
      }
      walk = prefix[walk];
    }
    written += count > room ? room : count;
    previous = code;
  }
  return written;
}

// The row of the image that the n-th decoded row is, for interlaced images.
int interlacedRow(int n, int height) {
  static constexpr int kStart[] = {0, 4, 2, 1};
  static constexpr int kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    const int rows =
        height > kStart[pass] ? (height - kStart[pass] + kStep[pass] - 1) / kStep[pass] : 0;
    if (n < rows) return kStart[pass] + n * kStep[pass];
    n -= rows;
  }
  return -1;
}

bool decodeInto(Reader& reader, GifImage& image) {
  const unsigned char* signature = reader.take(6);
  if (signature == nullptr || signature[0] != 'G' || signature[1] != 'I' || signature[2] != 'F' ||
      signature[3] != '8' || (signature[4] != '7' && signature[4] != '9') || signature[5] != 'a') {
    return false;
  }
  const int width = reader.word();
  const int height = reader.word();
  const std::uint8_t screenFlags = reader.byte();
  const std::uint8_t backgroundIndex = reader.byte();
  reader.byte();  // pixel aspect ratio
  if (!reader.ok() || width == 0 || height == 0 ||
      static_cast<std::size_t>(width) * static_cast<std::size_t>(height) > kMaxGifPixels) {
    return false;
  }
  Palette global;
  if (!readPalette(reader, screenFlags, global)) return false;
  const std::uint32_t background = backgroundIndex < global.size() ? global[backgroundIndex] : 0;

  int transparent = -1;
  for (;;) {
    const std::uint8_t introducer = reader.byte();
    if (!reader.ok() || introducer == kTrailer) return false;  // no image at all
    if (introducer == kExtensionIntroducer) {
      const std::uint8_t label = reader.byte();
      std::vector<unsigned char> body;
      if (!readSubBlocks(reader, &body)) return false;
      if (label == kGraphicControlLabel && body.size() >= 4) {
        transparent = (body[0] & 1) != 0 ? body[3] : -1;
      }
      continue;
    }
    if (introducer != kImageSeparator) return false;

    const int left = reader.word();
    const int top = reader.word();
    const int frameWidth = reader.word();
    const int frameHeight = reader.word();
    const std::uint8_t frameFlags = reader.byte();
    if (!reader.ok()) return false;
    Palette local;
    if (!readPalette(reader, frameFlags, local)) return false;
    const Palette& palette = (frameFlags & 0x80) != 0 ? local : global;
    const int minimumCodeSize = reader.byte();
    std::vector<unsigned char> stream;
    if (!reader.ok() || minimumCodeSize < 1 || minimumCodeSize > 8 ||
        !readSubBlocks(reader, &stream)) {
      return false;
    }

    const std::size_t framePixels =
        static_cast<std::size_t>(frameWidth) * static_cast<std::size_t>(frameHeight);
    if (framePixels > kMaxGifPixels) return false;
    std::vector<std::uint8_t> indices(framePixels, 0);
    const std::size_t decoded = decompress(stream, minimumCodeSize, indices);

    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                        background);
    const bool interlaced = (frameFlags & 0x40) != 0;
    for (std::size_t i = 0; i < decoded; ++i) {
      const int index = indices[i];
      if (index == transparent) continue;
      const int n = static_cast<int>(i / static_cast<std::size_t>(frameWidth));
      const int x = left + static_cast<int>(i % static_cast<std::size_t>(frameWidth));
      const int y = top + (interlaced ? interlacedRow(n, frameHeight) : n);
      // A frame may reach beyond the canvas: that part is not shown.
      if (x >= width || y >= height) continue;
      const std::uint32_t colour =
          static_cast<std::size_t>(index) < palette.size() ? palette[index] : 0;
      image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(x)] = colour;
    }
    return true;
  }
}

}  // namespace

bool decodeGif(const unsigned char* data, std::size_t size, GifImage& image) {
  image = GifImage{};
  if (data == nullptr) return false;
  Reader reader(data, size);
  if (decodeInto(reader, image)) return true;
  image = GifImage{};
  return false;
}

}  // namespace tagwright::win32

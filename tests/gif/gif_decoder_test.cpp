#include "ui/win32/gif_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tagwright::win32 {
namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;

// A 10 x 10 GIF89a written by another encoder: four colours, a graphic
// control block, 22 bytes of codes that define strings of their own code
// (the "code not yet in the table" case).
const Bytes kSample = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x0A, 0x00, 0x0A, 0x00, 0x91, 0x00,
                       0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00,
                       0x00, 0x21, 0xF9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00,
                       0x00, 0x00, 0x0A, 0x00, 0x0A, 0x00, 0x00, 0x02, 0x16, 0x8C, 0x2D, 0x99,
                       0x87, 0x2A, 0x1C, 0xDC, 0x33, 0xA0, 0x02, 0x75, 0xEC, 0x95, 0xFA, 0xA8,
                       0xDE, 0x60, 0x8C, 0x04, 0x91, 0x4C, 0x01, 0x00, 0x3B};

const char* const kSampleRows[] = {
    "1111122222", "1111122222", "1111122222", "1110000222", "1110000222",
    "2220000111", "2220000111", "2222211111", "2222211111", "2222211111",
};

// ---- a small encoder, to make images of every shape --------------------------------

struct BitWriter {
  Bytes bytes;
  std::uint32_t bits = 0;
  int count = 0;
  void put(int code, int width) {
    bits |= static_cast<std::uint32_t>(code) << count;
    count += width;
    while (count >= 8) {
      bytes.push_back(static_cast<unsigned char>(bits & 0xFF));
      bits >>= 8;
      count -= 8;
    }
  }
  void flush() {
    if (count > 0) bytes.push_back(static_cast<unsigned char>(bits & 0xFF));
    bits = 0;
    count = 0;
  }
};

// LZW as GIF wants it. With `clearWhenFull` false the table stays full and
// the codes stay 12 bits wide (a "deferred clear", which decoders must take).
Bytes compress(const std::vector<std::uint8_t>& indices, int minimumCodeSize, bool clearWhenFull) {
  const int clear = 1 << minimumCodeSize;
  BitWriter out;
  std::map<std::pair<int, int>, int> table;
  int width = minimumCodeSize + 1;
  int next = clear + 2;
  out.put(clear, width);
  int current = -1;
  for (std::uint8_t index : indices) {
    if (current < 0) {
      current = index;
      continue;
    }
    const auto found = table.find({current, index});
    if (found != table.end()) {
      current = found->second;
      continue;
    }
    out.put(current, width);
    if (next < 4096) {
      table[{current, index}] = next++;
      if (next > (1 << width) && width < 12) ++width;
    } else if (clearWhenFull) {
      out.put(clear, width);
      table.clear();
      width = minimumCodeSize + 1;
      next = clear + 2;
    }
    current = index;
  }
  if (current >= 0) out.put(current, width);
  out.put(clear + 1, width);
  out.flush();
  return out.bytes;
}

void putWord(Bytes& gif, int value) {
  gif.push_back(static_cast<unsigned char>(value & 0xFF));
  gif.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

struct Frame {
  int left = 0, top = 0, width = 0, height = 0;
  bool interlaced = false;
  bool localPalette = false;
  int transparent = -1;
};

// A GIF89a with a global palette of 256 greys (index i is i,i,i) or, with
// `frame.localPalette`, a local one of 256 reds. `rows` is in display order.
Bytes makeGif(int width, int height, const Frame& frame, const std::vector<std::uint8_t>& rows,
              int minimumCodeSize = 8, bool clearWhenFull = true) {
  Bytes gif = {'G', 'I', 'F', '8', '9', 'a'};
  putWord(gif, width);
  putWord(gif, height);
  gif.insert(gif.end(), {0xF7, 0x00, 0x00});
  for (int i = 0; i < 256; ++i) gif.insert(gif.end(), 3, static_cast<unsigned char>(i));
  if (frame.transparent >= 0) {
    gif.insert(gif.end(), {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00,
                           static_cast<unsigned char>(frame.transparent), 0x00});
  }
  gif.push_back(0x2C);
  putWord(gif, frame.left);
  putWord(gif, frame.top);
  putWord(gif, frame.width);
  putWord(gif, frame.height);
  gif.push_back(
      static_cast<unsigned char>((frame.interlaced ? 0x40 : 0) | (frame.localPalette ? 0x87 : 0)));
  if (frame.localPalette) {
    for (int i = 0; i < 256; ++i) gif.insert(gif.end(), {static_cast<unsigned char>(i), 0, 0});
  }
  std::vector<std::uint8_t> stored;
  if (frame.interlaced) {
    for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
      for (int y = start; y < frame.height; y += step) {
        stored.insert(stored.end(), rows.begin() + y * frame.width,
                      rows.begin() + (y + 1) * frame.width);
      }
    }
  } else {
    stored = rows;
  }
  const Bytes codes = compress(stored, minimumCodeSize, clearWhenFull);
  gif.push_back(static_cast<unsigned char>(minimumCodeSize));
  for (std::size_t at = 0; at < codes.size(); at += 255) {
    const std::size_t length = std::min<std::size_t>(255, codes.size() - at);
    gif.push_back(static_cast<unsigned char>(length));
    gif.insert(gif.end(), codes.begin() + static_cast<std::ptrdiff_t>(at),
               codes.begin() + static_cast<std::ptrdiff_t>(at + length));
  }
  gif.push_back(0x00);
  gif.push_back(0x3B);
  return gif;
}

std::vector<std::uint8_t> noise(std::size_t count, int colours, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::uint8_t> values(count);
  // Runs of a colour, so that strings of every length get into the table.
  std::uint8_t value = 0;
  for (std::uint8_t& v : values) {
    if (random() % 3 == 0) value = static_cast<std::uint8_t>(random() % colours);
    v = value;
  }
  return values;
}

std::uint32_t grey(int i) {
  const auto v = static_cast<std::uint32_t>(i);
  return (v << 16) | (v << 8) | v;
}

bool decode(const Bytes& gif, GifImage& image) {
  return decodeGif(gif.data(), gif.size(), image);
}

// ---- tests -----------------------------------------------------------------------------

TEST(GifDecoder, DecodesAnImageOfAnotherEncoder) {
  GifImage image;
  ASSERT_TRUE(decode(kSample, image));
  ASSERT_EQ(image.width, 10);
  ASSERT_EQ(image.height, 10);
  ASSERT_EQ(image.pixels.size(), 100u);
  const std::uint32_t colours[] = {kWhite, kRed, kBlue};
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      SCOPED_TRACE("x " + std::to_string(x) + " y " + std::to_string(y));
      EXPECT_EQ(image.pixels[static_cast<std::size_t>(y * 10 + x)],
                colours[kSampleRows[y][x] - '0']);
    }
  }
}

TEST(GifDecoder, RoundTripsEveryCodeWidthTableResetAndInterlacing) {
  struct Case {
    const char* what;
    int width, height, colours, minimumCodeSize;
    bool interlaced, clearWhenFull;
  };
  const Case cases[] = {
      {"two colours, smallest code size", 37, 11, 2, 2, false, true},
      {"256 colours, table full and cleared many times", 300, 200, 256, 8, false, true},
      {"table full and kept (deferred clear)", 300, 200, 256, 8, false, false},
      {"interlaced, height not a multiple of 8", 45, 29, 16, 4, true, true},
      {"interlaced, one row", 7, 1, 4, 2, true, true},
      {"one pixel", 1, 1, 2, 2, false, true},
  };
  unsigned seed = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto rows = noise(static_cast<std::size_t>(c.width * c.height), c.colours, seed++);
    Frame frame{0, 0, c.width, c.height, c.interlaced, false, -1};
    GifImage image;
    ASSERT_TRUE(
        decode(makeGif(c.width, c.height, frame, rows, c.minimumCodeSize, c.clearWhenFull), image));
    ASSERT_EQ(image.width, c.width);
    ASSERT_EQ(image.height, c.height);
    ASSERT_EQ(image.pixels.size(), rows.size());
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) wrong += image.pixels[i] != grey(rows[i]);
    EXPECT_EQ(wrong, 0u);
  }
}

TEST(GifDecoder, PlacesTheFrameOnTheCanvasWithItsPaletteAndTransparency) {
  // A 4 x 3 frame at (2, 1) on a 5 x 3 canvas: its right part and bottom row
  // fall outside; index 9 is transparent; the local palette is red.
  std::vector<std::uint8_t> rows = {9, 20, 30, 40, 50, 60, 9, 80, 1, 2, 3, 4};
  const Frame frame{2, 1, 4, 3, false, true, 9};
  GifImage image;
  ASSERT_TRUE(decode(makeGif(5, 3, frame, rows), image));
  ASSERT_EQ(image.width, 5);
  ASSERT_EQ(image.height, 3);
  const std::uint32_t background = grey(0);  // global palette entry 0
  const std::vector<std::uint32_t> expected = {
      background, background, background, background, background,  //
      background, background, background, 20u << 16,  30u << 16,   //
      background, background, 50u << 16,  60u << 16,  background,  //
  };
  EXPECT_EQ(image.pixels, expected);
}

TEST(GifDecoder, AShortStreamLeavesTheRestAsBackground) {
  const auto rows = noise(64 * 64, 256, 7);
  Bytes gif = makeGif(64, 64, Frame{0, 0, 64, 64, false, false, -1}, rows);
  // Keep the first sub-block only, and end the data there.
  const std::size_t header = 13 + 768 + 10 + 1;  // screen, palette, descriptor, code size
  ASSERT_EQ(gif[header], 255);
  gif.resize(header + 1 + 255);
  gif.push_back(0x00);
  gif.push_back(0x3B);
  GifImage image;
  ASSERT_TRUE(decode(gif, image));
  ASSERT_EQ(image.pixels.size(), rows.size());
  EXPECT_EQ(image.pixels.front(), grey(rows.front()));
  EXPECT_EQ(image.pixels.back(), grey(0));
}

TEST(GifDecoder, RefusesWhatIsNoUsableGif) {
  const Bytes pixel = makeGif(1, 1, Frame{0, 0, 1, 1, false, false, -1}, {5});
  Bytes oversized = pixel;
  oversized[6] = oversized[7] = oversized[8] = oversized[9] = 0xFF;  // 65535 x 65535
  Bytes emptyCanvas = pixel;
  emptyCanvas[6] = emptyCanvas[7] = 0;
  Bytes badCodeSize = pixel;
  badCodeSize[13 + 768 + 10] = 12;
  Bytes oddVersion = pixel;
  oddVersion[4] = '8';
  const Bytes noImage = {'G', 'I', 'F', '8', '7', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B};
  const Bytes unknownBlock = {'G', 'I', 'F', '8', '7', 'a', 1, 0, 1, 0, 0, 0, 0, 0x42};
  const std::pair<const char*, Bytes> cases[] = {
      {"empty", {}},
      {"text", {'h', 'e', 'l', 'l', 'o'}},
      {"canvas too large", oversized},
      {"empty canvas", emptyCanvas},
      {"code size above 8", badCodeSize},
      {"version 88a", oddVersion},
      {"trailer before any image", noImage},
      {"unknown block", unknownBlock},
  };
  for (const auto& [what, gif] : cases) {
    SCOPED_TRACE(what);
    GifImage image;
    image.width = 3;
    EXPECT_FALSE(decode(gif, image));
    EXPECT_EQ(image.width, 0);
    EXPECT_TRUE(image.pixels.empty());
  }
  GifImage image;
  EXPECT_FALSE(decodeGif(nullptr, 10, image));
}

// Under the sanitizers these catch any read outside the data or the tables.
TEST(GifDecoder, EveryCutAndRandomDamageGivesAFailureOrAWholeCanvas) {
  const auto rows = noise(40 * 30, 256, 11);
  const Bytes gif = makeGif(40, 30, Frame{0, 0, 40, 30, true, false, -1}, rows);
  for (std::size_t size = 0; size < gif.size(); ++size) {
    GifImage image;
    // The bytes live in their own allocation, so an over-read is caught.
    const Bytes cut(gif.begin(), gif.begin() + static_cast<std::ptrdiff_t>(size));
    if (decode(cut, image)) {
      EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width * image.height));
    }
  }
  std::mt19937 random(3);
  for (int round = 0; round < 3000; ++round) {
    Bytes damaged = round % 2 == 0 ? gif : kSample;
    const int flips = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < flips; ++i) {
      damaged[random() % damaged.size()] = static_cast<unsigned char>(random());
    }
    GifImage image;
    if (decode(damaged, image)) {
      ASSERT_EQ(image.pixels.size(),
                static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
      ASSERT_LE(image.pixels.size(), kMaxGifPixels);
    }
  }
}

}  // namespace
}  // namespace tagwright::win32

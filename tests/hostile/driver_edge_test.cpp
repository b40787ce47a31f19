// The driver's edge loses no byte: every sequence of two bytes, alone and
// before a byte that could or could not continue it, printed as the driver
// prints GBK and read back as a script's TEXT, gives the same bytes again.
// (fuzz_gbk_codec checks the same property on longer random texts.)
#include <gtest/gtest.h>

#include <string>

#include "ui/headless/driver_script.h"
#include "ui/headless/gbk_codec.h"

namespace tagwright::headless {
namespace {

TEST(DriverEdge, EveryTwoByteSequenceRoundTrips) {
  const GbkCodec codec;
  int differing = 0;
  for (int first = 0; first < 256; ++first) {
    for (int second = 0; second < 256; ++second) {
      for (const char* after : {"", " ", "A", "\x81", "\xA1"}) {
        Text text{static_cast<char>(first), static_cast<char>(second)};
        text += after;
        const std::string printed = codec.toEscapedUtf8(text);
        Text typed;
        try {
          typed = decodeText(printed, codec);
        } catch (const ScriptError& e) {
          typed = std::string("error: ") + e.what();
        }
        if (typed != text && ++differing <= 5) {
          ADD_FAILURE() << std::hex << first << ' ' << second << " printed as " << printed;
        }
      }
    }
  }
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace tagwright::headless

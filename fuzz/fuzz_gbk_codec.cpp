// The driver's edge between GBK and UTF-8. Any GBK bytes, printed as the
// driver prints them and read back as a script's TEXT, must give the same
// bytes again: no byte lost, none changed. Any UTF-8 that converts must print
// back as it was written.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/utf8_check.h"
#include "ui/headless/driver_script.h"
#include "ui/headless/gbk_codec.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "fuzz_gbk_codec: %s\n", what);
  std::abort();
}

const tagwright::headless::GbkCodec& codec() {
  static const tagwright::headless::GbkCodec instance;
  return instance;
}

// The escapes the driver writes for the four ASCII controls it names.
std::string escapeControls(std::string_view s) {
  std::string out;
  for (const char c : s) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // As GBK: printed, then typed back.
  const std::string printed = codec().toEscapedUtf8(bytes);
  if (!tagwright::fuzz::isValidUtf8(printed)) fail("printed text is not UTF-8");
  tagwright::Text typed;
  try {
    typed = tagwright::headless::decodeText(printed, codec());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fuzz_gbk_codec: printed text does not read back: %s\n", e.what());
    std::abort();
  }
  if (typed != bytes) fail("GBK -> printed -> typed changes the bytes");

  // As UTF-8: converted, then printed.
  tagwright::Text gbk;
  std::string problem;
  if (codec().appendUtf8(bytes, gbk, problem)) {
    if (codec().toEscapedUtf8(gbk) != escapeControls(bytes)) fail("UTF-8 -> GBK -> UTF-8 differs");
  } else if (problem.empty()) {
    fail("refused UTF-8 without a reason");
  }
  return 0;
}

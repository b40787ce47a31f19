// Whole scripts through tagwright-driver's entry point, in process: the
// program runs on the headless desktop for every input. A script may only
// end with status 0 or 2, and what the driver prints must be UTF-8.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz/utf8_check.h"
#include "ui/headless/driver.h"

namespace {

// The GBK table takes a while to build; one driver serves every input, and
// each run starts a fresh program.
struct Harness {
  std::ostringstream out;
  std::ostringstream err;
  tagwright::headless::Driver driver{out, err};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Harness harness;
  harness.out.str(std::string());
  harness.err.str(std::string());
  std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
  const int status = harness.driver.run(script);
  if (status != 0 && status != 2) {
    std::fprintf(stderr, "fuzz_driver: status %d: %s\n", status, harness.err.str().c_str());
    std::abort();
  }
  if (!tagwright::fuzz::isValidUtf8(harness.out.str())) {
    std::fprintf(stderr, "fuzz_driver: output is not UTF-8\n");
    std::abort();
  }
  return 0;
}

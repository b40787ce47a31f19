#include "ui/headless/gbk_codec.h"

#include <iconv.h>

#include <cstdio>
#include <stdexcept>

namespace tagwright::headless {

namespace {

constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40, kLastTrail = 0xFE;
constexpr unsigned kTrailCount = kLastTrail - kFirstTrail + 1;

class Iconv {
 public:
  Iconv() {
    handle_ = iconv_open("UTF-32LE", "GBK");
    if (handle_ == reinterpret_cast<iconv_t>(-1)) handle_ = iconv_open("UTF-32LE", "CP936");
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error("the C library has no GBK converter");
    }
  }
  ~Iconv() { iconv_close(handle_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // The one code point that `bytes` decode to as a whole, else 0.
  char32_t decode(const char* bytes, std::size_t length) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char in[2] = {bytes[0], length > 1 ? bytes[1] : '\0'};
    unsigned char out[8] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t inLeft = length, outLeft = sizeof out;
    if (iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
      return 0;
    }
    if (inLeft != 0 || sizeof out - outLeft != 4) return 0;
    return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
  }

 private:
  iconv_t handle_;
};

void appendUtf8Char(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 character at `i`; 0 length on malformed input (overlong
// forms, surrogates and values past U+10FFFF included).
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& c) {
  const unsigned char b = static_cast<unsigned char>(s[i]);
  std::size_t length;
  char32_t min;
  if (b < 0x80) {
    c = b;
    return 1;
  } else if ((b & 0xE0) == 0xC0) {
    length = 2, min = 0x80, c = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    length = 3, min = 0x800, c = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    length = 4, min = 0x10000, c = b & 0x07;
  } else {
    return 0;
  }
  if (s.size() - i < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char t = static_cast<unsigned char>(s[i + k]);
    if ((t & 0xC0) != 0x80) return 0;
    c = (c << 6) | (t & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

std::string codePointName(char32_t c) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
  return buffer;
}

}  // namespace

GbkCodec::GbkCodec() : pairs_((kLastLead - kFirstLead + 1) * kTrailCount) {
  Iconv converter;
  for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
    for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
      if (trail == 0x7F) continue;
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      const char32_t c = converter.decode(bytes, 2);
      pairs_[(lead - kFirstLead) * kTrailCount + (trail - kFirstTrail)] = c;
      if (c != 0) encode_.emplace(c, static_cast<std::uint16_t>(lead << 8 | trail));
    }
  }
}

char32_t GbkCodec::pair(unsigned char lead, unsigned char trail) const {
  if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail) return 0;
  return pairs_[(lead - kFirstLead) * kTrailCount + (trail - kFirstTrail)];
}

bool GbkCodec::appendUtf8(std::string_view utf8, Text& out, std::string& problem) const {
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c = 0;
    const std::size_t length = decodeUtf8(utf8, i, c);
    if (length == 0) {
      problem = "malformed UTF-8";
      return false;
    }
    i += length;
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    const auto found = encode_.find(c);
    if (found == encode_.end()) {
      problem = "character " + codePointName(c) + " has no GBK form";
      return false;
    }
    out += static_cast<char>(found->second >> 8);
    out += static_cast<char>(found->second & 0xFF);
  }
  return true;
}

std::string GbkCodec::toEscapedUtf8(std::string_view gbk) const {
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  for (std::size_t i = 0; i < gbk.size();) {
    const unsigned char b = static_cast<unsigned char>(gbk[i]);
    if (b < 0x80) {
      switch (b) {
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
          out += static_cast<char>(b);
      }
      ++i;
      continue;
    }
    const char32_t two =
        i + 1 < gbk.size() ? pair(b, static_cast<unsigned char>(gbk[i + 1])) : char32_t{0};
    if (two != 0) {
      appendUtf8Char(two, out);
      i += 2;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(b));
      out += hex;
      ++i;
    }
  }
  return out;
}

}  // namespace tagwright::headless

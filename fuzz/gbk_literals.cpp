// gbk-literals IN OUT: copies the UTF-8 C++ source IN to OUT with every
// non-ASCII character inside a string or character literal written as the
// \xHH escapes of its GBK bytes. The copy compiles to the same bytes as the
// original under `g++ -fexec-charset=GBK`, with a compiler that only knows
// UTF-8 (clang). Comments and everything outside literals are copied as they
// are. A hex escape would swallow a hex digit that follows it, so the literal
// is closed and reopened there ("\xB8\xB4" "abc"). Prefixed and raw literals
// with non-ASCII text are refused, as is a character that GBK lacks.
#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

class Utf8ToGbk {
 public:
  Utf8ToGbk() : handle_(iconv_open("GBK", "UTF-8")) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK in iconv");
  }
  ~Utf8ToGbk() { iconv_close(handle_); }
  Utf8ToGbk(const Utf8ToGbk&) = delete;
  Utf8ToGbk& operator=(const Utf8ToGbk&) = delete;

  std::string convert(const std::string& utf8) const {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    std::string in = utf8;
    std::string out(utf8.size() * 2 + 8, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    if (iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
      throw std::runtime_error("no GBK form for \"" + utf8 + "\"");
    }
    out.resize(out.size() - outLeft);
    return out;
  }

 private:
  iconv_t handle_;
};

bool isAscii(char c) {
  return static_cast<unsigned char>(c) < 0x80;
}

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isIdentifierChar(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

class Transcoder {
 public:
  explicit Transcoder(const std::string& source) : in_(source) {}

  std::string run() {
    while (i_ < in_.size()) {
      const char c = in_[i_];
      if (startsWith("//")) {
        copyUntil("\n");
      } else if (startsWith("/*")) {
        copyUntil("*/");
      } else if (c == 'R' && i_ + 1 < in_.size() && in_[i_ + 1] == '"' && !afterIdentifier()) {
        rawLiteral();
      } else if (c == '\'' && i_ > 0 && in_[i_ - 1] >= '0' && in_[i_ - 1] <= '9') {
        out_ += c;  // a digit separator
        ++i_;
      } else if (c == '"' || c == '\'') {
        literal(c);
      } else {
        out_ += c;
        ++i_;
      }
    }
    return out_;
  }

 private:
  bool startsWith(const char* s) const {
    return in_.compare(i_, std::char_traits<char>::length(s), s) == 0;
  }

  bool afterIdentifier() const { return i_ > 0 && isIdentifierChar(in_[i_ - 1]); }

  // Copies through the end of `terminator` (or of the input).
  void copyUntil(const char* terminator) {
    const std::size_t end = in_.find(terminator, i_ + 2);
    const std::size_t stop =
        end == std::string::npos ? in_.size() : end + std::char_traits<char>::length(terminator);
    out_.append(in_, i_, stop - i_);
    i_ = stop;
  }

  void rawLiteral() {
    const std::size_t open = in_.find('(', i_);
    if (open == std::string::npos) throw std::runtime_error("unterminated raw literal");
    const std::string close = ")" + in_.substr(i_ + 2, open - i_ - 2) + "\"";
    const std::size_t end = in_.find(close, open);
    if (end == std::string::npos) throw std::runtime_error("unterminated raw literal");
    const std::size_t stop = end + close.size();
    for (std::size_t k = i_; k < stop; ++k) {
      if (!isAscii(in_[k])) throw std::runtime_error("non-ASCII text in a raw literal");
    }
    out_.append(in_, i_, stop - i_);
    i_ = stop;
  }

  void literal(char quote) {
    const bool prefixed = afterIdentifier();  // u8"", L"", u"" or a user-defined literal
    out_ += quote;
    ++i_;
    while (i_ < in_.size() && in_[i_] != quote) {
      const char c = in_[i_];
      if (c == '\n') throw std::runtime_error("line break inside a literal");
      if (c == '\\') {
        out_.append(in_, i_, 2);
        i_ += 2;
        continue;
      }
      if (isAscii(c)) {
        out_ += c;
        ++i_;
        continue;
      }
      if (prefixed) throw std::runtime_error("non-ASCII text in a prefixed literal");
      std::size_t end = i_;
      while (end < in_.size() && !isAscii(in_[end])) ++end;
      for (const char byte : gbk_.convert(in_.substr(i_, end - i_))) {
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(byte));
        out_ += escape;
      }
      i_ = end;
      if (i_ < in_.size() && isHexDigit(in_[i_])) {
        if (quote == '\'') throw std::runtime_error("non-ASCII character literal");
        out_ += "\" \"";
      }
    }
    if (i_ >= in_.size()) throw std::runtime_error("unterminated literal");
    out_ += quote;
    ++i_;
  }

  const std::string& in_;
  std::string out_;
  std::size_t i_ = 0;
  Utf8ToGbk gbk_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: gbk-literals IN OUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "gbk-literals: cannot read " << argv[1] << '\n';
    return 1;
  }
  const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  try {
    const std::string result = Transcoder(source).run();
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << result;
    if (!out) throw std::runtime_error("cannot write the output");
  } catch (const std::exception& e) {
    std::cerr << argv[1] << ": " << e.what() << '\n';
    return 1;
  }
  return 0;
}

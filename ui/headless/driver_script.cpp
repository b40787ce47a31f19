#include "ui/headless/driver_script.h"

#include <string>

namespace tagwright::headless {

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void appendConverted(std::string_view utf8, const GbkCodec& codec, Text& out) {
  std::string problem;
  if (!codec.appendUtf8(utf8, out, problem)) throw ScriptError(problem);
}

}  // namespace

std::string_view actionWord(std::string_view line) {
  return line.substr(0, line.find(' '));
}

std::string shownWord(std::string_view word) {
  constexpr std::size_t kShownBytes = 64;
  if (word.size() <= kShownBytes) return std::string(word);
  std::size_t cut = kShownBytes;
  // Back up over UTF-8 continuation bytes so that no character is split.
  while (cut > 0 && (static_cast<unsigned char>(word[cut]) & 0xC0) == 0x80) --cut;
  return std::string(word.substr(0, cut)) + "...";
}

ScriptLine splitArguments(std::string_view line, std::size_t wordCount, bool withText) {
  ScriptLine result;
  result.action = actionWord(line);
  std::size_t position = result.action.size();  // at the blank after the last word, or the end
  for (std::size_t i = 0; i < wordCount; ++i) {
    if (position >= line.size()) throw ScriptError("missing argument");
    const std::size_t start = position + 1;
    std::size_t end = line.find(' ', start);
    if (end == std::string_view::npos) end = line.size();
    if (end == start) throw ScriptError("empty argument");
    result.words.push_back(line.substr(start, end - start));
    position = end;
  }
  if (withText) {
    if (position < line.size()) result.text = line.substr(position + 1);
  } else if (position < line.size()) {
    throw ScriptError("unexpected argument");
  }
  return result;
}

Text decodeText(std::string_view text, const GbkCodec& codec) {
  Text out;
  out.reserve(text.size());
  std::size_t runStart = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] != '\\') {
      ++i;
      continue;
    }
    appendConverted(text.substr(runStart, i - runStart), codec, out);
    if (i + 1 >= text.size()) throw ScriptError("backslash at the end of the text");
    const char kind = text[i + 1];
    switch (kind) {
      case '\\':
        out += '\\';
        i += 2;
        break;
      case 'r':
        out += '\r';
        i += 2;
        break;
      case 'n':
        out += '\n';
        i += 2;
        break;
      case 't':
        out += '\t';
        i += 2;
        break;
      case 'x': {
        const int high = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        const int low = i + 3 < text.size() ? hexValue(text[i + 3]) : -1;
        if (high < 0 || low < 0) throw ScriptError("malformed escape \\x: two hex digits expected");
        out += static_cast<char>(high * 16 + low);
        i += 4;
        break;
      }
      default: {
        // Name the sequence as written, one whole UTF-8 character after the backslash.
        std::size_t length = 1;
        while (i + 1 + length < text.size() &&
               (static_cast<unsigned char>(text[i + 1 + length]) & 0xC0) == 0x80 && length < 4) {
          ++length;
        }
        throw ScriptError("malformed escape \\" + std::string(text.substr(i + 1, length)));
      }
    }
    runStart = i;
  }
  appendConverted(text.substr(runStart), codec, out);
  return out;
}

}  // namespace tagwright::headless

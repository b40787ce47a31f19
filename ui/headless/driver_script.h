// How the driver reads one script line: words separated by single blanks, and
// TEXT with its escapes, converted from UTF-8 to GBK.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.h"
#include "ui/headless/gbk_codec.h"

namespace tagwright::headless {

// A line the driver cannot run; the message is the reason, without line number.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ScriptLine {
  std::string_view action;
  std::vector<std::string_view> words;  // the arguments before TEXT
  std::string_view text;                // raw TEXT, escapes not yet decoded
};

// Splits `line` into the action, `wordCount` words and, when `withText`, the
// TEXT that follows the blank after the last word (possibly empty). Throws on
// missing or surplus words and on empty words (two blanks in a row).
ScriptLine splitArguments(std::string_view line, std::size_t wordCount, bool withText);

// The action word of `line`: everything up to the first blank.
std::string_view actionWord(std::string_view line);

// `word` as an error message shows it: whole when short, else its first
// bytes up to a character boundary and "...", so that a word of megabytes
// does not come back whole on standard error.
std::string shownWord(std::string_view word);

// Decodes TEXT: \\ \r \n \t and \xHH (one raw byte, not converted); any other
// character is converted from UTF-8 to GBK. Throws on a malformed escape, on
// malformed UTF-8 and on a character that GBK lacks.
Text decodeText(std::string_view text, const GbkCodec& codec);

}  // namespace tagwright::headless

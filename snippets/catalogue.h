// The fixed snippet texts that the snippet radio buttons write into their boxes.
#pragma once

#include <cstddef>
#include <string_view>

namespace tagwright {

// The output box a snippet is written into (role names of the window layout).
enum class SnippetBox {
  headFootEdit,
  listOutputEdit,
  softFieldEdit,
  shopFieldEdit,
  contentOutputEdit,
  sqlOutputEdit,
};

struct Snippet {
  std::string_view radio;  // control name of the radio button, e.g. "单选框13"
  std::string_view label;  // its caption
  SnippetBox box;
  std::string_view text;  // exact GBK bytes, lines joined by CR LF
};

// Looks a snippet up by its radio button's control name; nullptr when none.
const Snippet* findSnippet(std::string_view radio);

// Every entry, in page order (home page group, list page, content page, SQL page).
struct SnippetRange {
  const Snippet* first;
  const Snippet* last;
  const Snippet* begin() const { return first; }
  const Snippet* end() const { return last; }
  std::size_t size() const { return static_cast<std::size_t>(last - first); }
};
SnippetRange allSnippets();

}  // namespace tagwright

// The whole catalogue: the four pages joined in page order, and the lookup by radio button.
#include "snippets/catalogue.h"

#include <vector>

#include "snippets/pages.h"

namespace tagwright {
namespace {

const std::vector<Snippet>& catalogue() {
  static const std::vector<Snippet> all = [] {
    std::vector<Snippet> joined;
    for (SnippetRange page : {homeSnippets(), listSnippets(), contentSnippets(), sqlSnippets()}) {
      joined.insert(joined.end(), page.begin(), page.end());
    }
    return joined;
  }();
  return all;
}

}  // namespace

const Snippet* findSnippet(std::string_view radio) {
  for (const Snippet& snippet : allSnippets()) {
    if (snippet.radio == radio) return &snippet;
  }
  return nullptr;
}

SnippetRange allSnippets() {
  const std::vector<Snippet>& all = catalogue();
  return {all.data(), all.data() + all.size()};
}

}  // namespace tagwright

// The catalogue's pages; each lives in its own file.
#pragma once

#include "snippets/catalogue.h"

namespace tagwright {

SnippetRange homeSnippets();     // group 头尾标签 of page 首页标签
SnippetRange listSnippets();     // page 列表标签
SnippetRange contentSnippets();  // page 内容标签
SnippetRange sqlSnippets();      // page SQL调用整理

}  // namespace tagwright

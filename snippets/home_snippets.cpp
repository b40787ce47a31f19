// Page 首页标签, group 头尾标签: the site-wide tags written into headFootEdit.
#include <iterator>

#include "snippets/pages.h"

namespace tagwright {
namespace {

constexpr Snippet kHomeSnippets[] = {
    // 头尾标签
    {"单选框1", "网站名称", SnippetBox::headFootEdit, "{dede:global.cfg_webname/}"},
    {"单选框2", "默认关键字", SnippetBox::headFootEdit, "{dede:global.cfg_keywords/}"},
    {"单选框4", "网站版权", SnippetBox::headFootEdit, "{dede:global.cfg_powerby/}"},
    {"单选框3", "友情链接", SnippetBox::headFootEdit, "{dede:flink row='24'/}"},
    {"单选框5", "网站地址", SnippetBox::headFootEdit, "{dede:global.cfg_cmsurl/}"},
    {"单选框6", "网站描述", SnippetBox::headFootEdit, "{dede:global.cfg_description/}"},
    {"单选框7", "网站备案号", SnippetBox::headFootEdit, "{dede:global.cfg_beian/}"},
};

}  // namespace

SnippetRange homeSnippets() {
  return {std::begin(kHomeSnippets), std::end(kHomeSnippets)};
}

}  // namespace tagwright

// Page 列表标签: groups 通用标签 and 分类 write into listOutputEdit, the two 软件常用
// groups into their one-line boxes softFieldEdit and shopFieldEdit.
#include <iterator>

#include "snippets/pages.h"

namespace tagwright {
namespace {

// 分页标签 (单选框16), 5 lines.
// clang-format off
constexpr std::string_view kPagelistTag =
    " <div class=\"dede_pages\">\r\n"
    "\t\t\t<ul class=\"pagelist\">\r\n"
    "             {dede:pagelist listitem=\"info,index,end,pre,next,pageno\" listsize=\"5\"/}\r\n"
    "\t\t\t</ul>\r\n"
    "\t\t</div><!-- /pages --> ";
// clang-format on

// 分页CSS (单选框17), 41 lines.
// clang-format off
constexpr std::string_view kPagelistCss =
    ".dede_pages{\r\n"
    "}\r\n"
    ".dede_pages ul{\r\n"
    "\tfloat:left;\r\n"
    "\tpadding:12px 0px 12px 16px;\r\n"
    "}\r\n"
    ".dede_pages ul li{\r\n"
    "\tfloat:left;\r\n"
    "\tfont-family:Tahoma;\r\n"
    "\tline-height:17px;\r\n"
    "\tmargin-right:6px;\r\n"
    "}\r\n"
    ".dede_pages ul li a{\r\n"
    "\tfloat:left;\r\n"
    "\tpadding:2px 4px 2px;\r\n"
    "\tcolor:#666;\r\n"
    "\tborder-bottom:1px solid #EEE;\r\n"
    "}\r\n"
    ".dede_pages ul li a:hover{\r\n"
    "\tcolor:#690;\r\n"
    "\ttext-decoration:none;\r\n"
    "\tpadding:2px 4px 1px;\r\n"
    "\tborder-bottom:2px solid #690;\r\n"
    "}\r\n"
    ".dede_pages ul li.thisclass a,.pagebox ul li.thisclass a:hover{\r\n"
    "\tcolor:#F63;\r\n"
    "\tpadding:2px 4px 1px;\r\n"
    "\tborder-bottom:2px solid #F63;\r\n"
    "\tfont-weight:bold;\r\n"
    "}\r\n"
    ".dede_pages .pageinfo{\r\n"
    "\tfloat:right;\r\n"
    "\tline-height:21px;\r\n"
    "\tpadding:12px 10px 12px 16px;\r\n"
    "\tcolor:#999;\r\n"
    "}\r\n"
    ".dede_pages .pageinfo strong{\r\n"
    "\tcolor:#666;\r\n"
    "\tfont-weight:normal;\r\n"
    "\tmargin:0px 2px;\r\n"
    "}";
// clang-format on

// 分类比较特殊查看全部 (单选框27), 29 lines.
// clang-format off
constexpr std::string_view kInfolinkTable =
    "{dede:infolink}\r\n"
    "<table id='dedeinfolink'>\r\n"
    "<tr>\r\n"
    "\t<td colspan='3' class='iftitle'>\r\n"
    "\t\t信息附加条件：\r\n"
    "\t</td>\r\n"
    "</tr>\r\n"
    "<tr>\r\n"
    "\t<td width='50'>&nbsp;地 区：</td>\r\n"
    "\t<td align='center' nowrap='yes'>\r\n"
    "\t\t<div>[field:linkallplace/]</div>\r\n"
    "\t</td>\r\n"
    "\t<td>\r\n"
    "  \t[field:nativeplace /]&nbsp;\r\n"
    "\t</td>\r\n"
    "</tr>\r\n"
    "<tr><td colspan='3' class='spline'>&nbsp;</td></tr>\r\n"
    "<tr>\r\n"
    "\t<td>&nbsp;类 型：</td>\r\n"
    "  <td align='center' nowrap='yes'>\r\n"
    "  \t<div>[field:linkalltype/]</div>\r\n"
    "  </td>\r\n"
    "  <td>\r\n"
    "  \t[field:infotype /]&nbsp;\r\n"
    "  </td>\r\n"
    "</tr>\r\n"
    "<tr><td colspan='3' class='spline'>&nbsp;</td></tr>\r\n"
    "</table>\r\n"
    "{/dede:infolink}";
// clang-format on

constexpr Snippet kListSnippets[] = {
    // 通用标签
    {"单选框13", "内容摘要", SnippetBox::listOutputEdit, "[field:description/]..."},
    {"单选框14", "当前位置", SnippetBox::listOutputEdit, "{dede:field name='position'/}"},
    {"单选框15", "略缩图", SnippetBox::listOutputEdit,
     "<img src='[field:litpic/]' alt='[field:title function='html2text(@me)'/]'/>"},
    {"单选框16", "分页标签", SnippetBox::listOutputEdit, kPagelistTag},
    {"单选框17", "分页CSS", SnippetBox::listOutputEdit, kPagelistCss},
    {"单选框18", "当前频道链接", SnippetBox::listOutputEdit,
     "<a href='{dede:field name='typeurl'/}'>{dede:field name='typename'/}</a>"},
    // 分类
    {"单选框27", "分类比较特殊查看全部", SnippetBox::listOutputEdit, kInfolinkTable},
    // 软件常用 (left): software fields
    {"单选框19", "上传日期", SnippetBox::softFieldEdit,
     "[field:pubdate function=\"GetDateTimeMK(@me)\"/]"},
    {"单选框20", "推荐级别", SnippetBox::softFieldEdit,
     "[field:softrank function='GetRankStar(@me)'/]"},
    {"单选框21", "软件语言", SnippetBox::softFieldEdit, "[field:language/]"},
    {"单选框22", "浏览次数", SnippetBox::softFieldEdit, "[field:click/]"},
    // 软件常用 (middle): shop fields
    {"单选框23", "上架日期", SnippetBox::shopFieldEdit,
     "[field:pubdate function=\"GetDateTimeMK(@me)\"/]"},
    {"单选框24", "商品价格", SnippetBox::shopFieldEdit, "[field:trueprice/]"},
    {"单选框25", "品牌", SnippetBox::shopFieldEdit, "[field:brand/]"},
    {"单选框26", "浏览次数", SnippetBox::shopFieldEdit, "[field:click/]"},
};

}  // namespace

SnippetRange listSnippets() {
  return {std::begin(kListSnippets), std::end(kListSnippets)};
}

}  // namespace tagwright

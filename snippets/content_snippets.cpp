// Page 内容标签: the tags of article, software, classified-ad and shop detail templates,
// all written into contentOutputEdit.
#include <iterator>

#include "snippets/pages.h"

namespace tagwright {
namespace {

// 顶一下 (单选框32), 19 lines.
// clang-format off
constexpr std::string_view kDiggBlock =
    "\t\t\t<div class=\"newdigg\" id=\"newdigg\">\r\n"
    "\t\t\t\t<div class=\"diggbox digg_good\" onmousemove=\"this.style.backgroundPosition='left bottom';\" onmouseout=\"this.style.backgroundPosition='left top';\" onclick=\"javascript:postDigg('good',{dede:field.id/})\">\r\n"
    "\t\t\t\t\t<div class=\"digg_act\">顶一下</div>\r\n"
    "\t\t\t\t\t<div class=\"digg_num\">({dede:field.goodpost/})</div>\r\n"
    "\t\t\t\t\t<div class=\"digg_percent\">\r\n"
    "\t\t\t\t\t\t<div class=\"digg_percent_bar\"><span style=\"width:{dede:field.goodper/}%\"></span></div>\r\n"
    "\t\t\t\t\t\t<div class=\"digg_percent_num\">{dede:field.goodper/}%</div>\r\n"
    "\t\t\t\t\t</div>\r\n"
    "\t\t\t\t</div>\r\n"
    "\t\t\t\t<div class=\"diggbox digg_bad\" onmousemove=\"this.style.backgroundPosition='right bottom';\" onmouseout=\"this.style.backgroundPosition='right top';\" onclick=\"javascript:postDigg('bad',{dede:field.id/})\">\r\n"
    "\t\t\t\t\t<div class=\"digg_act\">踩一下</div>\r\n"
    "\t\t\t\t\t<div class=\"digg_num\">({dede:field.badpost/})</div>\r\n"
    "\t\t\t\t\t<div class=\"digg_percent\">\r\n"
    "\t\t\t\t\t\t<div class=\"digg_percent_bar\"><span style=\"width:{dede:field.badper/}%\"></span></div>\r\n"
    "\t\t\t\t\t\t<div class=\"digg_percent_num\">{dede:field.badper/}%</div>\r\n"
    "\t\t\t\t\t</div>\r\n"
    "\t\t\t\t</div>\r\n"
    "\t\t\t</div>\r\n"
    "\t\t\t <script language=\"javascript\" type=\"text/javascript\">getDigg({dede:field.id/});</script>";
// clang-format on

// 购物车 (单选框61), 8 lines.
// clang-format off
constexpr std::string_view kCartForm =
    "<form id=\"formcar\" name=\"formcar\" method=\"post\" action=\"{dede:field name='phpurl'/}/posttocar.php\">\r\n"
    "                <input type=\"hidden\" name=\"id\" value=\"{dede:field.id/}\" />\r\n"
    "                <input type=\"hidden\" name=\"title\" value=\"{dede:field.title/}\" />\r\n"
    "                <input type=\"hidden\" name=\"price\" value=\"{dede:field.trueprice/}\" />\r\n"
    "                <input type=\"hidden\" name=\"units\" value=\"{dede:field.units/}\" />\r\n"
    "                <small>购物车：</small><span><a href=\"{dede:field name='phpurl'/}/car.php\" target=\"_blank\">查看购物车</a></span>\r\n"
    "                <small>购买：</small><span><button type=\"submit\" name=\"button\" class=\"btn-2\">放入购物车</button></span>\r\n"
    "                </form>";
// clang-format on

constexpr Snippet kContentSnippets[] = {
    // 内容通用
    {"单选框28", "文章标题", SnippetBox::contentOutputEdit, "{dede:field.title/}"},
    {"单选框29", "发布时间", SnippetBox::contentOutputEdit,
     "{dede:field.pubdate function=\"MyDate('Y-m-d H:i',@me)\"/}\""},
    {"单选框31", "文章来源", SnippetBox::contentOutputEdit, "{dede:field.source/}"},
    {"单选框30", "文章作者", SnippetBox::contentOutputEdit, "{dede:field.writer/}"},
    {"单选框35", "点击次数", SnippetBox::contentOutputEdit,
     "<script src=\"{dede:field name='phpurl'/}/count.php?view=yes&aid={dede:field name='id'/}&mid={dede:field name='mid'/}\" type='text/javascript' language=\"javascript\"></script>"},
    {"单选框34", "文章摘要", SnippetBox::contentOutputEdit, "{dede:field.description/}"},
    {"单选框39", "文章主体", SnippetBox::contentOutputEdit, "{dede:field.body/}"},
    {"单选框38", "内容分页", SnippetBox::contentOutputEdit, "{dede:pagebreak/}"},
    {"单选框37", "上一篇", SnippetBox::contentOutputEdit, "{dede:prenext get='pre'/}"},
    {"单选框36", "下一篇", SnippetBox::contentOutputEdit, "{dede:prenext get='next'/}"},
    {"单选框33", "查看评论", SnippetBox::contentOutputEdit,
     "<a href=\"{dede:field name='phpurl'/}/feedback.php?aid={dede:field.id/}\">查看所有评论</a>"},
    {"单选框32", "顶一下", SnippetBox::contentOutputEdit, kDiggBlock},
    // 软件页面
    {"单选框51", "软件类型", SnippetBox::contentOutputEdit, "{dede:field.softtype/}"},
    {"单选框50", "授权方式", SnippetBox::contentOutputEdit, "{dede:field.accredit/}"},
    {"单选框49", "软件大小", SnippetBox::contentOutputEdit, "{dede:field.softsize/}"},
    {"单选框45", "文件类型", SnippetBox::contentOutputEdit, "{dede:field.filetype/}"},
    {"单选框44", "运行环境", SnippetBox::contentOutputEdit, "{dede:field.os/}"},
    {"单选框43", "软件等级", SnippetBox::contentOutputEdit,
     "{dede:field.softrank function='GetRankStar(@me)'/}"},
    {"单选框48", "演示地址", SnippetBox::contentOutputEdit, "{dede:field.officialdemo/}"},
    {"单选框47", "官方网址", SnippetBox::contentOutputEdit, "{dede:field.officialurl/}"},
    {"单选框46", "下载次数", SnippetBox::contentOutputEdit,
     "<script src=\"{dede:field.phpurl/}/disdls.php?aid={dede:field.id/}\" language=\"javascript\"></script>"},
    {"单选框42", "软件图片", SnippetBox::contentOutputEdit, "{dede:field name='image'/}"},
    {"单选框41", "软件介绍", SnippetBox::contentOutputEdit, "{dede:field.introduce/}"},
    {"单选框40", "更新时间", SnippetBox::contentOutputEdit,
     "{dede:field.pubdate function=\"MyDate('Y-m-d H:i',@me)\"/}"},
    {"单选框52", "下载地址", SnippetBox::contentOutputEdit, "{dede:field name='softlinks'/}"},
    {"单选框53", "软件说明", SnippetBox::contentOutputEdit, "{dede:softmsg/}"},
    {"单选框54", "软件好评", SnippetBox::contentOutputEdit, "{dede:field.goodpost/}"},
    // 分类信息
    {"单选框66", "所属地区", SnippetBox::contentOutputEdit, "{dede:field.nativeplace /}"},
    {"单选框65", "信息类型", SnippetBox::contentOutputEdit, "{dede:field.infotype /}"},
    {"单选框60", "截止日期", SnippetBox::contentOutputEdit,
     "{dede:field.endtime function=\"MyDate('Y-m-d H:m',@me)\" /}"},
    {"单选框59", "发布时间", SnippetBox::contentOutputEdit,
     "{dede:field.pubdate function=\"MyDate('Y-m-d H:i',@me)\"/}\""},
    {"单选框64", "联系电话", SnippetBox::contentOutputEdit, "{dede:field.tel /}"},
    {"单选框63", "电子邮箱", SnippetBox::contentOutputEdit, "{dede:field.email/}"},
    {"单选框58", "地址", SnippetBox::contentOutputEdit, "{dede:field.address /}"},
    {"单选框57", "图片", SnippetBox::contentOutputEdit, "{dede:field name='image'/}"},
    {"单选框56", "描述", SnippetBox::contentOutputEdit, "{dede:field.body /}"},
    // 商店
    {"单选框72", "商品原价", SnippetBox::contentOutputEdit, "{dede:field.price/}"},
    {"单选框71", "优惠价格", SnippetBox::contentOutputEdit, "{dede:field.trueprice/}"},
    {"单选框68", "品牌说明", SnippetBox::contentOutputEdit, "{dede:field.brand/}"},
    {"单选框67", "单位说明", SnippetBox::contentOutputEdit, "{dede:field.units/}"},
    {"单选框62", "人气", SnippetBox::contentOutputEdit,
     "<script src=\"{dede:field name='phpurl'/}/count.php?view=yes&aid={dede:field name='id'/}&mid={dede:field name='mid'/}\" type='text/javascript' language=\"javascript\"></script>"},
    {"单选框61", "购物车", SnippetBox::contentOutputEdit, kCartForm},
    {"单选框55", "购买", SnippetBox::contentOutputEdit, kCartForm},
    // the untitled group of article actions
    {"单选框69", "收藏", SnippetBox::contentOutputEdit,
     "<a href=\"{dede:field name='phpurl'/}/stow.php?aid={dede:field.id/}\" target=\"_blank\">收藏</a>"},
    {"单选框70", "推荐", SnippetBox::contentOutputEdit,
     "<a href=\"{dede:field name='phpurl'/}/recommend.php?aid={dede:field.id/}\" target=\"_blank\">推荐</a>"},
    {"单选框73", "挑错", SnippetBox::contentOutputEdit,
     "<a href=\"{dede:field name='phpurl'/}/erraddsave.php?aid={dede:field.id/}&title={dede:field.title/}\" target=\"_blank\">挑错</a>"},
    {"单选框74", "打印", SnippetBox::contentOutputEdit,
     "<a href=\"#\" target=\"_blank\" onClick=\"window.print();\">打印</a>"},
};

}  // namespace

SnippetRange contentSnippets() {
  return {std::begin(kContentSnippets), std::end(kContentSnippets)};
}

}  // namespace tagwright

// Page SQL调用整理: ready-made dede:sql and dede:loop blocks and two SQL maintenance
// statements, all written into the page's output box.
#include <iterator>
#include <string_view>

#include "snippets/catalogue.h"
#include "snippets/pages.h"

namespace tagwright {
namespace {

// Each text is written one source line per text line; the lines are joined by CR LF and
// no text ends with a line break. Trailing blanks inside the literals are part of the texts.
// clang-format off
// 单选框84: 常用内容统计
constexpr std::string_view kText84 =
    "·共有文章：** 篇 \r\n"
    "{dede:sql sql=\"select count(*) as c from dede_archives where channel=1\"}·共有文章：[field:c /]篇{/dede:sql} \r\n"
    "·共有图集：** 个 \r\n"
    "{dede:sql sql=\"select count(*) as c from dede_archives where channel=2\"}·共有图集：[field:c /]个{/dede:sql} \r\n"
    "·共有软件：** 个 \r\n"
    "{dede:sql sql=\"select count(*) as c from dede_archives where channel=3\"}·共有软件：[field:c /]个{/dede:sql} \r\n"
    "·共有评论：**条 \r\n"
    "{dede:sql sql=\"select count(*) as c from dede_feedback\"}·共有评论：[field:c /]条{/dede:sql} \r\n"
    "·共有会员：**名 \r\n"
    "{dede:sql sql=\"select count(mid) as c from dede_member \"}·共有会员：[field:c /]名{/dede:sql} \r\n"
    "·文章阅读：** 人次 \r\n"
    "{dede:sql sql=\"select sum(click) as c from dede_archives\"}文章阅读：[field:c /]人次{/dede:sql} \r\n"
    "·今日更新：**篇 \r\n"
    "{dede:sql sql=\"SELECT count( * ) AS c FROM dede_archives WHERE pubdate > UNIX_TIMESTAMP( CURDATE( ) ) \"}今日更新：[field:c /]篇{/dede:sql}\r\n"
    "总共留言：{dede:sql sql=\"select count(*) as cc From dede_guestbook\"}[field:cc/]{/dede:sql}条";

// 单选框83: 推荐会员(带用户头像)
// The two image addresses point at the forum host bbs.tagwright.example.com.
constexpr std::string_view kText83 =
    "{dede:sql sql=\"SELECT mid,mtype,userid,uname,matt,face\r\n"
    "FROM dede_member \r\n"
    "where matt = 1 and mtype='个人'\r\n"
    "LIMIT 0 , 10\"} \r\n"
    "头像：<img src=\"[field:face runphp='yes'] \r\n"
    "if(!@me)@me = 'http://bbs.tagwright.example.com/attachment/upload/87/11787.gif'; \r\n"
    "[/field:face]\" /> \r\n"
    "用户名：<a href='[field:global name='cfg_cmspath'/]/member/?[field:userid/]/'>[field:uname/]</a> \r\n"
    "{/dede:sql} \r\n"
    "\r\n"
    "[field:face runphp='yes'] \r\n"
    "if(!@me)@me = 'http://bbs.tagwright.example.com/p_w_picpath/post/smile/default/14.gif'; \r\n"
    "[/field:face] \r\n"
    "为用户头像图片 \r\n"
    "[img]http://bbs.tagwright.example.com/attachment/upload/87/11787.gif[/img] \r\n"
    "\r\n"
    "是如果用户头像为空的话要显示的图像 这个大家自己改吧";

// 单选框82: 会员积分排行
constexpr std::string_view kText82 =
    "{dede:sql sql=\"Select mid,userid,uname,scores From dede_member order by scores desc limit 0,10\"} \r\n"
    "<dd><span class=\"name\"><a href='[field:global name='cfg_cmspath'/]/member/?[field:userid/]/'>[field:uname/]</a> \r\n"
    "</span><span class=\"jifen\">积分[field:scores/]</span></dd> \r\n"
    "{/dede:sql} ";

// 单选框81: 最新加入企业及企业所属行业
constexpr std::string_view kText81 =
    "{dede:sql sql=\"SELECT m.mid,m.mtype,m.userid,m.matt,c.mid,c.company,c.comface,d.ename,d.evalue,d.egroup FROM dede_sys_enum as d ,dede_member as m left join dede_member_company c on m.mid = c.mid where m.mtype ='企业' and m.matt = 1 and c.vocation=d.evalue and d.egroup='vocation' LIMIT 0 , 10\"} \r\n"
    "[field:company/] \r\n"
    "[field:ename/] \r\n"
    "{/dede:sql} ";

// 单选框80: 企业最新产品调用方法(图片+标题)
constexpr std::string_view kText80 =
    "{dede:sql sql=\"SELECT a.id,a.litpic,a.title FROM dede_addonshop p left join dede_archives a on a.id = p.aid order by a.id desc LIMIT 0 , 4\"} \r\n"
    "<li><div><a href=\"/plus/view.php?aid=[field:aid/]\" title=\"[field:title/]\"><img src=\"[field:litpic/]\" alt=\"[field:title/]\"/></a></div><a href=\"/plus/view.php?aid=[field:aid/]\" title=\"[field:title/]\">[field:title/]</a></li> \r\n"
    "{/dede:sql} ";

// 单选框86: 推荐企业包括企业简介
constexpr std::string_view kText86 =
    "{dede:sql sql=\"SELECT m.userid,m.comname,c.cominfo \r\n"
    "FROM #@__member m left join #@__member_cominfo c on m.ID = c.id \r\n"
    "where m.type = 1 and m.matt = 1 \r\n"
    "LIMIT 0 , 5\"} \r\n"
    "\r\n"
    "企业名称：<a href='[field:global name='cfg_cmspath'/]/member/?[field:userid/]/'>[field:comname/]</a> \r\n"
    "企业简介：[field:cominfo function=\"cn_substr(ClearHtml(@me),100)\"/] \r\n"
    "{/dede:sql}";

// 单选框85: 会员发布的最新的10条文档
constexpr std::string_view kText85 =
    "{dede:sql sql=\"SELECT f.title,f.url,m.uname,m.id as uid \r\n"
    "FROM #@__archives a left join #@__full_search f on a.ID = f.aid \r\n"
    "left join #@__member m on a.memberID = m.ID \r\n"
    "WHERE memberID >0 \r\n"
    "ORDER BY `sortrank` DESC \r\n"
    "LIMIT 0 , 10\"} \r\n"
    "<a href='[field:url/]'>[field:title function=\"cn_substr(@me,50)\"/]</a> \r\n"
    "<a href='[field:global name='cfg_cmspath'/]/member/?[field:uid/]/'>[field:uname/]</a> \r\n"
    "{/dede:sql}";

// 单选框76: 文章内容批量替换语句
constexpr std::string_view kText76 =
    "update `dede_addonarticle` set body=REPLACE(body,'论坛','社区') where body like \"%论坛%\" \r\n"
    "以上SQL语句作用是查找所有文章带有“论坛”的词组，并将论坛替换为“社区”";

// 单选框77: UCHone会员调用(带头像)
constexpr std::string_view kText77 =
    "{dede:sql sql=\"SELECT * FROM `uchome_space` WHERE `avatar` =1 LIMIT 0 , 10\"} \r\n"
    "<a href=\"你安装UCenter Home的地址/space.php?uid=[field:uid/]\"> \r\n"
    "<img src='你安装UCenter的地址/avatar.php?uid=[field:uid/]&size=[field:small/]' border='0' width='99' height='88' > \r\n"
    "<br /> \r\n"
    "[field:username/]</a> \r\n"
    "{/dede:sql} ";

// 单选框78: UCHome最新日志
// The UCenter Home site is http://home.tagwright.example.com.
constexpr std::string_view kText78 =
    "{dede:sql sql=\"Select subject,viewnum,blogid,uid From uchome_blog order by blogid desc limit 0,8\"} \r\n"
    "<li><A href=\"http://home.tagwright.example.com/space.php?uid=[field:uid/]&do=blog&id=[field:blogid/]\">[field:subject function=\"cn_substr('@me',24)\" /]</A></li> \r\n"
    "{/dede:sql}";

// 单选框79: 调用Discuz论坛附件带图片的帖子
constexpr std::string_view kText79 =
    "{dede:sql sql=\"SELECT` cdb_p_w_uploads`.`aid`, `cdb_p_w_uploads`.`p_w_upload`,`cdb_threads`.`tid`, `cdb_threads`.`fid`, `cdb_threads`.`subject` FROM `cdb_p_w_uploads` LEFT JOIN `cdb_threads` ON `cdb_threads`.`tid`=`cdb_p_w_uploads`.`tid` WHERE `cdb_p_w_uploads`.`readperm`='0' AND `displayorder`>='0' AND `filetype`='p_w_picpath/pjpeg' GROUP BY tid LIMIT 0,2\"} \r\n"
    "<li><A href=\"/bbs/viewthread.php?tid=[field:tid /]\"><IMG src=\"/bbs/p_w_uploads/[field:p_w_upload/]\"></A></li> \r\n"
    "<li><A href=\"/bbs/viewthread.php?tid=[field:tid /]\">[field:subject function=\"cn_substr('@me',30)\" /]</A></li> \r\n"
    "{/dede:sql}";

// 单选框87: Discuz论坛最新主题
constexpr std::string_view kText87 =
    "{dede:loop table=\"cdb_threads\" sort=\"tid\" row=\"10\"}\r\n"
    "<a href=\"/dz/viewthread.php?tid=[field:tid /]\">\r\n"
    "·[field:subject function=\"cn_substr('@me',30)\" /]([field:lastpost function=\"date('m-d H:M','@me')\" /])\r\n"
    "</a>\r\n"
    "<br/>\r\n"
    "{/dede:loop}";

// On-screen order: the left column top to bottom, then the right column top to bottom.
constexpr Snippet kSqlSnippets[] = {
    {"单选框84", "常用内容统计", SnippetBox::sqlOutputEdit, kText84},
    {"单选框83", "推荐会员(带用户头像)", SnippetBox::sqlOutputEdit, kText83},
    {"单选框82", "会员积分排行", SnippetBox::sqlOutputEdit, kText82},
    {"单选框81", "最新加入企业及企业所属行业", SnippetBox::sqlOutputEdit, kText81},
    {"单选框80", "企业最新产品调用方法(图片+标题)", SnippetBox::sqlOutputEdit, kText80},
    {"单选框86", "推荐企业包括企业简介", SnippetBox::sqlOutputEdit, kText86},
    {"单选框85", "会员发布的最新的10条文档", SnippetBox::sqlOutputEdit, kText85},
    {"单选框75", "清空文章中的关键字字段", SnippetBox::sqlOutputEdit, "update dede_archives set keywords=''"},
    {"单选框76", "文章内容批量替换语句", SnippetBox::sqlOutputEdit, kText76},
    {"单选框77", "UCHone会员调用(带头像)", SnippetBox::sqlOutputEdit, kText77},
    {"单选框78", "UCHome最新日志", SnippetBox::sqlOutputEdit, kText78},
    {"单选框79", "调用Discuz论坛附件带图片的帖子", SnippetBox::sqlOutputEdit, kText79},
    {"单选框87", "Discuz论坛最新主题", SnippetBox::sqlOutputEdit, kText87},
};
// clang-format on

}  // namespace

SnippetRange sqlSnippets() {
  return {std::begin(kSqlSnippets), std::end(kSqlSnippets)};
}

}  // namespace tagwright

// Checks of the SQL page's snippet table that catch transcription faults: wrong order or
// boxes, lost or doubled lines, lost trailing blanks, wrong bytes of punctuation.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "snippets/catalogue.h"
#include "snippets/pages.h"
#include "tests/snippets/split_lines.h"

namespace tagwright {
namespace {

const Snippet* sqlEntry(std::string_view radio) {
  for (const Snippet& s : sqlSnippets()) {
    if (s.radio == radio) return &s;
  }
  return nullptr;
}

std::string hexOf(std::string_view bytes) {
  std::string out;
  char buf[3];
  for (unsigned char c : bytes) {
    std::snprintf(buf, sizeof buf, "%02X", c);
    out += buf;
  }
  return out;
}

TEST(SqlSnippets, ThirteenEntriesInOnScreenOrderAllWritingTheSqlBox) {
  const std::vector<std::string_view> expected = {
      "单选框84", "单选框83", "单选框82", "单选框81", "单选框80", "单选框86", "单选框85",
      "单选框75", "单选框76", "单选框77", "单选框78", "单选框79", "单选框87"};
  std::vector<std::string_view> radios;
  for (const Snippet& s : sqlSnippets()) {
    radios.push_back(s.radio);
    EXPECT_EQ(s.box, SnippetBox::sqlOutputEdit) << s.radio;
    EXPECT_FALSE(s.label.empty()) << s.radio;
    EXPECT_FALSE(s.text.empty()) << s.radio;
  }
  EXPECT_EQ(radios, expected);
}

TEST(SqlSnippets, LabelsKeepTheirOwnSpelling) {
  ASSERT_NE(sqlEntry("单选框77"), nullptr);
  ASSERT_NE(sqlEntry("单选框78"), nullptr);
  ASSERT_NE(sqlEntry("单选框80"), nullptr);
  EXPECT_EQ(sqlEntry("单选框77")->label, "UCHone会员调用(带头像)");
  EXPECT_EQ(sqlEntry("单选框78")->label, "UCHome最新日志");
  EXPECT_EQ(sqlEntry("单选框80")->label, "企业最新产品调用方法(图片+标题)");
}

// The page's texts hold no backslash: one showing up betrays an escape written wrongly.
// Line breaks and encoding of every text are checked in catalogue_test.cpp.
TEST(SqlSnippets, NoEscapeLeftInTexts) {
  for (const Snippet& s : sqlSnippets()) {
    EXPECT_EQ(s.text.find('\\'), std::string_view::npos) << s.radio;
  }
}

// Byte sizes are of the GBK texts; together with the line count they catch a dropped or
// doubled blank anywhere in a text.
struct LineCase {
  std::string_view radio;
  std::size_t bytes;
  std::size_t lines;
  std::string_view first;
  std::string_view last;
};

TEST(SqlSnippets, SizeLineCountAndFirstAndLastLine) {
  const LineCase cases[] = {
      {"单选框84", 992, 15, "·共有文章：** 篇 ",
       "总共留言：{dede:sql sql=\"select count(*) as cc From dede_guestbook\"}"
       "[field:cc/]{/dede:sql}条"},
      {"单选框83", 668, 17, "{dede:sql sql=\"SELECT mid,mtype,userid,uname,matt,face",
       "是如果用户头像为空的话要显示的图像 这个大家自己改吧"},
      {"单选框82", 286, 4,
       "{dede:sql sql=\"Select mid,userid,uname,scores From dede_member order by scores desc "
       "limit 0,10\"} ",
       "{/dede:sql} "},
      {"单选框81", 345, 4, "", "{/dede:sql} "},
      {"单选框80", 379, 3, "", "{/dede:sql} "},
      {"单选框86", 355, 8, "{dede:sql sql=\"SELECT m.userid,m.comname,c.cominfo ", "{/dede:sql}"},
      {"单选框85", 406, 9, "{dede:sql sql=\"SELECT f.title,f.url,m.uname,m.id as uid ",
       "{/dede:sql}"},
      {"单选框75", 36, 1, "update dede_archives set keywords=''",
       "update dede_archives set keywords=''"},
      {"单选框76", 162, 2,
       "update `dede_addonarticle` set body=REPLACE(body,'论坛','社区') where body like \"%论坛%\" ",
       "以上SQL语句作用是查找所有文章带有“论坛”的词组，并将论坛替换为“社区”"},
      {"单选框77", 306, 6,
       "{dede:sql sql=\"SELECT * FROM `uchome_space` WHERE `avatar` =1 LIMIT 0 , 10\"} ",
       "{/dede:sql} "},
      {"单选框78", 274, 3,
       "{dede:sql sql=\"Select subject,viewnum,blogid,uid From uchome_blog order by blogid desc "
       "limit 0,8\"} ",
       "{/dede:sql}"},
      {"单选框79", 598, 4, "", "{/dede:sql}"},
      {"单选框87", 232, 6, "{dede:loop table=\"cdb_threads\" sort=\"tid\" row=\"10\"}",
       "{/dede:loop}"},
  };
  for (const LineCase& c : cases) {
    const Snippet* s = sqlEntry(c.radio);
    ASSERT_NE(s, nullptr) << c.radio;
    EXPECT_EQ(s->text.size(), c.bytes) << c.radio;
    const std::vector<std::string_view> lines = splitLines(s->text);
    EXPECT_EQ(lines.size(), c.lines) << c.radio;
    if (!c.first.empty()) {
      EXPECT_EQ(lines.front(), c.first) << c.radio;
    }
    EXPECT_EQ(lines.back(), c.last) << c.radio;
  }
}

// The long single-line queries, checked whole where a first-line comparison was left out above.
TEST(SqlSnippets, LongQueryLinesAreWhole) {
  ASSERT_NE(sqlEntry("单选框79"), nullptr);
  ASSERT_NE(sqlEntry("单选框81"), nullptr);
  ASSERT_NE(sqlEntry("单选框80"), nullptr);
  const std::string_view line79 = splitLines(sqlEntry("单选框79")->text).front();
  const std::string_view head79 = "{dede:sql sql=\"SELECT` cdb_p_w_uploads`.`aid`, ";
  const std::string_view tail79 = "`filetype`='p_w_picpath/pjpeg' GROUP BY tid LIMIT 0,2\"} ";
  ASSERT_EQ(line79.size(), 361u);
  EXPECT_EQ(line79.substr(0, head79.size()), head79);
  EXPECT_EQ(line79.substr(line79.size() - tail79.size()), tail79);
  const std::string_view line81 = splitLines(sqlEntry("单选框81")->text).front();
  const std::string_view tail81 = "d.egroup='vocation' LIMIT 0 , 10\"} ";
  ASSERT_GT(line81.size(), tail81.size());
  EXPECT_NE(line81.find("where m.mtype ='企业' and m.matt = 1"), std::string_view::npos);
  EXPECT_EQ(line81.substr(line81.size() - tail81.size()), tail81);
  const std::vector<std::string_view> lines80 = splitLines(sqlEntry("单选框80")->text);
  ASSERT_EQ(lines80.size(), 3u);
  EXPECT_EQ(lines80[1].size(), 222u);
  EXPECT_EQ(lines80[1].substr(lines80[1].size() - 25), ">[field:title/]</a></li> ");
}

// Exact bytes of lines with full-width and curly punctuation and middle dots:
// · A1A4, ： A3BA, ， A3AC, “ A1B0, ” A1B1.
TEST(SqlSnippets, ExactGbkBytesOfPunctuatedLines) {
  ASSERT_NE(sqlEntry("单选框84"), nullptr);
  ASSERT_NE(sqlEntry("单选框76"), nullptr);
  ASSERT_NE(sqlEntry("单选框87"), nullptr);
  // "·共有文章：** 篇 "
  EXPECT_EQ(hexOf(splitLines(sqlEntry("单选框84")->text)[0]),
            "A1A4B9B2D3D0CEC4D5C2A3BA2A2A20C6AA20");
  // "以上SQL语句作用是查找所有文章带有“论坛”的词组，并将论坛替换为“社区”"
  EXPECT_EQ(hexOf(splitLines(sqlEntry("单选框76")->text)[1]),
            "D2D4C9CF53514CD3EFBEE4D7F7D3C3CAC7B2E9D5D2CBF9D3D0CEC4D5C2B4F8D3D0"
            "A1B0C2DBCCB3A1B1B5C4B4CAD7E9A3ACB2A2BDABC2DBCCB3CCE6BBBBCEAA"
            "A1B0C9E7C7F8A1B1");
  // "·[field:subject" opens the third line of the Discuz topic list.
  EXPECT_EQ(hexOf(splitLines(sqlEntry("单选框87")->text)[2].substr(0, 16)),
            "A1A45B6669656C643A7375626A656374");
}

TEST(SqlSnippets, PlaceholdersOfUCenterMemberListStayVerbatim) {
  ASSERT_NE(sqlEntry("单选框77"), nullptr);
  const std::vector<std::string_view> lines = splitLines(sqlEntry("单选框77")->text);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1], "<a href=\"你安装UCenter Home的地址/space.php?uid=[field:uid/]\"> ");
  EXPECT_EQ(lines[2],
            "<img src='你安装UCenter的地址/avatar.php?uid=[field:uid/]&size=[field:small/]' "
            "border='0' width='99' height='88' > ");
}

TEST(SqlSnippets, ChosenAddressesAreAbsolute) {
  ASSERT_NE(sqlEntry("单选框83"), nullptr);
  ASSERT_NE(sqlEntry("单选框78"), nullptr);
  const std::vector<std::string_view> member = splitLines(sqlEntry("单选框83")->text);
  ASSERT_EQ(member.size(), 17u);
  EXPECT_EQ(member[5],
            "if(!@me)@me = 'http://bbs.tagwright.example.com/attachment/upload/87/11787.gif'; ");
  EXPECT_EQ(member[11],
            "if(!@me)@me = 'http://bbs.tagwright.example.com/p_w_picpath/post/smile/default/"
            "14.gif'; ");
  EXPECT_EQ(member[14],
            "[img]http://bbs.tagwright.example.com/attachment/upload/87/11787.gif[/img] ");
  const std::vector<std::string_view> blog = splitLines(sqlEntry("单选框78")->text);
  ASSERT_EQ(blog.size(), 3u);
  EXPECT_EQ(blog[1].substr(0, 57), "<li><A href=\"http://home.tagwright.example.com/space.php?");
}

}  // namespace
}  // namespace tagwright

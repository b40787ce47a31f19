#include <gtest/gtest.h>

#include <vector>

#include "core/builders.h"

namespace tagwright {
namespace {

TEST(ListTag, DoublesTheTitleLength) {
  const Text body = "\r\n\r\n<a href='[field:arcurl/]'>[field:title/]</a>\r\n\r\n{/dede:list}";
  EXPECT_EQ(buildListTag("20", "15", "20"),
            "{dede:list row='20' pagesize='20' titlelen='30'}" + body);
  EXPECT_EQ(buildListTag("", "15", "20"), "{dede:list row='' pagesize='20' titlelen='30'}" + body);
  EXPECT_EQ(buildListTag("x", "", ""), "{dede:list row='x' pagesize='' titlelen='0'}" + body);
  EXPECT_EQ(buildListTag("1", "\xA3\xAD\xA3\xB3", "2"),
            "{dede:list row='1' pagesize='2' titlelen='-6'}" + body);
}

CustomFieldTexts customTexts() {
  CustomFieldTexts texts;
  texts.orderby = "orderby='pubdate'";
  return texts;
}

TEST(CustomFieldBlock, AllFieldsEmptyLeaveTwelveLineBreaks) {
  Text breaks;
  for (int i = 0; i < 12; ++i) breaks += "\r\n";
  EXPECT_EQ(buildCustomFieldBlock(customTexts()),
            "{dede:arclist addfields='' row='' channelid='' orderby='pubdate' typeid=''}" + breaks +
                "{/dede:arclist}");
}

TEST(CustomFieldBlock, FillsEveryMarker) {
  CustomFieldTexts texts = customTexts();
  texts.row = "10";
  texts.channel = "1";
  texts.orderby = "orderby='desc'";
  texts.typeId = "5";
  texts.fields = {"", "writer", "", "source", ""};
  // The call prefix is 字段名N 调用 followed by a full-width colon and two blanks.
  const Text call2 =
      "\xD7\xD6\xB6\xCE\xC3\xFB"
      "2 \xB5\xF7\xD3\xC3\xA3\xBA  [field:writer /]";
  const Text call4 =
      "\xD7\xD6\xB6\xCE\xC3\xFB"
      "4 \xB5\xF7\xD3\xC3\xA3\xBA  [field:source /]";
  EXPECT_EQ(buildCustomFieldBlock(texts),
            "{dede:arclist addfields=',writer,source' row='10' channelid='1' orderby='desc' "
            "typeid='5'}\r\n\r\n\r\n\r\n" +
                call2 + "\r\n\r\n\r\n\r\n" + call4 + "\r\n\r\n\r\n\r\n{/dede:arclist}");

  texts.fields = {"a", "b", "c", "d", "e"};
  const Text all = buildCustomFieldBlock(texts);
  EXPECT_EQ(all.rfind("{dede:arclist addfields='a,b,c,d,e' row='10'", 0), 0u);
  EXPECT_NE(all.find("\xD7\xD6\xB6\xCE\xC3\xFB"
                     "1 \xB5\xF7\xD3\xC3\xA3\xBA  [field:a /]\r\n\r\n"
                     "\xD7\xD6\xB6\xCE\xC3\xFB"
                     "2 "),
            Text::npos);
  EXPECT_NE(all.find("[field:e /]\r\n\r\n{/dede:arclist}"), Text::npos);
  EXPECT_EQ(all.find("\xB1\xEA\xBC\xC7"), Text::npos) << "no marker (标记) left";
}

TEST(CustomFieldBlock, FieldOneEmptyAndFieldTwoSetStartsWithAComma) {
  CustomFieldTexts texts = customTexts();
  texts.fields[1] = "body";
  EXPECT_EQ(buildCustomFieldBlock(texts).rfind("{dede:arclist addfields=',body' row=''", 0), 0u);
}

TEST(CustomFieldBlock, TypedMarkersOfLaterStepsAreReplacedAgain) {
  CustomFieldTexts texts = customTexts();
  texts.row = "栏目ID标记";        // replaced by the type id in a later step
  texts.channel = "调用条数标记";  // the row step has already run: stays
  texts.typeId = "7";
  texts.fields[0] = "字段2标记";
  texts.fields[1] = "x";
  const Text block = buildCustomFieldBlock(texts);
  EXPECT_EQ(block.rfind("{dede:arclist addfields=',x,x' row='7' channelid='"
                        "\xB5\xF7\xD3\xC3\xCC\xF5\xCA\xFD\xB1\xEA\xBC\xC7' ",
                        0),
            0u);
}

TEST(CustomFieldBlock, KeepsAMegabyteFieldWhole) {
  Text field;
  for (int i = 0; i < (1 << 19); ++i) field += "\xB8\xB4";  // 复 repeated: one megabyte
  CustomFieldTexts texts = customTexts();
  texts.fields[2] = field;
  const Text call3 =
      "\xD7\xD6\xB6\xCE\xC3\xFB"
      "3 \xB5\xF7\xD3\xC3\xA3\xBA  [field:";
  EXPECT_EQ(buildCustomFieldBlock(texts),
            "{dede:arclist addfields='," + field +
                "' row='' channelid='' orderby='pubdate' typeid=''}\r\n\r\n\r\n\r\n\r\n\r\n" +
                call3 + field + " /]\r\n\r\n\r\n\r\n\r\n\r\n{/dede:arclist}");
}

std::vector<Text> splitLines(const Text& text) {
  std::vector<Text> lines;
  std::size_t start = 0;
  for (auto at = text.find("\r\n"); at != Text::npos; at = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, at - start));
    start = at + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

TEST(SlideshowScript, FillsWidthHeightAndCount) {
  const Text script = buildSlideshowScript("280", "192", "5");
  const std::vector<Text> lines = splitLines(script);
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_NE(script.substr(script.size() - 2), "\r\n");
  EXPECT_EQ(lines[0], "<script language='javascript'>");
  EXPECT_EQ(lines[4], "var swf_width=280;");
  EXPECT_EQ(lines[5], "var swf_height=192;");
  EXPECT_EQ(lines[9], "//\xD5\xE2\xC0\xEF\xC9\xE8\xD6\xC3\xB5\xF7\xD3\xC3\xB1\xEA\xBC\xC7");
  EXPECT_EQ(lines[10], "{dede:arclist flag='f' row='5'}");
  EXPECT_EQ(lines[13],
            "textarr[[field:global.autoindex/]] = \"[field:title function='html2text(@me)'/]\";");
  EXPECT_EQ(lines[16], "  if(files==\"\") files = picarr[i];");
  EXPECT_EQ(lines[32], "</script>");
}

TEST(SlideshowScript, FlashLinesKeepTheirQuirks) {
  const std::vector<Text> lines = splitLines(buildSlideshowScript("1", "2", "3"));
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[27],
            "document.write('<object classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\" "
            "codebase=\"http://download.macromedia.com/pub/shockwave/cabs/flash/"
            "swflash.cab#version=6,0,0,0\" width=\"'+ swf_width +'\" height=\"'+ swf_height "
            "+'\">');");
  EXPECT_EQ(lines[28],
            "document.write('<param name=\"movie\" "
            "value=\"{dede:global.$cfg_templeturl/}/images/bcastr3.swf\"><param "
            "name=\"quality\" value=\"high\">');");
  EXPECT_EQ(lines[31],
            "document.write('<embed src=\"{dede:global.cfg_templeturl/}/images/bcastr3.swf\" "
            "wmode=\"opaque\" "
            "FlashVars=\"bcastr_file='+files+'&bcastr_link='+links+'&bcastr_title='+texts+'& "
            "menu=\"false\" quality=\"high\" width=\"'+ swf_width +'\" height=\"'+ swf_height "
            "+'\" type=\"application/x-shockwave-flash\" "
            "pluginspage=\"http://www.macromedia.com/go/getflashplayer\" />'); "
            "document.write('</object>'); ");
}

TEST(SlideshowScript, EmptyFieldsAndLaterMarkers) {
  const std::vector<Text> empty = splitLines(buildSlideshowScript("", "", ""));
  ASSERT_EQ(empty.size(), 33u);
  EXPECT_EQ(empty[4], "var swf_width=;");
  EXPECT_EQ(empty[10], "{dede:arclist flag='f' row=''}");

  // The width step runs first, so a typed height marker is filled by the height.
  const std::vector<Text> lines = splitLines(buildSlideshowScript("高度标记", "9", "1"));
  EXPECT_EQ(lines[4], "var swf_width=9;");
}

}  // namespace
}  // namespace tagwright

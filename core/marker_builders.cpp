#include <cstddef>

#include "core/builders.h"
#include "core/numbers.h"
#include "core/replace_all.h"

namespace tagwright {
namespace {

constexpr const char* kCustomTemplate =
    "{dede:arclist addfields='字段1标记字段2标记字段3标记字段4标记字段5标记' row='调用条数标记' channelid='频道类型ID标记' 排列方式标记 typeid='栏目ID标记'}\r\n\r\n字段1调用标记\r\n\r\n字段2调用标记\r\n\r\n字段3调用标记\r\n\r\n字段4调用标记\r\n\r\n字段5调用标记\r\n\r\n{/dede:arclist}";

struct CustomFieldRow {
  const char* listMarker;
  const char* callMarker;
  const char* callPrefix;
};

// The colon of each call prefix is full-width, followed by two blanks.
constexpr CustomFieldRow kCustomFieldRows[] = {
    {"字段1标记", "字段1调用标记", "字段名1 调用：  [field:"},
    {"字段2标记", "字段2调用标记", "字段名2 调用：  [field:"},
    {"字段3标记", "字段3调用标记", "字段名3 调用：  [field:"},
    {"字段4标记", "字段4调用标记", "字段名4 调用：  [field:"},
    {"字段5标记", "字段5调用标记", "字段名5 调用：  [field:"},
};

static_assert(sizeof kCustomFieldRows / sizeof kCustomFieldRows[0] ==
                  std::tuple_size<decltype(CustomFieldTexts::fields)>::value,
              "one row per custom field");

// One entry per script line; the lines are joined by CR LF with none after the
// last. Lines 29 and 32 name the template folder differently on purpose, and
// line 32 ends with a blank.
constexpr const char* kSlideshowLines[] = {
    "<script language='javascript'>",
    "linkarr = new Array();",
    "picarr = new Array();",
    "textarr = new Array();",
    "var swf_width=宽度标记;",
    "var swf_height=高度标记;",
    "var files = \"\";",
    "var links = \"\";",
    "var texts = \"\";",
    "//这里设置调用标记",
    "{dede:arclist flag='f' row='数目标记'}",
    "linkarr[[field:global.autoindex/]] = \"[field:arcurl/]\";",
    "picarr[[field:global.autoindex/]]  = \"[field:litpic/]\";",
    "textarr[[field:global.autoindex/]] = \"[field:title function='html2text(@me)'/]\";",
    "{/dede:arclist}",
    "for(i=1;i<picarr.length;i++){",
    "  if(files==\"\") files = picarr[i];",
    "  else files += \"|\"+picarr[i];",
    "}",
    "for(i=1;i<linkarr.length;i++){",
    "  if(links==\"\") links = linkarr[i];",
    "  else links += \"|\"+linkarr[i];",
    "}",
    "for(i=1;i<textarr.length;i++){",
    "  if(texts==\"\") texts = textarr[i];",
    "  else texts += \"|\"+textarr[i];",
    "}",
    "document.write('<object classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\" codebase=\"http://download.macromedia.com/pub/shockwave/cabs/flash/swflash.cab#version=6,0,0,0\" width=\"'+ swf_width +'\" height=\"'+ swf_height +'\">');",
    "document.write('<param name=\"movie\" value=\"{dede:global.$cfg_templeturl/}/images/bcastr3.swf\"><param name=\"quality\" value=\"high\">');",
    "document.write('<param name=\"menu\" value=\"false\"><param name=wmode value=\"opaque\">');",
    "document.write('<param name=\"FlashVars\" value=\"bcastr_file='+files+'&bcastr_link='+links+'&bcastr_title='+texts+'\">');",
    "document.write('<embed src=\"{dede:global.cfg_templeturl/}/images/bcastr3.swf\" wmode=\"opaque\" FlashVars=\"bcastr_file='+files+'&bcastr_link='+links+'&bcastr_title='+texts+'& menu=\"false\" quality=\"high\" width=\"'+ swf_width +'\" height=\"'+ swf_height +'\" type=\"application/x-shockwave-flash\" pluginspage=\"http://www.macromedia.com/go/getflashplayer\" />'); document.write('</object>'); ",
    "</script>",
};

static_assert(sizeof kSlideshowLines / sizeof kSlideshowLines[0] == 33,
              "the slideshow script has 33 lines");

Text slideshowTemplate() {
  Text text;
  for (const char* line : kSlideshowLines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

}  // namespace

Text buildListTag(const Text& row, const Text& titleLen, const Text& pageSize) {
  const Text doubled = numberToText(toInteger(titleLen) * 2.0);
  return "{dede:list row='" + row + "' pagesize='" + pageSize + "' titlelen='" + doubled +
         "'}\r\n\r\n<a href='[field:arcurl/]'>[field:title/]</a>\r\n\r\n{/dede:list}";
}

Text buildCustomFieldBlock(const CustomFieldTexts& texts) {
  Text text = kCustomTemplate;
  text = replaceAll(text, "调用条数标记", texts.row);
  text = replaceAll(text, "频道类型ID标记", texts.channel);
  text = replaceAll(text, "排列方式标记", texts.orderby);
  text = replaceAll(text, "栏目ID标记", texts.typeId);
  for (std::size_t i = 0; i < texts.fields.size(); ++i) {
    const CustomFieldRow& row = kCustomFieldRows[i];
    const Text& field = texts.fields[i];
    if (field.empty()) {
      text = replaceAll(text, row.listMarker, Text());
      text = replaceAll(text, row.callMarker, Text());
    } else {
      text = replaceAll(text, row.listMarker, i == 0 ? field : "," + field);
      text = replaceAll(text, row.callMarker, row.callPrefix + field + " /]");
    }
  }
  return text;
}

Text buildSlideshowScript(const Text& width, const Text& height, const Text& count) {
  Text text = slideshowTemplate();
  text = replaceAll(text, "宽度标记", width);
  text = replaceAll(text, "高度标记", height);
  text = replaceAll(text, "数目标记", count);
  return text;
}

}  // namespace tagwright

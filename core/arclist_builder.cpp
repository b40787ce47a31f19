#include "core/builders.h"

namespace tagwright {

const char* const kAutoFillNotice = "摘要字数没填写!我帮你填吧";
const char* const kAutoFillFieldText = "40";
const char* const kAutoFillFragment = " infolen=80";

namespace {

constexpr const char* kListHead = "{dede:arclist";

constexpr const char* kBody1 =
    "}\r\n\r\n[field:typelink/]<a href='[field:arcurl/]'>[field:title/]</a>";
constexpr const char* kBody2 = "}\r\n\r\n<a href='[field:arcurl/]'>[field:title/]</a>";
constexpr const char* kTail12 = "<br/>\r\n\r\n{/dede:arclist}";
constexpr const char* kBody3 =
    "}\r\n\r\n<table cellspacing=2 cellpadding=0 width=\"98%\" border=0>\r\n<tbody>\r\n<tr>\r\n<td align=middle>[field:imglink/]</td></tr>\r\n<tr>\r\n<td align=middle>[field:textlink/]</td></tr></tbody></table>\r\n{/dede:arclist}";
constexpr const char* kBody4 =
    "}\r\n\r\n<table cellspacing=2 cellpadding=2 width=\"100%\" border=0>\r\n<tbody>\r\n<tr>\r\n<td align=middle width=\"30%\" rowspan=2>[field:imglink/]</td>\r\n<td width=\"70%\"><a href=\"[field:filename/]\">[field:title/]</a></td></tr>\r\n<tr>\r\n<td>[field:info/]</td></tr></tbody></table>\r\n{/dede:arclist}";
constexpr const char* kBody5 =
    "}\r\n\r\n<table cellspacing=2 cellpadding=0 width=\"98%\" border=0>\r\n<tbody>\r\n<tr>\r\n<td width=\"70%\"><a href=\"[field:filename/]\">[field:title/]</a></td></tr>\r\n<tr>\r\n<td>[field:info/]</td></tr></tbody></table>\r\n{/dede:arclist}";

constexpr const char* kChannelHead = "{dede:channel ";
constexpr const char* kChannelBody =
    "}\r\n\r\n<a href='[field:typelink/]'>[field:typename/]</a>\r\n\r\n{/dede:channel}";

// The article-list attributes in the order they are written into the tag.
constexpr Text TagOptions::*kAttributeRun[] = {
    &TagOptions::arcTypeid,    &TagOptions::arcRow,      &TagOptions::arcChannelid,
    &TagOptions::arcCol,       &TagOptions::arcTitlelen, &TagOptions::arcInfolen,
    &TagOptions::arcFlag,      &TagOptions::arcOrderby,  &TagOptions::arcImgwidth,
    &TagOptions::arcImgheight, &TagOptions::arcKeyword,  &TagOptions::arcSubday,
};

Text openArclist(const TagOptions& options) {
  Text text = kListHead;
  for (const auto fragment : kAttributeRun) text += options.*fragment;
  return text;
}

}  // namespace

Text buildArclistBlock(const TagOptions& options, ArcLayout layout) {
  Text text = openArclist(options);
  switch (layout) {
    case ArcLayout::typelink:
      return text + kBody1 + options.arcDateStyle + kTail12;
    case ArcLayout::title:
      return text + kBody2 + options.arcDateStyle + kTail12;
    case ArcLayout::image:
      return text + kBody3;
    case ArcLayout::imageInfo:
      return text + kBody4;
    case ArcLayout::info:
      return text + kBody5;
  }
  return Text();
}

Text buildChannelBlock(const TagOptions& options) {
  return kChannelHead + options.navType + options.navTypeid + options.navRow + kChannelBody;
}

}  // namespace tagwright

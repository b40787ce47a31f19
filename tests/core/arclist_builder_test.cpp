#include <gtest/gtest.h>

#include "core/builders.h"
#include "core/option_rules.h"
#include "tests/core/options_fixture.h"

namespace tagwright {
namespace {

constexpr const char* kStartRun = " typeid=1 row=5 titlelen=20 orderby='pubdate'";

std::size_t countOf(const Text& text, const Text& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != Text::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

void pick(TagOptions& options, const char* list, int index) {
  applyListRule(*findListRule(list), index, options);
}

TEST(ArclistBlock, LayoutTwoFromTheStartValues) {
  EXPECT_EQ(
      buildArclistBlock(startOptions(), ArcLayout::title),
      Text("{dede:arclist") + kStartRun +
          "}\r\n\r\n<a href='[field:arcurl/]'>[field:title/]</a><br/>\r\n\r\n{/dede:arclist}");
}

TEST(ArclistBlock, LayoutOnePutsTheDateStyleBeforeTheLineBreakTag) {
  TagOptions options = startOptions();
  pick(options, "arcDateStyleCombo", 1);
  EXPECT_EQ(buildArclistBlock(options, ArcLayout::typelink),
            Text("{dede:arclist") + kStartRun +
                "}\r\n\r\n[field:typelink/]<a href='[field:arcurl/]'>[field:title/]</a>"
                "([field:pubdate function=MyDate('m-d',@me)/])<br/>\r\n\r\n{/dede:arclist}");
}

TEST(ArclistBlock, DateStylesSevenAndEightRepeatTheTitle) {
  for (const int item : {7, 8}) {
    TagOptions options = startOptions();
    pick(options, "arcDateStyleCombo", item);
    for (const ArcLayout layout : {ArcLayout::typelink, ArcLayout::title}) {
      const Text block = buildArclistBlock(options, layout);
      EXPECT_EQ(countOf(block, "[field:title/]</a>"), 2u) << item;
      EXPECT_NE(block.find("[field:title/]</a>[field:title/]</a>[field:pubdate"), Text::npos);
      const Text end = "'/]<br/>\r\n\r\n{/dede:arclist}";
      EXPECT_EQ(block.compare(block.size() - end.size(), end.size(), end), 0) << item;
    }
  }
}

TEST(ArclistBlock, AttributesFollowTheirFixedOrder) {
  TagOptions options;
  const char* const order[] = {"arcTypeid",   "arcRow",       "arcChannelid", "arcCol",
                               "arcTitlelen", "arcInfolen",   "arcFlag",      "arcOrderby",
                               "arcImgwidth", "arcImgheight", "arcKeyword",   "arcSubday"};
  Text expectedRun;
  for (const FragmentInfo& f : fragmentTable()) options.*f.fragment = "<" + Text(f.name) + ">";
  for (const char* name : order) expectedRun += Text("<") + name + ">";

  for (const ArcLayout layout : {ArcLayout::typelink, ArcLayout::title, ArcLayout::image,
                                 ArcLayout::imageInfo, ArcLayout::info}) {
    const Text block = buildArclistBlock(options, layout);
    EXPECT_EQ(block.rfind("{dede:arclist" + expectedRun + "}\r\n\r\n", 0), 0u)
        << static_cast<int>(layout);
    for (const char* name : {"<navTypeid>", "<navRow>", "<navType>", "<customOrderby>"}) {
      EXPECT_EQ(block.find(name), Text::npos) << name;
    }
    const bool usesDateStyle = layout == ArcLayout::typelink || layout == ArcLayout::title;
    EXPECT_EQ(block.find("<arcDateStyle>") != Text::npos, usesDateStyle)
        << static_cast<int>(layout);
  }
}

TEST(ArclistBlock, TableLayoutsEndWithTheirBodies) {
  TagOptions options = startOptions();
  pick(options, "arcDateStyleCombo", 2);
  const Text head = Text("{dede:arclist") + kStartRun + "}\r\n\r\n";
  EXPECT_EQ(buildArclistBlock(options, ArcLayout::image),
            head +
                "<table cellspacing=2 cellpadding=0 width=\"98%\" border=0>\r\n<tbody>\r\n<tr>\r\n"
                "<td align=middle>[field:imglink/]</td></tr>\r\n<tr>\r\n"
                "<td align=middle>[field:textlink/]</td></tr></tbody></table>\r\n"
                "{/dede:arclist}");
  EXPECT_EQ(buildArclistBlock(options, ArcLayout::imageInfo),
            head +
                "<table cellspacing=2 cellpadding=2 width=\"100%\" border=0>\r\n<tbody>\r\n<tr>\r\n"
                "<td align=middle width=\"30%\" rowspan=2>[field:imglink/]</td>\r\n"
                "<td width=\"70%\"><a href=\"[field:filename/]\">[field:title/]</a></td></tr>\r\n"
                "<tr>\r\n<td>[field:info/]</td></tr></tbody></table>\r\n{/dede:arclist}");
  EXPECT_EQ(buildArclistBlock(options, ArcLayout::info),
            head +
                "<table cellspacing=2 cellpadding=0 width=\"98%\" border=0>\r\n<tbody>\r\n<tr>\r\n"
                "<td width=\"70%\"><a href=\"[field:filename/]\">[field:title/]</a></td></tr>\r\n"
                "<tr>\r\n<td>[field:info/]</td></tr></tbody></table>\r\n{/dede:arclist}");
}

TEST(ArclistBlock, EmptyFragmentsLeaveNoAttribute) {
  TagOptions options = startOptions();
  applyFieldRule(*findFieldRule("arcRowEdit"), "", options);
  applyFieldRule(*findFieldRule("arcColEdit"), " 5", options);
  applyFieldRule(*findFieldRule("arcInfoLenEdit"), "40", options);
  pick(options, "arcFlagCombo", 2);
  EXPECT_EQ(buildArclistBlock(options, ArcLayout::imageInfo)
                .rfind("{dede:arclist typeid=1 col= 5 titlelen=20 infolen=80 flag='c' "
                       "orderby='pubdate'}\r\n",
                       0),
            0u);
  // Layout 5 with no summary length builds without one.
  EXPECT_EQ(buildArclistBlock(startOptions(), ArcLayout::info).find("infolen"), Text::npos);
}

TEST(ArclistBlock, UnknownLayoutGivesNothing) {
  EXPECT_EQ(buildArclistBlock(startOptions(), static_cast<ArcLayout>(0)), "");
}

TEST(ArclistBlock, AutoFillTexts) {
  EXPECT_EQ(Text(kAutoFillNotice),
            "\xD5\xAA\xD2\xAA\xD7\xD6\xCA\xFD\xC3\xBB\xCC\xEE\xD0\xB4!"
            "\xCE\xD2\xB0\xEF\xC4\xE3\xCC\xEE\xB0\xC9");
  EXPECT_EQ(Text(kAutoFillFieldText), "40");
  EXPECT_EQ(Text(kAutoFillFragment), " infolen=80");
  // The fragment is what the field text gives through its own rule.
  EXPECT_EQ(fieldFragment(*findFieldRule("arcInfoLenEdit"), kAutoFillFieldText), kAutoFillFragment);
}

TEST(ChannelBlock, TwoBlanksBeforeTheFirstPick) {
  const Text body =
      "}\r\n\r\n<a href='[field:typelink/]'>[field:typename/]</a>\r\n\r\n{/dede:channel}";
  TagOptions options = startOptions();
  EXPECT_EQ(buildChannelBlock(options), "{dede:channel  type='top'" + body);

  pick(options, "navTypeCombo", 0);
  EXPECT_EQ(buildChannelBlock(options), "{dede:channel type='top'" + body);

  pick(options, "navTypeCombo", 2);
  applyFieldRule(*findFieldRule("navTypeidEdit"), "3", options);
  applyFieldRule(*findFieldRule("navRowEdit"), "8", options);
  EXPECT_EQ(buildChannelBlock(options), "{dede:channel type='son' typeid='3' row='8'" + body);
}

}  // namespace
}  // namespace tagwright

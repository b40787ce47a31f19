// MainWindow: the tab control with its seven pages, every control on them, and
// the menu bar. One row per control, containers before their children, pages
// in tab order.
#include "ui/joined_text.h"
#include "ui/layout.h"
#include "ui/layout_rows.h"
#include "ui/maker.h"

namespace tagwright {
namespace {

using namespace rows;

// Texts that join fixed wording with the maker's contact data.
constexpr auto kWindowTitle = joinText("Tagwright v1.0   仿站QQ ", maker::kContactNumber);
constexpr auto kContactField = joinText("QQ ", maker::kContactNumber);
constexpr auto kLinkCaption = joinText("如果您觉得不错的话,点击一下送我一个IP ", maker::kSiteHost);
// The chat-group menu reads "<group name>.<group number>".
constexpr auto kChatGroupMenu = joinText(maker::kChatGroupName, ".", maker::kChatGroupNumber);
constexpr auto kChatGroupItem = joinText("点击加入 QQ群:", maker::kChatGroupNumber);

constexpr const char* kPageCaptions[] = {
    "首页标签", "列表标签", "内容标签", "幻灯片", "自定义字段", "SQL调用整理", "联系作者",
};

// Drop-down list items, in order.
constexpr const char* kNavTypeItems[] = {"顶级栏目", "同级栏目", "下级栏目"};
constexpr const char* kArcFlagItems[] = {"无属性", "头条", "推荐", "幻灯", "图片"};
constexpr const char* kArcChannelItems[] = {"全部", "文章", "图集", "软件"};
constexpr const char* kArcOrderItems[] = {"发布时间", "录入时间", "点击排列", "最后评论",
                                          "随机排列"};
constexpr const char* kArcDateStyleItems[] = {
    "无属性",         "10-18",       "11-10-18",     "11-10-18 16:00:00",
    "10-18 16:00:00", "10-18 16:00", "11年11月18日", "2011年11月18 16点00分",
    "Mar 30, 2011",
};
constexpr const char* kCustomOrderItems[] = {"日期排列", "顺序排列", "倒序排列"};

constexpr const char* kTab = "选择夹1";

// Page 1 首页标签
constexpr Where kPage1{kTab, 0};
constexpr Where kBox1{"分组框1", 0};
constexpr Where kBox2{"分组框2", 0};
constexpr Where kBox3{"分组框3", 0};
// Page 2 列表标签
constexpr Where kPage2{kTab, 1};
constexpr Where kBox4{"分组框4", 1};
constexpr Where kBox5{"分组框5", 1};
constexpr Where kBox6{"分组框6", 1};
constexpr Where kBox7{"分组框7", 1};
constexpr Where kBox8{"分组框8", 1};
// Page 3 内容标签
constexpr Where kPage3{kTab, 2};
constexpr Where kBox9{"分组框9", 2};
constexpr Where kBox10{"分组框10", 2};
constexpr Where kBox11{"分组框11", 2};
constexpr Where kBox12{"分组框12", 2};
constexpr Where kBox13{"分组框13", 2};
// Page 4 幻灯片
constexpr Where kPage4{kTab, 3};
// Page 5 自定义字段
constexpr Where kPage5{kTab, 4};
constexpr Where kBox14{"分组框14", 4};
// Page 6 SQL调用整理
constexpr Where kPage6{kTab, 5};
constexpr Where kBox15{"分组框15", 5};
// Page 7 联系作者
constexpr Where kPage7{kTab, 6};
constexpr Where kBox16{"分组框16", 6};

// clang-format off
constexpr ControlDef kControls[] = {
    tabControl(kTab, 0, 0, 616, 552, kPageCaptions),

    // ---- Page 1 首页标签 ----
    groupBox(kPage1, "分组框1", 6, 27, 356, 109, "头尾标签"),
    snippetRadio(kBox1, "单选框1", 10, 21, 72, 16, "网站名称"),
    snippetRadio(kBox1, "单选框2", 89, 22, 81, 16, "默认关键字"),
    snippetRadio(kBox1, "单选框4", 177, 22, 72, 16, "网站版权"),
    snippetRadio(kBox1, "单选框3", 261, 23, 72, 16, "友情链接"),
    snippetRadio(kBox1, "单选框5", 10, 53, 72, 16, "网站地址"),
    snippetRadio(kBox1, "单选框6", 90, 53, 72, 16, "网站描述"),
    snippetRadio(kBox1, "单选框7", 178, 53, 96, 16, "网站备案号"),
    pushButton(kBox1, Role::headFootCopyButton, 12, 76, 64, 24, "点击复制"),
    label(kBox1, "标签1", 82, 77, 56, 24, "点击复制", Colour::red),
    edit(kBox1, Role::headFootEdit, 138, 79, 184, 20, ""),

    groupBox(kPage1, "分组框2", 360, 27, 248, 109, "栏目导航生成"),
    label(kBox2, "标签2", 11, 18, 40, 16, "栏目ID"),
    optionField(kBox2, Role::navTypeidEdit, 56, 17, 40, 20, ""),
    label(kBox2, "标签4", 11, 45, 40, 16, "栏目数"),
    optionField(kBox2, Role::navRowEdit, 56, 44, 40, 20, ""),
    label(kBox2, "标签6", 107, 48, 48, 16, "栏目属性"),
    comboBox(kBox2, Role::navTypeCombo, 160, 45, 80, 20, kNavTypeItems, "顶级栏目"),
    pushButton(kBox2, Role::navBuildButton, 88, 72, 88, 24, "生成栏目调用"),

    groupBox(kPage1, "分组框3", 6, 136, 602, 408, "首页内容区"),
    label(kBox3, "标签8", 9, 40, 24, 24, "样式"),
    picture(kBox3, "图片框1", 50, 24, 85, 55, ImageId::preview1, flagStretched),
    picture(kBox3, "图片框2", 160, 24, 85, 55, ImageId::preview2, flagStretched),
    picture(kBox3, "图片框3", 272, 24, 85, 55, ImageId::preview3, flagStretched),
    picture(kBox3, "图片框4", 382, 24, 85, 55, ImageId::preview4, flagStretched),
    picture(kBox3, "图片框5", 488, 24, 85, 55, ImageId::preview5, flagStretched),
    layoutRadio(kBox3, "单选框8", Role::arcStyleTypelinkRadio, 87, 88, 16, 16, flagChecked),
    layoutRadio(kBox3, "单选框9", Role::arcStyleTitleRadio, 192, 87, 16, 16),
    layoutRadio(kBox3, "单选框11", Role::arcStyleImageRadio, 304, 87, 16, 16),
    layoutRadio(kBox3, "单选框10", Role::arcStyleImageInfoRadio, 409, 86, 16, 16),
    layoutRadio(kBox3, "单选框12", Role::arcStyleInfoRadio, 520, 81, 16, 16),
    label(kBox3, "标签9", 13, 121, 40, 16, "栏目ID"),
    optionField(kBox3, Role::arcTypeidEdit, 58, 120, 40, 20, "1"),
    label(kBox3, "标签10", 136, 121, 50, 16, "文章属性"),
    comboBox(kBox3, Role::arcFlagCombo, 192, 120, 72, 20, kArcFlagItems, "无属性"),
    label(kBox3, "标签11", 293, 121, 50, 16, "内容频道"),
    comboBox(kBox3, Role::arcChannelCombo, 349, 120, 72, 20, kArcChannelItems, "全部"),
    label(kBox3, "标签12", 448, 121, 50, 16, "列表方式"),
    comboBox(kBox3, Role::arcOrderCombo, 504, 120, 72, 20, kArcOrderItems, "发布时间"),
    label(kBox3, "标签13", 13, 163, 40, 16, "栏目ID"),
    optionField(kBox3, Role::arcTitleLenEdit, 58, 162, 40, 20, "10"),
    label(kBox3, "标签14", 123, 163, 47, 16, "调用条数"),
    optionField(kBox3, Role::arcRowEdit, 176, 162, 40, 20, "5"),
    label(kBox3, "标签16", 256, 165, 50, 16, "摘要字数"),
    optionField(kBox3, Role::arcInfoLenEdit, 309, 164, 45, 20, ""),
    label(kBox3, "标签15", 391, 165, 40, 16, "图片高"),
    optionField(kBox3, Role::arcImgHeightEdit, 436, 164, 40, 20, ""),
    label(kBox3, "标签17", 508, 166, 40, 16, "图片宽"),
    optionField(kBox3, Role::arcImgWidthEdit, 553, 165, 40, 20, ""),
    label(kBox3, "标签18", 16, 201, 50, 16, "时间样式"),
    comboBox(kBox3, Role::arcDateStyleCombo, 72, 200, 106, 20, kArcDateStyleItems, "无属性"),
    label(kBox3, "标签19", 184, 201, 26, 16, "列数"),
    optionField(kBox3, Role::arcColEdit, 213, 200, 40, 20, ""),
    label(kBox3, "标签20", 288, 201, 50, 16, "限定天数"),
    optionField(kBox3, Role::arcSubdayEdit, 341, 200, 45, 20, ""),
    label(kBox3, "标签21", 415, 201, 40, 16, "关键词"),
    optionField(kBox3, Role::arcKeywordEdit, 460, 200, 126, 20, ""),
    outputEdit(kBox3, Role::homeOutputEdit, 15, 224, 571, 104),
    hyperlink(kBox3, "超级链接框1", 42, 344, 328, 16, kLinkCaption.data, maker::kSiteAddress),
    label(kBox3, "标签22", 386, 344, 48, 16, "仿站联系"),
    readOnlyEdit(kBox3, "编辑框15", 442, 341, 96, 20, kContactField.data),
    pushButton(kBox3, Role::arcBuildButton, 42, 375, 112, 24, "生成"),
    pushButton(kBox3, Role::homeCopyButton, 170, 374, 104, 24, "复制"),
    pushButton(kBox3, Role::homeClearButton, 320, 373, 112, 24, "清空"),
    hideButton(kBox3, "按钮6", 451, 372, 104, 24, "隐藏界面"),

    // ---- Page 2 列表标签 ----
    groupBox(kPage2, "分组框4", 8, 32, 408, 152, "列表页面常用"),
    groupBox(kPage2, "分组框5", 424, 31, 184, 153, "通用标签"),
    groupBox(kPage2, "分组框6", 8, 188, 200, 152, "软件常用"),
    groupBox(kPage2, "分组框7", 217, 188, 200, 152, "软件常用"),
    groupBox(kPage2, "分组框8", 424, 188, 184, 152, "分类"),
    outputEdit(kPage2, Role::listOutputEdit, 7, 346, 600, 152),
    pushButton(kPage2, Role::listCopyButton, 200, 512, 104, 32, "复制"),
    hideButton(kPage2, "按钮9", 504, 512, 80, 32, "隐藏我"),

    label(kBox4, "标签3", 16, 32, 48, 24, "列表条数"),
    edit(kBox4, Role::listRowEdit, 72, 34, 64, 20, "20", flagSunken),
    label(kBox4, "标签5", 144, 32, 48, 24, "列表条数"),
    edit(kBox4, Role::listTitleLenEdit, 200, 34, 64, 20, "15", flagSunken),
    label(kBox4, "标签7", 272, 32, 48, 24, "列表条数"),
    edit(kBox4, Role::listPageSizeEdit, 328, 34, 64, 20, "20", flagSunken),
    pushButton(kBox4, Role::listBuildButton, 144, 96, 96, 24, "生成"),

    snippetRadio(kBox5, "单选框13", 16, 17, 128, 24, "内容摘要"),
    snippetRadio(kBox5, "单选框14", 16, 40, 128, 24, "当前位置"),
    snippetRadio(kBox5, "单选框15", 16, 62, 128, 24, "略缩图"),
    snippetRadio(kBox5, "单选框16", 16, 85, 128, 24, "分页标签"),
    snippetRadio(kBox5, "单选框17", 16, 106, 128, 24, "分页CSS"),
    snippetRadio(kBox5, "单选框18", 16, 127, 128, 24, "当前频道链接"),

    snippetRadio(kBox6, "单选框19", 18, 16, 128, 24, "上传日期"),
    snippetRadio(kBox6, "单选框20", 18, 39, 128, 24, "推荐级别"),
    snippetRadio(kBox6, "单选框21", 18, 61, 128, 24, "软件语言"),
    snippetRadio(kBox6, "单选框22", 18, 84, 128, 24, "浏览次数"),
    edit(kBox6, Role::softFieldEdit, 24, 116, 136, 20, ""),

    snippetRadio(kBox7, "单选框23", 18, 16, 128, 24, "上架日期"),
    snippetRadio(kBox7, "单选框24", 18, 39, 128, 24, "商品价格"),
    snippetRadio(kBox7, "单选框25", 18, 61, 128, 24, "品牌"),
    snippetRadio(kBox7, "单选框26", 18, 84, 128, 24, "浏览次数"),
    edit(kBox7, Role::shopFieldEdit, 24, 116, 136, 20, ""),

    snippetRadio(kBox8, "单选框27", 24, 44, 152, 24, "分类比较特殊查看全部"),

    // ---- Page 3 内容标签 ----
    groupBox(kPage3, "分组框9", 4, 28, 605, 92, "内容通用"),
    groupBox(kPage3, "分组框10", 6, 126, 330, 146, "软件页面"),
    groupBox(kPage3, "分组框11", 344, 126, 256, 146, "分类信息"),
    groupBox(kPage3, "分组框12", 345, 276, 256, 100, "商店"),
    groupBox(kPage3, "分组框13", 8, 277, 328, 100, ""),
    outputEdit(kPage3, Role::contentOutputEdit, 8, 384, 592, 112),
    pushButton(kPage3, Role::contentCopyButton, 248, 504, 112, 32, "复制"),
    hideButton(kPage3, "按钮11", 506, 504, 96, 32, "隐藏我"),

    snippetRadio(kBox9, "单选框28", 36, 14, 72, 24, "文章标题"),
    snippetRadio(kBox9, "单选框29", 123, 13, 72, 24, "发布时间"),
    snippetRadio(kBox9, "单选框31", 214, 12, 72, 24, "文章来源"),
    snippetRadio(kBox9, "单选框30", 305, 12, 72, 24, "文章作者"),
    snippetRadio(kBox9, "单选框35", 403, 13, 72, 24, "点击次数"),
    snippetRadio(kBox9, "单选框34", 493, 14, 72, 24, "文章摘要"),
    snippetRadio(kBox9, "单选框39", 36, 50, 72, 24, "文章主体"),
    snippetRadio(kBox9, "单选框38", 123, 49, 72, 24, "内容分页"),
    snippetRadio(kBox9, "单选框37", 214, 48, 72, 24, "上一篇"),
    snippetRadio(kBox9, "单选框36", 305, 48, 72, 24, "下一篇"),
    snippetRadio(kBox9, "单选框33", 403, 49, 72, 24, "查看评论"),
    snippetRadio(kBox9, "单选框32", 493, 50, 72, 24, "顶一下"),

    snippetRadio(kBox10, "单选框51", 36, 14, 72, 24, "软件类型"),
    snippetRadio(kBox10, "单选框50", 123, 14, 72, 24, "授权方式"),
    snippetRadio(kBox10, "单选框49", 214, 14, 72, 24, "软件大小"),
    snippetRadio(kBox10, "单选框45", 36, 37, 72, 24, "文件类型"),
    snippetRadio(kBox10, "单选框44", 123, 37, 72, 24, "运行环境"),
    snippetRadio(kBox10, "单选框43", 214, 37, 72, 24, "软件等级"),
    snippetRadio(kBox10, "单选框48", 36, 63, 72, 24, "演示地址"),
    snippetRadio(kBox10, "单选框47", 123, 63, 72, 24, "官方网址"),
    snippetRadio(kBox10, "单选框46", 214, 63, 72, 24, "下载次数"),
    snippetRadio(kBox10, "单选框42", 36, 89, 72, 24, "软件图片"),
    snippetRadio(kBox10, "单选框41", 123, 89, 72, 24, "软件介绍"),
    snippetRadio(kBox10, "单选框40", 214, 89, 72, 24, "更新时间"),
    snippetRadio(kBox10, "单选框52", 36, 114, 72, 24, "下载地址"),
    snippetRadio(kBox10, "单选框53", 123, 114, 72, 24, "软件说明"),
    snippetRadio(kBox10, "单选框54", 214, 114, 72, 24, "软件好评"),

    snippetRadio(kBox11, "单选框66", 30, 14, 72, 24, "所属地区"),
    snippetRadio(kBox11, "单选框65", 158, 13, 72, 24, "信息类型"),
    snippetRadio(kBox11, "单选框60", 30, 39, 72, 24, "截止日期"),
    snippetRadio(kBox11, "单选框59", 158, 39, 72, 24, "发布时间"),
    snippetRadio(kBox11, "单选框64", 30, 65, 72, 24, "联系电话"),
    snippetRadio(kBox11, "单选框63", 158, 65, 72, 24, "电子邮箱"),
    snippetRadio(kBox11, "单选框58", 43, 91, 54, 24, "地址"),
    snippetRadio(kBox11, "单选框57", 114, 91, 47, 24, "图片"),
    snippetRadio(kBox11, "单选框56", 172, 91, 72, 24, "描述"),

    snippetRadio(kBox12, "单选框72", 30, 14, 72, 24, "商品原价"),
    snippetRadio(kBox12, "单选框71", 158, 13, 72, 24, "优惠价格"),
    snippetRadio(kBox12, "单选框68", 30, 39, 72, 24, "品牌说明"),
    snippetRadio(kBox12, "单选框67", 158, 39, 72, 24, "单位说明"),
    snippetRadio(kBox12, "单选框62", 43, 65, 54, 24, "人气"),
    snippetRadio(kBox12, "单选框61", 109, 65, 56, 24, "购物车"),
    snippetRadio(kBox12, "单选框55", 172, 65, 72, 24, "购买"),

    snippetRadio(kBox13, "单选框69", 16, 24, 54, 24, "收藏"),
    snippetRadio(kBox13, "单选框70", 95, 24, 47, 24, "推荐"),
    snippetRadio(kBox13, "单选框73", 173, 24, 47, 24, "挑错"),
    snippetRadio(kBox13, "单选框74", 248, 24, 47, 24, "打印"),
    label(kBox13, "标签23", 16, 67, 160, 16, "本页标签只能在内容页面使用", Colour::red),

    // ---- Page 4 幻灯片 ----
    label(kPage4, "标签24", 32, 40, 72, 24, "Flash的宽度"),
    edit(kPage4, Role::slideWidthEdit, 112, 40, 80, 24, "280"),
    label(kPage4, "标签25", 32, 73, 72, 24, "Flash的高度"),
    edit(kPage4, Role::slideHeightEdit, 112, 73, 80, 24, "192"),
    label(kPage4, "标签26", 48, 105, 56, 24, "图片数目"),
    edit(kPage4, Role::slideCountEdit, 112, 105, 80, 24, "5"),
    label(kPage4, "标签27", 288, 64, 72, 24, "仿站联系"),
    readOnlyEdit(kPage4, "编辑框25", 368, 64, 80, 24, maker::kContactNumber),
    pushButton(kPage4, Role::slideBuildButton, 296, 104, 128, 32, "生成Flash"),
    outputEdit(kPage4, Role::slideOutputEdit, 5, 150, 600, 354),
    pushButton(kPage4, Role::slideCopyButton, 240, 512, 120, 32, "点击复制"),
    hideButton(kPage4, "按钮14", 512, 512, 72, 32, "隐藏我"),

    // ---- Page 5 自定义字段 ----
    groupBox(kPage5, "分组框14", 8, 32, 600, 472, ""),
    hideButton(kPage5, "按钮17", 520, 512, 80, 32, "隐藏我"),
    label(kBox14, "标签28", 24, 32, 128, 24, "频道类型ID(channelid)"),
    edit(kBox14, Role::customChannelEdit, 160, 31, 72, 25, ""),
    label(kBox14, "标签29", 256, 30, 136, 24, "栏目ID(调用全频可不写)"),
    edit(kBox14, Role::customTypeidEdit, 392, 29, 72, 25, ""),
    label(kBox14, "标签30", 9, 72, 48, 24, "字段名1"),
    edit(kBox14, Role::customFieldEdit1, 63, 72, 50, 24, ""),
    label(kBox14, "标签31", 121, 72, 48, 24, "字段名2"),
    edit(kBox14, Role::customFieldEdit2, 175, 72, 58, 24, ""),
    label(kBox14, "标签33", 241, 72, 48, 24, "字段名3"),
    edit(kBox14, Role::customFieldEdit3, 295, 72, 58, 24, ""),
    label(kBox14, "标签32", 361, 72, 48, 24, "字段名4"),
    edit(kBox14, Role::customFieldEdit4, 415, 72, 58, 24, ""),
    label(kBox14, "标签34", 481, 72, 48, 24, "字段名5"),
    edit(kBox14, Role::customFieldEdit5, 535, 72, 58, 24, ""),
    label(kBox14, "标签35", 32, 112, 48, 16, "排序方式"),
    comboBox(kBox14, Role::customOrderCombo, 96, 112, 80, 20, kCustomOrderItems, "日期排序"),
    label(kBox14, "标签36", 216, 112, 56, 16, "调用"),
    edit(kBox14, Role::customRowEdit, 247, 111, 49, 20, ""),
    label(kBox14, "标签37", 298, 112, 24, 16, "条"),
    outputEdit(kBox14, Role::customOutputEdit, 8, 144, 584, 264),
    pushButton(kBox14, Role::customBuildButton, 116, 417, 96, 32, "生成"),
    pushButton(kBox14, Role::customCopyButton, 376, 416, 80, 32, "复制"),

    // ---- Page 6 SQL调用整理 ----
    groupBox(kPage6, "分组框15", 8, 24, 600, 200, "常用SQL"),
    outputEdit(kPage6, Role::sqlOutputEdit, 8, 224, 600, 280),
    pushButton(kPage6, Role::sqlCopyButton, 160, 512, 80, 32, "复制"),
    hideButton(kPage6, "按钮19", 528, 512, 80, 32, "隐藏我"),

    snippetRadio(kBox15, "单选框84", 40, 16, 220, 24, "常用内容统计"),
    snippetRadio(kBox15, "单选框75", 295, 16, 220, 24, "清空文章中的关键字字段"),
    snippetRadio(kBox15, "单选框83", 40, 39, 220, 24, "推荐会员(带用户头像)"),
    snippetRadio(kBox15, "单选框76", 295, 39, 220, 24, "文章内容批量替换语句"),
    snippetRadio(kBox15, "单选框82", 40, 65, 220, 24, "会员积分排行"),
    snippetRadio(kBox15, "单选框77", 295, 65, 220, 24, "UCHone会员调用(带头像)"),
    snippetRadio(kBox15, "单选框81", 40, 91, 220, 24, "最新加入企业及企业所属行业"),
    snippetRadio(kBox15, "单选框78", 295, 91, 220, 24, "UCHome最新日志"),
    snippetRadio(kBox15, "单选框80", 40, 116, 220, 24, "企业最新产品调用方法(图片+标题)"),
    snippetRadio(kBox15, "单选框79", 295, 116, 220, 24, "调用Discuz论坛附件带图片的帖子"),
    snippetRadio(kBox15, "单选框86", 40, 140, 220, 24, "推荐企业包括企业简介"),
    snippetRadio(kBox15, "单选框87", 295, 140, 220, 24, "Discuz论坛最新主题"),
    snippetRadio(kBox15, "单选框85", 40, 165, 220, 24, "会员发布的最新的10条文档"),

    // ---- Page 7 联系作者 ----
    webView(kPage7, "超文本浏览框1", 4, 24, 604, 368, maker::kBlogAddress),
    label(kPage7, "标签38", 64, 408, 72, 24, "仿站联系"),
    readOnlyEdit(kPage7, "编辑框37", 144, 408, 80, 24, maker::kContactNumber),
    picture(kPage7, "图片框6", 24, 456, 248, 64, ImageId::banner, flagNaturalSize),
    groupBox(kPage7, "分组框16", 328, 400, 272, 136, "交流"),
    label(kBox16, "标签39", 16, 16, 120, 24, maker::kCopyrightLine, Colour::magenta),
    readOnlyEdit(kBox16, "编辑框38", 144, 16, 80, 24, maker::kContactNumber),
    label(kBox16, "标签40", 19, 48, 120, 24, maker::kChatGroupName, Colour::red),
    readOnlyEdit(kBox16, "编辑框39", 144, 48, 80, 24, maker::kChatGroupNumber),
};
// clang-format on

constexpr MenuItemDef kTrayMenuItems[] = {
    {"显示", MenuCommand::show},
    {"隐藏", MenuCommand::hide},
    {"关闭", MenuCommand::close},
};
constexpr MenuItemDef kProgramMenuItems[] = {
    {"退出程序", MenuCommand::exitProgram},
};
constexpr MenuItemDef kLearningMenuItems[] = {
    {"QQ交流群", MenuCommand::none},
    {"学习视频", MenuCommand::none},
    {"VIP培训", MenuCommand::none},
};
constexpr MenuItemDef kHelpMenuItems[] = {
    {"版权声明", MenuCommand::copyright}, {"意见反馈", MenuCommand::feedback},
    {"软件升级", MenuCommand::upgrade},   {nullptr, MenuCommand::none},
    {"软件官网", MenuCommand::website},   {"作者博客", MenuCommand::blog},
};
constexpr MenuItemDef kChatGroupMenuItems[] = {
    {kChatGroupItem.data, MenuCommand::chatGroup},
};

template <std::size_t N>
constexpr MenuDef menu(const char* text, MenuRole role, const MenuItemDef (&items)[N]) {
  return MenuDef{text, role, items, N};
}

constexpr MenuDef kMenus[] = {
    menu("程序菜单", MenuRole::trayMenu, kTrayMenuItems),
    menu("程序", MenuRole::none, kProgramMenuItems),
    menu("仿站学习", MenuRole::none, kLearningMenuItems),
    menu("帮助中心", MenuRole::none, kHelpMenuItems),
    menu(kChatGroupMenu.data, MenuRole::none, kChatGroupMenuItems),
};

template <typename T, std::size_t N>
constexpr std::size_t countOf(const T (&)[N]) {
  return N;
}

constexpr WindowDef kMainWindow{
    WindowId::MainWindow,
    "MainWindow",
    kWindowTitle.data,
    620,
    599,
    windowMinimizeBox | windowTaskbarButton,
    kControls,
    countOf(kControls),
    kMenus,
    countOf(kMenus),
};

}  // namespace

const WindowDef& mainWindowLayout() {
  return kMainWindow;
}

}  // namespace tagwright

// The maker's contact data and web addresses, in one place. They are character
// arrays so that layout tables can join them with fixed texts at compile time
// (see ui/joined_text.h).
#pragma once

namespace tagwright::maker {

inline constexpr char kContactNumber[] = "80012345";  // 仿站QQ
inline constexpr char kChatGroupName[] = "Tagwright仿站交流群";
inline constexpr char kChatGroupNumber[] = "20012345";
inline constexpr char kSiteHost[] = "tagwright.cn";
inline constexpr char kSiteAddress[] = "http://tagwright.cn/";
inline constexpr char kFeedbackAddress[] = "http://tagwright.cn/guestbook/";
inline constexpr char kUpgradeAddress[] = "http://tagwright.cn/download/";
inline constexpr char kBlogAddress[] = "http://tagwright.cn/blog/";
inline constexpr char kChatGroupAddress[] = "http://qun.qq.com/join.html?group=20012345";
inline constexpr char kCopyrightStatement[] = "本软件版权归Tagwright作者所有";
inline constexpr char kCopyrightLine[] = "版权所有 Tagwright";

}  // namespace tagwright::maker

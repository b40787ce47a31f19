// The maker's contact data and web addresses, in one place.
#pragma once

namespace tagwright::maker {

inline constexpr const char* kContactNumber = "80012345";        // 仿站QQ
inline constexpr const char* kChatGroupName = "Tagwright仿站交流群";
inline constexpr const char* kChatGroupNumber = "20012345";
inline constexpr const char* kSiteHost = "www.tagwright.example.com";
inline constexpr const char* kSiteAddress = "http://www.tagwright.example.com/";
inline constexpr const char* kFeedbackAddress = "http://www.tagwright.example.com/guestbook/";
inline constexpr const char* kUpgradeAddress = "http://www.tagwright.example.com/download/";
inline constexpr const char* kBlogAddress = "http://www.tagwright.example.com/blog/";
inline constexpr const char* kChatGroupAddress =
    "http://qun.qq.com/join.html?group=20012345";
inline constexpr const char* kCopyrightStatement = "本软件版权归Tagwright作者所有";
inline constexpr const char* kCopyrightLine = "版权所有 Tagwright";

}  // namespace tagwright::maker

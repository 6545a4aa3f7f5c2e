// The maker's own texts and pages shown by the About window. Built in;
// nothing is read at run time. Texts use CR LF between lines (text boxes).
#pragma once

#include <string_view>

namespace lumo::about {

inline constexpr std::string_view kStudioName = "Lumo工作室";

inline constexpr std::string_view kContactDetails =
    "作者：Lumo\r\n"
    "QQ：000000000\r\n"
    "邮箱：lumo@example.com\r\n"
    "主页：http://lumo.example.com/\r\n"
    "欢迎来信提出意见和建议！";

inline constexpr std::string_view kDistributionNotice =
    "本软件为免费软件，欢迎个人自由使用和传播，但请保持软件完整，"
    "不得用于任何商业用途。\r\n"
    "因使用本软件而造成的任何直接或间接损失，作者不承担任何责任。";

inline constexpr std::string_view kNoticeLine = "本软件永久免费，谨防上当受骗！";
inline constexpr std::string_view kNoticeToolTip = "如有问题，欢迎到Lumo工作室主页留言反馈";

inline constexpr std::string_view kVerseLine = "海内存知己，天涯若比邻";

// PLACEHOLDERS: the maker's real pages go here before a release build.
inline constexpr std::string_view kStudioPage = "http://lumo.example.com/";
inline constexpr std::string_view kBaiduBlogPage = "http://hi.baidu.com/lumo_placeholder";
inline constexpr std::string_view kSinaWeiboPage = "http://weibo.com/lumo_placeholder";
inline constexpr std::string_view kNeteaseWeiboPage = "http://t.163.com/lumo_placeholder";
inline constexpr std::string_view kTencentWeiboPage = "http://t.qq.com/lumo_placeholder";

}  // namespace lumo::about

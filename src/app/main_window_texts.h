// The texts MainWindow shows, as the GBK byte strings the user sees.
#pragma once

namespace quenvar::texts {

// The maker's credit; literals (not arrays) so they can be joined below.
#define QUENVAR_MAKER_NAME "林予安"
#define QUENVAR_MAKER_NUMBER "80061375"

inline constexpr char kLatestVersion[] = " 目前最新版本：";
// "未知", thirteen blanks, then the maker's credit.
inline constexpr char kStatusUnknown[] =
    "未知" "             " "【" QUENVAR_MAKER_NAME "[作者QQ：" QUENVAR_MAKER_NUMBER "]】";
inline constexpr char kUpdateLink[] = "在线更新";

inline constexpr char kMainGroup[] = "【计算机】Quenvar";
inline constexpr char kLogGroup[] = "拦截详情信息如下：";
inline constexpr char kBeepOption[] = "声音提示【拦截到关闭计算机时才会发出鸣叫声音】";
inline constexpr char kPromptOption[] =
    "信息提示【注：当提示窗口提示时，只有3秒时间做出选择，否则不拦截处理，默认视为可执行程序(不建议选择此项 )】";
inline constexpr char kAutorunOption[] = "开机启动【如设置开机启动后，如想取消启动，再来点击本选择框即可】";
inline constexpr char kMonitorButton[] = "开始监视拦截";
inline constexpr char kOpenLogButton[] = "查看\\修改拦截详细信息";
inline constexpr char kClearLogButton[] = "清空拦截信息";
inline constexpr char kShutdownTimeButton[] = "获取上次关机时间";

inline constexpr char kStandbyOff[] = "未开启拦截待机模式";
inline constexpr char kStandbyTooltip[] = "开启后，暂未支持关闭本功能，如若不需要运行，请自动退出程序";
inline constexpr char kStandbyTitle[] = "功能说明";
inline constexpr char kStandbyDescription[] =
    "本程序命令主要拦截待机模式，已阻止的详细信息，会在【程序主页】哪里界面看得到，适用于，下载文件时，人不在电脑机前操"
    "作，免长时间未操作，自动进入待机中，中断文件的下载，本程序会自动阻止进入待机状态";

inline constexpr char kChatButton[] = "聊天";
inline constexpr char kHideButton[] = "隐藏";
inline constexpr char kMinimizeButton[] = "最小化";
inline constexpr char kMaximizeButton[] = "最大化";
inline constexpr char kCloseButton[] = "关闭";
inline constexpr const char* kPageButtons[] = {"程序主页", "待机专区", "赞助商区", "程序说明",
                                               "技术人员", "合作伙伴", "实时动态", "工具应用"};

inline constexpr char kStartWindowFailed[] = "启动窗口载入失败，程序无法运行！";

}  // namespace quenvar::texts

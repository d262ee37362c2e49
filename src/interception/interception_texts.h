// What the interception shows and logs, as the GBK byte strings the user sees.
#pragma once

namespace quenvar::texts {

// MainWindow's caption while monitoring is on: the monitoring flag itself.
inline constexpr char kMonitoring[] = "正在监视拦截中";
inline constexpr char kMonitorAlreadyOn[] = "你已经点击过按钮了哦，不需要再次点击啦";

inline constexpr char kPromptTitle[] = "温馨提示:";
inline constexpr char kLogoffPrompt[] = "是否阻止执行注销？如你不做出选择，本程序自动视为可执行程序，不拦截处理";
inline constexpr char kShutdownPrompt[] = "是否阻止执行关机或重起？如你不做出选择，本程序自动视为可执行程序，不拦截处理";
inline constexpr char kLogoffLogged[] = "已拦截到有程序执行注销，已阻止了该程序的执行！\r\n";
inline constexpr char kShutdownLogged[] = "已拦截到内部执行关机或重起，已阻止了该程序的执行！\r\n";

inline constexpr char kStandbyOn[] = "待机拦截模式已开启";
inline constexpr char kStandbyLogged[] = "已拦截到内部执行待机，已阻止了该程序的执行！\r\n";
inline constexpr char kStandbyCannotBeSwitchedOff[] = "暂未支持关闭本功能，如若不需要运行，请手动退出程序";

}  // namespace quenvar::texts

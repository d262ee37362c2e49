// The texts of the information pages (sponsor, statement, technicians and
// the two notices), as the GBK byte strings the user sees.
#pragma once

#include "app/main_window_texts.h"

namespace quenvar::texts {

#define QUENVAR_STUDIO_NAME "青藤工作室"

inline constexpr char kSponsorGroup[] = "感谢对本软件的援助";
// Not drawn (the banner carries the name); it is the button's accessible name.
inline constexpr char kSponsorBanner[] = "绿叶软件园";
inline constexpr char kSupportSiteAddress[] = "http://www.lvye-soft.example/";

inline constexpr char kStatement[] =
    "   本工作室是正规的，我们不会在程序里添加病毒木马之类的任何东西，你大可放心的使用，\r\n"
    "\r\n"
    "我们尊重用户使用权，自主，完全自我选择,不强制安装下载程序，程序应用主题说明明确，不上传任何用户数据，无添加任何恶意代码"
    "\r\n"
    "\r\n"
    "如杀毒软件对本软件进行了误报，本程序保证没有任何不良主程序命令，因杀毒软件软件采用特征码查杀，我们的程序和这些特征码有相"
    "似，再加上，我们公司是新上市的，知名度不大，所以有这些误报很正常\r\n"
    "\r\n"
    "         寻合作伙伴，互相合作，共同发展，你我携手，共赢未来。\r\n"
    "\r\n"
    "   欢迎各领域的朋友，与我们合作，共同发展。合作对象不限于企业单位、商家、社会公益团队或个人等，无任何限制！\r\n"
    "\r\n"
    "欢迎与各位合作伙伴进行渠道合作推广，平台、资源合作以及渠道推广，提升双方的产品市场份额及用户口碑，互惠互赢。\r\n"
    "\r\n"
    "如果上面有您感兴趣的合作方式，您有更好的合作方式，或者是创意、想法，都可以与我们联系。\r\n";

// Numbered 1 and 3, without a 2: the text as it has always been shown.
inline constexpr char kQuestionsAndAnswers[] =
    "1.拦截的时候为什么不能操作\r\n"
    "\r\n"
    "答：当程序执行拦截关闭计算机时，需要几秒【3到5秒】可恢复正常使用！\r\n"
    "    不会对系统有任何影响\r\n"
    "\r\n"
    "3.拦截关闭计算机，暂时只支持本系统菜单【关闭。重启。注销】\r\n"
    "\r\n"
    "答：目前一些强制执行关闭计算机的还未能有效拦截，此处还需待更新，敬请期待！\r\n"
    "    注意,本软件只在XP系统下测试,能正常拦截成功,其他系统本人未测试过,具体效    果还未知,";

// Each credit line: a label, two blanks, then the names.
inline constexpr char kMakerLine[] = "开 发 商：" "  " QUENVAR_STUDIO_NAME;
inline constexpr char kProgrammersLine[] = "程 序 员：" "  " QUENVAR_MAKER_NAME ",周越,陈朗";
inline constexpr char kContactLine[] = "Q Q：" QUENVAR_MAKER_NUMBER "，" "2290417763";

inline constexpr char kMoreToCome[] = "更多功能正在不断开发中，敬请期待";

}  // namespace quenvar::texts

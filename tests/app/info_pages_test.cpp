// The information pages 2 to 6 of the running program, seen from outside.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/app_test_support.h"
#include "app/control_ids.h"
#include "ui/program_driver.h"

namespace {

using namespace quenvar::testing;
namespace ids = quenvar;

RECT At(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

// Typed here from the design, independently of the program's own copy.
constexpr char kStatement[] =
    "   本工作室是正规的，我们不会在程序里添加病毒木马之类的任何东西，你大可放心的使用，\r\n\r\n"
    "我们尊重用户使用权，自主，完全自我选择,不强制安装下载程序，程序应用主题说明明确，不上传任何用户数据，无添加任何恶意代码"
    "\r\n\r\n"
    "如杀毒软件对本软件进行了误报，本程序保证没有任何不良主程序命令，因杀毒软件软件采用特征码查杀，我们的程序和这些特征码"
    "有相似，再加上，我们公司是新上市的，知名度不大，所以有这些误报很正常\r\n\r\n"
    "         寻合作伙伴，互相合作，共同发展，你我携手，共赢未来。\r\n\r\n"
    "   欢迎各领域的朋友，与我们合作，共同发展。合作对象不限于企业单位、商家、社会公益团队或个人等，无任何限制！\r\n\r\n"
    "欢迎与各位合作伙伴进行渠道合作推广，平台、资源合作以及渠道推广，提升双方的产品市场份额及用户口碑，互惠互赢。\r\n\r\n"
    "如果上面有您感兴趣的合作方式，您有更好的合作方式，或者是创意、想法，都可以与我们联系。\r\n";

constexpr char kQuestions[] =
    "1.拦截的时候为什么不能操作\r\n\r\n"
    "答：当程序执行拦截关闭计算机时，需要几秒【3到5秒】可恢复正常使用！\r\n    不会对系统有任何影响\r\n\r\n"
    "3.拦截关闭计算机，暂时只支持本系统菜单【关闭。重启。注销】\r\n\r\n"
    "答：目前一些强制执行关闭计算机的还未能有效拦截，此处还需待更新，敬请期待！\r\n"
    "    注意,本软件只在XP系统下测试,能正常拦截成功,其他系统本人未测试过,具体效    果还未知,";

constexpr char kMoreToCome[] = "更多功能正在不断开发中，敬请期待";

struct ExpectedControl {
    int id;
    int page;
    RECT place;        // in PageTabs
    const char* text;  // null: checked by its beginning below
};

const ExpectedControl kControls[] = {
    {ids::kSponsorGroup, 2, At(8, 16, 696, 416), "感谢对本软件的援助"},
    {ids::kSponsorBannerButton, 2, At(8 + 8, 16 + 24, 176, 64), nullptr},
    {ids::kStatementGroup, 3, At(8, 8, 696, 416), ""},
    {ids::kStatementLabel, 3, At(8 + 8, 8 + 16, 688, 408), kStatement},
    {ids::kQuestionsLabel, 4, At(8, 8, 688, 184), kQuestions},
    {ids::kMakerLine, 4, At(8, 184, 180, 24), nullptr},
    {ids::kProgrammersLine, 4, At(224, 188, 184, 16), nullptr},
    {ids::kContactLine, 4, At(432, 185, 209, 23), nullptr},
    {ids::kPartnerNotice, 5, At(32, 160, 568, 64), kMoreToCome},
    {ids::kNewsNotice, 6, At(64, 216, 576, 48), kMoreToCome},
};

TEST(InformationPages, ControlsAtTheirPlacesWithTheirTexts) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    for (const ExpectedControl& expected : kControls) {
        HWND control = program.Control(expected.id);
        ASSERT_NE(control, nullptr) << expected.id;
        EXPECT_EQ(GetParent(control), program.PageTabs()) << expected.id;
        const RECT place = PlaceInParent(control);
        EXPECT_TRUE(EqualRect(&place, &expected.place))
            << expected.id << " at " << place.left << "," << place.top << " to " << place.right << "," << place.bottom;
        if (expected.text != nullptr) {
            EXPECT_EQ(WindowText(control), expected.text) << expected.id;
        }
    }
    // The credit lines: a label, two blanks, names of our choosing.
    const struct {
        int id;
        const char* start;
    } credits[] = {
        {ids::kMakerLine, "开 发 商：  "},
        {ids::kProgrammersLine, "程 序 员：  "},
        {ids::kContactLine, "Q Q："},
    };
    for (const auto& credit : credits) {
        const std::string text = WindowText(program.Control(credit.id));
        EXPECT_EQ(text.rfind(credit.start, 0), 0u) << text;
        EXPECT_GT(text.size(), std::string(credit.start).size()) << text;
    }
    const std::string programmers = WindowText(program.Control(ids::kProgrammersLine));
    EXPECT_EQ(std::count(programmers.begin(), programmers.end(), ','), 2) << "three names";
    EXPECT_NE(WindowText(program.Control(ids::kContactLine)).find("，"), std::string::npos) << "two numbers";
}

// Where controls overlap, the one that must stay readable lies above: group
// boxes under their contents (an outer one under an inner one), and the
// answers' bottom edge under the credit lines. Otherwise the lower one's
// background is painted over the upper one.
TEST(InformationPages, OverlappingControlsLieAboveWhatTheyCover) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    auto isAbove = [](HWND upper, HWND lower) {
        for (HWND below = GetWindow(upper, GW_HWNDNEXT); below != nullptr; below = GetWindow(below, GW_HWNDNEXT)) {
            if (below == lower) return true;
        }
        return false;
    };
    const struct {
        int upper;
        int lower;
    } pairs[] = {
        {ids::kLogGroup, ids::kMainGroup},          {ids::kLogBox, ids::kLogGroup},
        {ids::kBeepOption, ids::kMainGroup},        {ids::kMonitorButton, ids::kMainGroup},
        {ids::kStandbyText, ids::kStandbyGroup},    {ids::kSponsorBannerButton, ids::kSponsorGroup},
        {ids::kStatementLabel, ids::kStatementGroup}, {ids::kMakerLine, ids::kQuestionsLabel},
        {ids::kProgrammersLine, ids::kQuestionsLabel}, {ids::kContactLine, ids::kQuestionsLabel},
    };
    for (const auto& pair : pairs) {
        EXPECT_TRUE(isAbove(program.Control(pair.upper), program.Control(pair.lower)))
            << pair.upper << " should lie above " << pair.lower;
    }
}

TEST(InformationPages, EachPageButtonShowsItsPageOnly) {
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    // PageButton8 asks for page 7, which does not exist: it shows page 6.
    const struct {
        int button;  // 1..8
        int page;
    } clicks[] = {{3, 2}, {4, 3}, {5, 4}, {6, 5}, {7, 6}, {8, 6}, {1, 0}, {8, 6}, {2, 1}, {3, 2}};
    for (const auto& click : clicks) {
        SendMessageA(program.Control(ids::kPageButton1 + click.button - 1), BM_CLICK, 0, 0);
        for (const ExpectedControl& control : kControls) {
            EXPECT_EQ(Shown(program.Control(control.id)), control.page == click.page)
                << "PageButton" << click.button << ", control " << control.id;
        }
        EXPECT_EQ(Shown(program.Control(ids::kLogBox)), click.page == 0) << "PageButton" << click.button;
        EXPECT_EQ(Shown(program.Control(ids::kStandbyButton)), click.page == 1) << "PageButton" << click.button;
    }
}

TEST(InformationPages, SponsorBannerOpensTheSupportSite) {
    BrowserRecorder browser;
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    SendMessageA(program.Control(ids::kPageButton1 + 2), BM_CLICK, 0, 0);
    HWND banner = program.Control(ids::kSponsorBannerButton);
    // A press and release over the banner, as a click is.
    PostMessageA(banner, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 30));
    PostMessageA(banner, WM_LBUTTONUP, 0, MAKELPARAM(80, 30));
    EXPECT_TRUE(browser.WaitForAddress("http://www.lvye-soft.example/"));
    EXPECT_TRUE(Shown(banner)) << "still on page 2";
    EXPECT_TRUE(program.IsRunning());
}

}  // namespace

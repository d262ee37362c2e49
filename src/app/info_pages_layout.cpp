#include "app/info_pages_layout.h"

#include "app/control_ids.h"
#include "app/info_pages_texts.h"
#include "resources/resource_ids.h"

namespace quenvar {
namespace {

using K = ControlKind;

// Colours as 0x00BBGGRR.
constexpr COLORREF kBlack = 0x00000000;
constexpr COLORREF kBlue = 0x00FF0000;
constexpr COLORREF kBrightGreen = 0x0000FF00;
constexpr COLORREF kOrange = 0x000080FF;
constexpr COLORREF kPinkRed = 0x008050FF;

// Page 2: the sponsor. The banner is placed from its group box.
constexpr Place kSponsorGroupPlace{8, 16, 696, 416};

const ControlRow kSponsorPage[] = {
    {.id = kSponsorGroup, .kind = K::kGroupBox, .place = kSponsorGroupPlace, .text = texts::kSponsorGroup,
     .color = kBrightGreen},
    // One image for every state: the banner does not change on hover or press.
    {.id = kSponsorBannerButton, .kind = K::kImageButton, .place = Offset(kSponsorGroupPlace, {8, 24, 176, 64}),
     .text = texts::kSponsorBanner, .normalImage = IDR_SPONSOR_BANNER},
};

// Page 3: the statement, in a group box without caption.
constexpr Place kStatementGroupPlace{8, 8, 696, 416};

const ControlRow kStatementPage[] = {
    {.id = kStatementGroup, .kind = K::kGroupBox, .place = kStatementGroupPlace, .text = ""},
    {.id = kStatementLabel, .kind = K::kLabel, .place = Offset(kStatementGroupPlace, {8, 16, 688, 408}),
     .text = texts::kStatement, .color = kOrange, .fontHeight = 19, .wrap = true},
};

// Page 4: questions and answers, then the three credit lines below them. The
// lines overlap the answers' bottom edge; created first, they lie above it
// and are not clipped by it.
const ControlRow kTechniciansPage[] = {
    {.id = kMakerLine, .kind = K::kLabel, .place = {8, 184, 180, 24}, .text = texts::kMakerLine, .color = kBlack},
    {.id = kProgrammersLine, .kind = K::kLabel, .place = {224, 188, 184, 16}, .text = texts::kProgrammersLine,
     .color = kBlack},
    {.id = kContactLine, .kind = K::kLabel, .place = {432, 185, 209, 23}, .text = texts::kContactLine,
     .color = kBlack},
    {.id = kQuestionsLabel, .kind = K::kLabel, .place = {8, 8, 688, 184}, .text = texts::kQuestionsAndAnswers,
     .color = kPinkRed, .fontHeight = 16, .wrap = true},
};

// Pages 5 and 6: the same notice at two different places.
const ControlRow kPartnerPage[] = {
    {.id = kPartnerNotice, .kind = K::kLabel, .place = {32, 160, 568, 64}, .text = texts::kMoreToCome,
     .color = kBlue, .fontHeight = 35},
};

const ControlRow kNewsPage[] = {
    {.id = kNewsNotice, .kind = K::kLabel, .place = {64, 216, 576, 48}, .text = texts::kMoreToCome, .color = kBlue,
     .fontHeight = 35},
};

}  // namespace

std::span<const ControlRow> InformationPageRows(int page) {
    switch (page) {
    case 2:
        return kSponsorPage;
    case 3:
        return kStatementPage;
    case 4:
        return kTechniciansPage;
    case 5:
        return kPartnerPage;
    case 6:
        return kNewsPage;
    default:
        return {};
    }
}

}  // namespace quenvar

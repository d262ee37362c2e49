#include "app/info_pages_layout.h"

#include "app/control_ids.h"
#include "app/info_pages_texts.h"
#include "resources/resource_ids.h"

namespace quenvar {
namespace {

using K = ControlKind;
using namespace colors;

// Page 2: the sponsor. The banner is placed from its group box.
constexpr Place kSponsorGroupPlace{8, 16, 696, 416};

const ControlRow kSponsorPage[] = {
    Text(kSponsorGroup, K::kGroupBox, kSponsorGroupPlace, texts::kSponsorGroup, kBrightGreen, 0),
    // One image for every state: the banner does not change on hover or press.
    ImageButton(kSponsorBannerButton, Offset(kSponsorGroupPlace, {8, 24, 176, 64}), texts::kSponsorBanner,
                IDR_SPONSOR_BANNER, 0),
};

// Page 3: the statement, in a group box without caption.
constexpr Place kStatementGroupPlace{8, 8, 696, 416};

const ControlRow kStatementPage[] = {
    Text(kStatementGroup, K::kGroupBox, kStatementGroupPlace, "", kBlack, 0),
    Text(kStatementLabel, K::kLabel, Offset(kStatementGroupPlace, {8, 16, 688, 408}), texts::kStatement, kOrange, 19,
         true),
};

// Page 4: questions and answers, then the three credit lines below them. The
// lines overlap the answers' bottom edge; created first, they lie above it
// and are not clipped by it.
const ControlRow kTechniciansPage[] = {
    Text(kMakerLine, K::kLabel, {8, 184, 180, 24}, texts::kMakerLine, kBlack, 0),
    Text(kProgrammersLine, K::kLabel, {224, 188, 184, 16}, texts::kProgrammersLine, kBlack, 0),
    Text(kContactLine, K::kLabel, {432, 185, 209, 23}, texts::kContactLine, kBlack, 0),
    Text(kQuestionsLabel, K::kLabel, {8, 8, 688, 184}, texts::kQuestionsAndAnswers, kPinkRed, 16, true),
};

// Pages 5 and 6: the same notice at two different places.
const ControlRow kPartnerPage[] = {
    Text(kPartnerNotice, K::kLabel, {32, 160, 568, 64}, texts::kMoreToCome, kBlue, 35),
};

const ControlRow kNewsPage[] = {
    Text(kNewsNotice, K::kLabel, {64, 216, 576, 48}, texts::kMoreToCome, kBlue, 35),
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

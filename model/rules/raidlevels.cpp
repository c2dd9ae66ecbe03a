#include "rules/raidlevels.h"

#include <cmath>

namespace spindex {

namespace {
using C = CapacityRule;
using V = Survives;
using N = Count;
using B = RebuildReads;
using F = MttdlForm;

const RaidLevel Levels[] = {
    {"0", C::AllDrives, false, V::None, V::None, false, N::One, B::Nothing, F::AnyDrive, N::AllDrives, N::AllDrives},
    {"1", C::DriveSizeText, false, V::AllButOne, V::AllButOne, false, N::DrivesPerSpan, B::LastCopy, F::AllCopies,
     N::AllDrives, N::Spans},
    {"3", C::AllButOne, false, V::One, V::One, false, N::Four, B::OthersInSpan, F::TwoInGroup, N::DataDrives,
     N::DataDrives},
    {"5", C::AllButOne, false, V::One, V::One, false, N::Four, B::OthersInSpan, F::TwoInGroup, N::DataDrives,
     N::DataDrives},
    {"10", C::OnePerSpan, false, V::AllButOne, V::AllButOnePerSpan, true, N::DrivesPerSpan, B::LastCopy, F::AllCopies,
     N::AllDrives, N::Spans},
    {"30", C::AllButOnePerSpan, false, V::One, V::OnePerSpan, true, N::Four, B::OthersInSpan, F::TwoInAnySpan,
     N::DataDrives, N::DataDrives},
    {"50", C::AllButOnePerSpan, true, V::One, V::OnePerSpan, true, N::Four, B::OthersInSpan, F::TwoInAnySpan,
     N::DataDrives, N::DataDrives},
    {"0+1", C::HalfOfAll, false, V::One, V::HalfOfAll, false, N::Two, B::OtherHalf, F::TwoOnOtherSide, N::AllDrives,
     N::HalfOfAll},
};
} // namespace

const RaidLevel* findRaidLevel(const std::string& text) {
    for (const RaidLevel& level : Levels)
        if (text == level.text)
            return &level;
    return nullptr;
}

double count(Count rule, double D, double S) {
    switch (rule) {
    case Count::One:
        return 1;
    case Count::Two:
        return 2;
    case Count::Four:
        return 4;
    case Count::DrivesPerSpan:
        return D;
    case Count::Spans:
        return S;
    case Count::AllDrives:
        return D * S;
    case Count::DataDrives:
        return D * S - S;
    case Count::HalfOfAll:
        return D * S / 2;
    }
    return 0;
}

int failures(Survives rule, double D, double S) {
    switch (rule) {
    case Survives::None:
        return 0;
    case Survives::AllButOne:
        return static_cast<int>(D - 1);
    case Survives::One:
        return 1;
    case Survives::AllButOnePerSpan:
        return static_cast<int>(S * (D - 1));
    case Survives::OnePerSpan:
        return static_cast<int>(S);
    case Survives::HalfOfAll:
        return static_cast<int>(std::floor(D * S / 2));
    }
    return 0;
}

} // namespace spindex

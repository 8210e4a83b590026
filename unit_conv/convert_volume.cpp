// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/conversion_steps.h"
#include "unit_conv/conversions.h"
#include "unit_conv/unit_constants.h"

namespace unit_conv {

namespace {

using namespace volume;
using namespace constants::volume;

// Steps for each source, indexed by that box.
constexpr std::array<std::array<Step, kBoxes - 1>, kBoxes> kSteps{{
    {over(gal, l, kLitresPerGallon), times(qt, gal, kQuartsPerGallon),
     times(pt, qt, kPintsPerQuart), times(floz, pt, kFluidOuncesPerPint), over(go, l, kLitresPerGo),
     over(sho, go, kGoPerSho)},
    {times(l, gal, kLitresPerGallon), times(qt, gal, kQuartsPerGallon),
     times(pt, qt, kPintsPerQuart), times(floz, pt, kFluidOuncesPerPint), over(go, l, kLitresPerGo),
     over(sho, go, kGoPerSho)},
    {times(pt, qt, kPintsPerQuart), times(floz, pt, kFluidOuncesPerPint),
     over(gal, qt, kQuartsPerGallon), times(l, gal, kLitresPerGallon), over(go, l, kLitresPerGo),
     over(sho, go, kGoPerSho)},
    {times(floz, pt, kFluidOuncesPerPint), over(qt, pt, kPintsPerQuart),
     over(gal, qt, kQuartsPerGallon), times(l, gal, kLitresPerGallon), over(go, l, kLitresPerGo),
     over(sho, go, kGoPerSho)},
    {over(pt, floz, kFluidOuncesPerPint), over(qt, pt, kPintsPerQuart),
     over(gal, qt, kQuartsPerGallon), times(l, gal, kLitresPerGallon), over(go, l, kLitresPerGo),
     over(sho, go, kGoPerSho)},
    {times(l, go, kLitresPerGo), over(gal, l, kLitresPerGallon), times(qt, gal, kQuartsPerGallon),
     times(pt, qt, kPintsPerQuart), times(floz, pt, kFluidOuncesPerPint), over(sho, go, kGoPerSho)},
    {times(go, sho, kGoPerSho), times(l, go, kLitresPerGo), over(gal, l, kLitresPerGallon),
     times(qt, gal, kQuartsPerGallon), times(pt, qt, kPintsPerQuart),
     times(floz, pt, kFluidOuncesPerPint)},
}};

} // namespace

bool ConvertVolume(UnitRow &row, const Separators &separators) {
    return convertFromFirstFilled(row, kSteps, separators);
}

} // namespace unit_conv

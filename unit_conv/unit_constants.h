// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

// The converter's constants: rounded everyday figures, kept as they are on purpose. The
// conversions and the relations told to the user both read them from here.
namespace unit_conv::constants {

namespace length {
inline constexpr double kCmPerM = 100;
inline constexpr double kMPerKm = 1000;
inline constexpr double kCmPerKm = 100000;
inline constexpr double kCmPerInch = 2.54;
// The converter's foot is 31 cm, while its inch is 2.54 cm: 12 inches are not a foot.
inline constexpr double kCmPerFoot = 31;
inline constexpr double kMPerFoot = 0.31;
inline constexpr double kMPerYard = 0.91;
inline constexpr double kKmPerMile = 1.61;
// Within the {feet + inch} pair only.
inline constexpr double kInchesPerPairFoot = 12;
} // namespace length

namespace area {
// Square metres are the hub, except for the acre, which is tied to the hectare.
inline constexpr double kM2PerKm2 = 1000000;
inline constexpr double kM2PerTsubo = 3.306;
inline constexpr double kM2PerFt2 = 0.09;
inline constexpr double kM2PerYd2 = 0.84;
inline constexpr double kM2PerHa = 10000;
inline constexpr double kHaPerAcre = 0.405;
} // namespace area

namespace volume {
// Two chains meet at the litre: gallon, quart, pint, fluid ounce; go and sho.
inline constexpr double kLitresPerGallon = 3.785;
inline constexpr double kQuartsPerGallon = 4;
inline constexpr double kPintsPerQuart = 2;
inline constexpr double kFluidOuncesPerPint = 16;
inline constexpr double kLitresPerGo = 0.18;
inline constexpr double kGoPerSho = 10;
} // namespace volume

namespace weight {
// Grams are the hub. The ounce is 28 g and the pound 454 g, so a pound is not 16 ounces.
inline constexpr double kGramsPerKg = 1000;
inline constexpr double kGramsPerOunce = 28;
inline constexpr double kGramsPerPound = 454;
} // namespace weight

namespace temperature {
// Fahrenheit = Celsius × 9 / 5 + 32.
inline constexpr double kFahrenheitStep = 9;
inline constexpr double kCelsiusStep = 5;
inline constexpr double kFahrenheitAtFreezing = 32;
} // namespace temperature

} // namespace unit_conv::constants

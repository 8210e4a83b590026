// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/unit_relations.h"

#include "unit_conv/unit_constants.h"

#include <initializer_list>

namespace unit_conv {

namespace {

using namespace constants;

struct Unit {
    std::string_view one;
    std::string_view many;
};

constexpr Unit kCm{"cm", "cm"}, kM{"m", "m"}, kKm{"km", "km"}, kInch{"inch", "inches"},
    kFoot{"foot", "feet"}, kYard{"yard", "yards"}, kMile{"mile", "miles"}, kSqM{"sq. m", "sq. m"},
    kSqKm{"sq. km", "sq. km"}, kTsubo{"tsubo", "tsubo"}, kSqFt{"sq. ft", "sq. ft"},
    kSqYd{"sq. yd", "sq. yd"}, kHa{"ha", "ha"}, kAcre{"acre", "acres"}, kLitre{"litre", "litres"},
    kGallon{"gallon", "gallons"}, kQuart{"quart", "quarts"}, kPint{"pint", "pints"},
    kFluidOunce{"fluid ounce", "fluid ounces"}, kGo{"go", "go"}, kSho{"sho", "sho"},
    kGram{"g", "g"}, kKg{"kg", "kg"}, kOz{"oz", "oz"}, kLb{"lb", "lb"};

struct Amount {
    double count;
    Unit unit;
};

std::string amountText(const Amount &amount, const Separators &separators) {
    return NumberText(amount.count, separators) + " " +
           std::string(amount.count == 1 ? amount.unit.one : amount.unit.many);
}

std::string equality(std::initializer_list<Amount> amounts, const Separators &separators) {
    std::string text;
    for (const Amount &amount : amounts)
        text += (text.empty() ? "" : " = ") + amountText(amount, separators);
    return text;
}

} // namespace

std::string RelationText(std::string_view box, const Separators &separators) {
    const auto is = [box](std::string_view name) { return box == name; };
    const auto n = [&separators](double value) { return NumberText(value, separators); };
    if (is("cm"))
        return equality({{length::kCmPerM, kCm}, {1, kM}}, separators);
    if (is("m"))
        return equality({{length::kMPerKm, kM}, {1, kKm}}, separators);
    if (is("km"))
        return equality({{1, kKm}, {length::kCmPerKm, kCm}}, separators);
    if (is("inch"))
        return equality({{1, kInch}, {length::kCmPerInch, kCm}}, separators);
    if (is("foot"))
        return equality({{1, kFoot}, {length::kCmPerFoot, kCm}, {length::kMPerFoot, kM}},
                        separators);
    if (is("yard"))
        return equality({{1, kYard}, {length::kMPerYard, kM}}, separators);
    if (is("mile"))
        return equality({{1, kMile}, {length::kKmPerMile, kKm}}, separators);
    if (is("feet_c"))
        return equality({{1, kFoot}, {length::kInchesPerPairFoot, kInch}}, separators);
    if (is("inch_c"))
        return equality({{length::kInchesPerPairFoot, kInch}, {1, kFoot}}, separators);
    if (is("km2"))
        return equality({{1, kSqKm}, {area::kM2PerKm2, kSqM}}, separators);
    if (is("tsubo"))
        return equality({{1, kTsubo}, {area::kM2PerTsubo, kSqM}}, separators);
    if (is("ft2"))
        return equality({{1, kSqFt}, {area::kM2PerFt2, kSqM}}, separators);
    if (is("yd2"))
        return equality({{1, kSqYd}, {area::kM2PerYd2, kSqM}}, separators);
    if (is("ha"))
        return equality({{1, kHa}, {area::kM2PerHa, kSqM}}, separators);
    if (is("acre"))
        return equality({{1, kAcre}, {area::kHaPerAcre, kHa}}, separators);
    if (is("gal"))
        return equality({{1, kGallon}, {volume::kLitresPerGallon, kLitre}}, separators);
    if (is("qt"))
        return equality({{volume::kQuartsPerGallon, kQuart}, {1, kGallon}}, separators);
    if (is("pt"))
        return equality({{volume::kPintsPerQuart, kPint}, {1, kQuart}}, separators);
    if (is("floz"))
        return equality({{volume::kFluidOuncesPerPint, kFluidOunce}, {1, kPint}}, separators);
    if (is("go"))
        return equality({{1, kGo}, {volume::kLitresPerGo, kLitre}}, separators);
    if (is("sho"))
        return equality({{1, kSho}, {volume::kGoPerSho, kGo}}, separators);
    if (is("kg"))
        return equality({{1, kKg}, {weight::kGramsPerKg, kGram}}, separators);
    if (is("oz"))
        return equality({{1, kOz}, {weight::kGramsPerOunce, kGram}}, separators);
    if (is("lb"))
        return equality({{1, kLb}, {weight::kGramsPerPound, kGram}}, separators);
    // "×" and "÷" rather than "*" and "/": screen readers say "times" and "divided by".
    if (is("dc"))
        return "degrees Fahrenheit = degrees Celsius \u00d7 " + n(temperature::kFahrenheitStep) +
               " \u00f7 " + n(temperature::kCelsiusStep) + " + " +
               n(temperature::kFahrenheitAtFreezing);
    if (is("df"))
        return "degrees Celsius = (degrees Fahrenheit \u2212 " +
               n(temperature::kFahrenheitAtFreezing) + ") \u00d7 " + n(temperature::kCelsiusStep) +
               " \u00f7 " + n(temperature::kFahrenheitStep);
    return {}; // the hubs sq. m, litre and g, and any other name
}

} // namespace unit_conv

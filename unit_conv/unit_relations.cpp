// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/unit_relations.h"

#include "unit_conv/unit_constants.h"

#include <initializer_list>

// Marks texts for Qt's lupdate, as Qt's own macro does, without making this module use Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace unit_conv {

namespace {

using namespace constants;

struct Unit {
    const char *one;
    const char *many;
};

constexpr Unit kCm{QT_TRANSLATE_NOOP("UnitRelation", "cm"),
                   QT_TRANSLATE_NOOP("UnitRelation", "cm")},
    kM{QT_TRANSLATE_NOOP("UnitRelation", "m"), QT_TRANSLATE_NOOP("UnitRelation", "m")},
    kKm{QT_TRANSLATE_NOOP("UnitRelation", "km"), QT_TRANSLATE_NOOP("UnitRelation", "km")},
    kInch{QT_TRANSLATE_NOOP("UnitRelation", "inch"), QT_TRANSLATE_NOOP("UnitRelation", "inches")},
    kFoot{QT_TRANSLATE_NOOP("UnitRelation", "foot"), QT_TRANSLATE_NOOP("UnitRelation", "feet")},
    kYard{QT_TRANSLATE_NOOP("UnitRelation", "yard"), QT_TRANSLATE_NOOP("UnitRelation", "yards")},
    kMile{QT_TRANSLATE_NOOP("UnitRelation", "mile"), QT_TRANSLATE_NOOP("UnitRelation", "miles")},
    kSqM{QT_TRANSLATE_NOOP("UnitRelation", "sq. m"), QT_TRANSLATE_NOOP("UnitRelation", "sq. m")},
    kSqKm{QT_TRANSLATE_NOOP("UnitRelation", "sq. km"), QT_TRANSLATE_NOOP("UnitRelation", "sq. km")},
    kTsubo{QT_TRANSLATE_NOOP("UnitRelation", "tsubo"), QT_TRANSLATE_NOOP("UnitRelation", "tsubo")},
    kSqFt{QT_TRANSLATE_NOOP("UnitRelation", "sq. ft"), QT_TRANSLATE_NOOP("UnitRelation", "sq. ft")},
    kSqYd{QT_TRANSLATE_NOOP("UnitRelation", "sq. yd"), QT_TRANSLATE_NOOP("UnitRelation", "sq. yd")},
    kHa{QT_TRANSLATE_NOOP("UnitRelation", "ha"), QT_TRANSLATE_NOOP("UnitRelation", "ha")},
    kAcre{QT_TRANSLATE_NOOP("UnitRelation", "acre"), QT_TRANSLATE_NOOP("UnitRelation", "acres")},
    kLitre{QT_TRANSLATE_NOOP("UnitRelation", "litre"), QT_TRANSLATE_NOOP("UnitRelation", "litres")},
    kGallon{QT_TRANSLATE_NOOP("UnitRelation", "gallon"),
            QT_TRANSLATE_NOOP("UnitRelation", "gallons")},
    kQuart{QT_TRANSLATE_NOOP("UnitRelation", "quart"), QT_TRANSLATE_NOOP("UnitRelation", "quarts")},
    kPint{QT_TRANSLATE_NOOP("UnitRelation", "pint"), QT_TRANSLATE_NOOP("UnitRelation", "pints")},
    kFluidOunce{QT_TRANSLATE_NOOP("UnitRelation", "fluid ounce"),
                QT_TRANSLATE_NOOP("UnitRelation", "fluid ounces")},
    kGo{QT_TRANSLATE_NOOP("UnitRelation", "go"), QT_TRANSLATE_NOOP("UnitRelation", "go")},
    kSho{QT_TRANSLATE_NOOP("UnitRelation", "sho"), QT_TRANSLATE_NOOP("UnitRelation", "sho")},
    kGram{QT_TRANSLATE_NOOP("UnitRelation", "g"), QT_TRANSLATE_NOOP("UnitRelation", "g")},
    kKg{QT_TRANSLATE_NOOP("UnitRelation", "kg"), QT_TRANSLATE_NOOP("UnitRelation", "kg")},
    kOz{QT_TRANSLATE_NOOP("UnitRelation", "oz"), QT_TRANSLATE_NOOP("UnitRelation", "oz")},
    kLb{QT_TRANSLATE_NOOP("UnitRelation", "lb"), QT_TRANSLATE_NOOP("UnitRelation", "lb")};

struct Amount {
    double count;
    Unit unit;
};

std::string amountText(const Amount &amount, const Separators &separators, const Words &words) {
    return NumberText(amount.count, separators) + " " +
           words(amount.count == 1 ? amount.unit.one : amount.unit.many);
}

// `formula` with %1, %2, %3 replaced by `numbers`, each once.
std::string filledIn(std::string formula, std::initializer_list<std::string> numbers) {
    char marker = '1';
    for (const std::string &number : numbers) {
        const std::string place = {'%', marker++};
        if (const auto at = formula.find(place); at != std::string::npos)
            formula.replace(at, place.size(), number);
    }
    return formula;
}

} // namespace

std::string RelationText(std::string_view box, const Separators &separators,
                         const Words &translate) {
    const Words words =
        translate ? translate : [](const char *english) { return std::string(english); };
    const auto is = [box](std::string_view name) { return box == name; };
    const auto n = [&separators](double value) { return NumberText(value, separators); };
    const auto equality = [&separators, &words](std::initializer_list<Amount> amounts) {
        std::string text;
        for (const Amount &amount : amounts)
            text += (text.empty() ? "" : " = ") + amountText(amount, separators, words);
        return text;
    };
    if (is("cm"))
        return equality({{length::kCmPerM, kCm}, {1, kM}});
    if (is("m"))
        return equality({{length::kMPerKm, kM}, {1, kKm}});
    if (is("km"))
        return equality({{1, kKm}, {length::kCmPerKm, kCm}});
    if (is("inch"))
        return equality({{1, kInch}, {length::kCmPerInch, kCm}});
    if (is("foot"))
        return equality({{1, kFoot}, {length::kCmPerFoot, kCm}, {length::kMPerFoot, kM}});
    if (is("yard"))
        return equality({{1, kYard}, {length::kMPerYard, kM}});
    if (is("mile"))
        return equality({{1, kMile}, {length::kKmPerMile, kKm}});
    if (is("feet_c"))
        return equality({{1, kFoot}, {length::kInchesPerPairFoot, kInch}});
    if (is("inch_c"))
        return equality({{length::kInchesPerPairFoot, kInch}, {1, kFoot}});
    if (is("km2"))
        return equality({{1, kSqKm}, {area::kM2PerKm2, kSqM}});
    if (is("tsubo"))
        return equality({{1, kTsubo}, {area::kM2PerTsubo, kSqM}});
    if (is("ft2"))
        return equality({{1, kSqFt}, {area::kM2PerFt2, kSqM}});
    if (is("yd2"))
        return equality({{1, kSqYd}, {area::kM2PerYd2, kSqM}});
    if (is("ha"))
        return equality({{1, kHa}, {area::kM2PerHa, kSqM}});
    if (is("acre"))
        return equality({{1, kAcre}, {area::kHaPerAcre, kHa}});
    if (is("gal"))
        return equality({{1, kGallon}, {volume::kLitresPerGallon, kLitre}});
    if (is("qt"))
        return equality({{volume::kQuartsPerGallon, kQuart}, {1, kGallon}});
    if (is("pt"))
        return equality({{volume::kPintsPerQuart, kPint}, {1, kQuart}});
    if (is("floz"))
        return equality({{volume::kFluidOuncesPerPint, kFluidOunce}, {1, kPint}});
    if (is("go"))
        return equality({{1, kGo}, {volume::kLitresPerGo, kLitre}});
    if (is("sho"))
        return equality({{1, kSho}, {volume::kGoPerSho, kGo}});
    if (is("kg"))
        return equality({{1, kKg}, {weight::kGramsPerKg, kGram}});
    if (is("oz"))
        return equality({{1, kOz}, {weight::kGramsPerOunce, kGram}});
    if (is("lb"))
        return equality({{1, kLb}, {weight::kGramsPerPound, kGram}});
    // "×" and "÷" rather than "*" and "/": screen readers say "times" and "divided by".
    if (is("dc"))
        return filledIn(words(QT_TRANSLATE_NOOP(
                            "UnitRelation", "degrees Fahrenheit = degrees Celsius × %1 ÷ %2 + %3")),
                        {n(temperature::kFahrenheitStep), n(temperature::kCelsiusStep),
                         n(temperature::kFahrenheitAtFreezing)});
    if (is("df"))
        return filledIn(
            words(QT_TRANSLATE_NOOP("UnitRelation",
                                    "degrees Celsius = (degrees Fahrenheit − %1) × %2 ÷ %3")),
            {n(temperature::kFahrenheitAtFreezing), n(temperature::kCelsiusStep),
             n(temperature::kFahrenheitStep)});
    return {}; // the hubs sq. m, litre and g, and any other name
}

} // namespace unit_conv

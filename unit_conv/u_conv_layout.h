// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <Qt>

#include <array>
#include <cstddef>

// The designed arrangement of the converter window, in twips of its client area.
namespace unit_conv::layout {

enum Category : std::size_t { Length, Area, Volume, Weight, Temperature, kCategories };

struct Frame {
    const char *name;
    const char *caption;
    int left, top, width;
};
inline constexpr int kFrameHeight = 1575;

inline constexpr std::array<Frame, kCategories> kFrames{{
    {"length", "Length/Distance", 120, 120, 9375},
    {"Frame1", "Area", 120, 1920, 9375},
    {"Frame2", "Volume", 120, 3720, 9375},
    {"Weight", "Weight", 120, 5520, 5415},
    {"Frame3", "Temperature", 6000, 5520, 3495},
}};

// A unit box with its caption label above it.
struct UnitBox {
    Category category;
    const char *name;
    const char *label;
    const char *caption;
    int left, top;
    int labelLeft, labelWidth;
    Qt::Alignment labelAlignment;
    // What a screen reader calls the box where its caption alone does not tell it apart;
    // null: the caption.
    const char *spokenName = nullptr;
};
inline constexpr int kBoxWidth = 1215;
inline constexpr int kBoxHeight = 285;
inline constexpr int kLabelHeight = 255;
inline constexpr int kLabelAbove = 240; // from the label's top to the box's top

constexpr UnitBox centred(Category category, const char *name, const char *label,
                          const char *caption, int left, int top, int labelWidth = 735) {
    return {category,
            name,
            label,
            caption,
            left,
            top,
            left + (kBoxWidth - labelWidth) / 2,
            labelWidth,
            Qt::AlignHCenter};
}

constexpr UnitBox leftAligned(Category category, const char *name, const char *label,
                              const char *caption, int left, int top, int labelLeft, int labelWidth,
                              const char *spokenName = nullptr) {
    return {category, name,      label,      caption,       left,
            top,      labelLeft, labelWidth, Qt::AlignLeft, spokenName};
}

// Within each category in the order Convert examines the boxes.
inline constexpr std::array kUnitBoxes{
    centred(Length, "cm", "Label1", "cm", 240, 720),
    centred(Length, "m", "Label2", "m", 1560, 720),
    centred(Length, "km", "Label3", "km", 2880, 720),
    centred(Length, "inch", "Label4", "inch", 4200, 720),
    centred(Length, "foot", "Label5", "foot", 5520, 720),
    centred(Length, "yard", "Label6", "yard", 6840, 720),
    centred(Length, "mile", "Label7", "mile", 8160, 720),
    // The pair shares one wide label; the other box's label is a null name. Their spoken
    // names keep them apart from the "foot" and "inch" boxes above.
    leftAligned(Length, "feet_c", "Label28", "         {feet           +          inch}", 6840,
                1320, 6840, 2535, "feet + inch, feet"),
    leftAligned(Length, "inch_c", nullptr, nullptr, 8160, 1320, 0, 0, "feet + inch, inch"),
    centred(Area, "m2", "Label14", "sq. m", 240, 2520),
    centred(Area, "km2", "Label13", "sq. km", 1560, 2520),
    centred(Area, "tsubo", "Label12", "Tsubo", 2880, 2520),
    centred(Area, "ft2", "Label11", "sq. ft", 4200, 2520),
    centred(Area, "yd2", "Label10", "sq. yd", 5520, 2520),
    centred(Area, "ha", "Label9", "ha", 6840, 2520),
    centred(Area, "acre", "Label8", "acre", 8160, 2520),
    centred(Volume, "l", "Label15", "litter", 240, 4320),
    centred(Volume, "gal", "Label16", "gallon", 1560, 4320),
    centred(Volume, "qt", "Label17", "quart", 2880, 4320),
    centred(Volume, "pt", "Label18", "pint", 4200, 4320),
    centred(Volume, "floz", "Label19", "fluid ounce", 5520, 4320, 975),
    centred(Volume, "go", "Label20", "Go", 6840, 4320),
    centred(Volume, "sho", "Label21", "Sho", 8160, 4320),
    centred(Weight, "g", "Label22", "g", 240, 6120),
    centred(Weight, "kg", "Label23", "kg", 1560, 6120),
    centred(Weight, "oz", "Label24", "oz", 2880, 6120),
    centred(Weight, "lb", "Label25", "lb", 4200, 6120),
    leftAligned(Temperature, "dc", "Label26", "Degrees of Celcius", 6240, 6120, 6120, 1455),
    leftAligned(Temperature, "df", "Label27", "Degrees of Fahrenheit", 7920, 6120, 7680, 1695),
};
static_assert(kUnitBoxes.size() == 29, "7 + 2 length, 7 area, 7 volume, 4 weight, 2 temperature");

struct Button {
    Category category;
    const char *name;
    const char *caption;
    int left, top;
};
inline constexpr int kButtonWidth = 735;
inline constexpr int kButtonHeight = 375;

inline constexpr std::array<Button, 2 * kCategories> kButtons{{
    {Length, "clear_l", "Clear", 3960, 1200},
    {Length, "convert_l", "Convert", 4920, 1200},
    {Area, "clear_a", "Clear", 3960, 3000},
    {Area, "convert_a", "Convert", 4920, 3000},
    {Volume, "clear_v", "Clear", 3960, 4800},
    {Volume, "convert_v", "Convert", 4920, 4800},
    {Weight, "clear_w", "Clear", 2040, 6600},
    {Weight, "convert_w", "Convert", 2880, 6600},
    {Temperature, "clear_t", "Clear", 6840, 6600},
    {Temperature, "convert_t", "Convert", 7800, 6600},
}};

// Tab order as designed: irregular in the volume row and with the pair last.
inline constexpr std::array kFocusOrder{
    "cm",        "m",         "km",        "inch",    "foot",      "yard",   "mile",  "clear_l",
    "convert_l", "m2",        "km2",       "tsubo",   "ft2",       "yd2",    "ha",    "acre",
    "clear_a",   "convert_a", "convert_v", "clear_v", "l",         "gal",    "qt",    "pt",
    "floz",      "go",        "sho",       "g",       "kg",        "oz",     "lb",    "clear_w",
    "convert_w", "dc",        "df",        "clear_t", "convert_t", "feet_c", "inch_c"};
static_assert(kFocusOrder.size() == kUnitBoxes.size() + kButtons.size());

} // namespace unit_conv::layout

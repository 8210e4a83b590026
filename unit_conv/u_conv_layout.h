// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QtGlobal>
#include <Qt>

#include <array>
#include <cstddef>

// The designed arrangement of the converter window, in twips of its client area.
namespace unit_conv::layout {

enum Category : std::size_t { Length, Area, Volume, Weight, Temperature, kCategories };

// Captions are English; the window shows them translated (context "UConv").
struct Frame {
    const char *name;
    const char *caption;
    const char *spokenCategory; // the category as a button's spoken name ends with it
    int left, top, width;
};
inline constexpr int kFrameHeight = 1575;

inline constexpr std::array<Frame, kCategories> kFrames{{
    {"length", QT_TRANSLATE_NOOP("UConv", "Length/Distance"),
     QT_TRANSLATE_NOOP("UConv", "length/distance"), 120, 120, 9375},
    {"Frame1", QT_TRANSLATE_NOOP("UConv", "Area"), QT_TRANSLATE_NOOP("UConv", "area"), 120, 1920,
     9375},
    {"Frame2", QT_TRANSLATE_NOOP("UConv", "Volume"), QT_TRANSLATE_NOOP("UConv", "volume"), 120,
     3720, 9375},
    {"Weight", QT_TRANSLATE_NOOP("UConv", "Weight"), QT_TRANSLATE_NOOP("UConv", "weight"), 120,
     5520, 5415},
    {"Frame3", QT_TRANSLATE_NOOP("UConv", "Temperature"), QT_TRANSLATE_NOOP("UConv", "temperature"),
     6000, 5520, 3495},
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
    centred(Length, "cm", "Label1", QT_TRANSLATE_NOOP("UConv", "cm"), 240, 720),
    centred(Length, "m", "Label2", QT_TRANSLATE_NOOP("UConv", "m"), 1560, 720),
    centred(Length, "km", "Label3", QT_TRANSLATE_NOOP("UConv", "km"), 2880, 720),
    centred(Length, "inch", "Label4", QT_TRANSLATE_NOOP("UConv", "inch"), 4200, 720),
    centred(Length, "foot", "Label5", QT_TRANSLATE_NOOP("UConv", "foot"), 5520, 720),
    centred(Length, "yard", "Label6", QT_TRANSLATE_NOOP("UConv", "yard"), 6840, 720),
    centred(Length, "mile", "Label7", QT_TRANSLATE_NOOP("UConv", "mile"), 8160, 720),
    // The pair shares one wide label; the other box's label is a null name. Their spoken
    // names keep them apart from the "foot" and "inch" boxes above.
    //: One caption over two boxes, "feet" over the left one and "inch" over the right; the
    //: blanks place the words over their boxes.
    leftAligned(Length, "feet_c", "Label28",
                QT_TRANSLATE_NOOP("UConv", "         {feet           +          inch}"), 6840, 1320,
                6840, 2535, QT_TRANSLATE_NOOP("UConv", "feet + inch, feet")),
    leftAligned(Length, "inch_c", nullptr, nullptr, 8160, 1320, 0, 0,
                QT_TRANSLATE_NOOP("UConv", "feet + inch, inch")),
    //: Square metre.
    centred(Area, "m2", "Label14", QT_TRANSLATE_NOOP("UConv", "sq. m"), 240, 2520),
    //: Square kilometre.
    centred(Area, "km2", "Label13", QT_TRANSLATE_NOOP("UConv", "sq. km"), 1560, 2520),
    //: Traditional Japanese unit of area (坪).
    centred(Area, "tsubo", "Label12", QT_TRANSLATE_NOOP("UConv", "Tsubo"), 2880, 2520),
    //: Square foot.
    centred(Area, "ft2", "Label11", QT_TRANSLATE_NOOP("UConv", "sq. ft"), 4200, 2520),
    //: Square yard.
    centred(Area, "yd2", "Label10", QT_TRANSLATE_NOOP("UConv", "sq. yd"), 5520, 2520),
    //: Hectare.
    centred(Area, "ha", "Label9", QT_TRANSLATE_NOOP("UConv", "ha"), 6840, 2520),
    centred(Area, "acre", "Label8", QT_TRANSLATE_NOOP("UConv", "acre"), 8160, 2520),
    //: The litre; spelt "litter" as designed.
    centred(Volume, "l", "Label15", QT_TRANSLATE_NOOP("UConv", "litter"), 240, 4320),
    centred(Volume, "gal", "Label16", QT_TRANSLATE_NOOP("UConv", "gallon"), 1560, 4320),
    centred(Volume, "qt", "Label17", QT_TRANSLATE_NOOP("UConv", "quart"), 2880, 4320),
    centred(Volume, "pt", "Label18", QT_TRANSLATE_NOOP("UConv", "pint"), 4200, 4320),
    centred(Volume, "floz", "Label19", QT_TRANSLATE_NOOP("UConv", "fluid ounce"), 5520, 4320, 975),
    //: Traditional Japanese unit of volume (合), not the verb.
    centred(Volume, "go", "Label20", QT_TRANSLATE_NOOP("UConv", "Go"), 6840, 4320),
    //: Traditional Japanese unit of volume (升).
    centred(Volume, "sho", "Label21", QT_TRANSLATE_NOOP("UConv", "Sho"), 8160, 4320),
    centred(Weight, "g", "Label22", QT_TRANSLATE_NOOP("UConv", "g"), 240, 6120),
    centred(Weight, "kg", "Label23", QT_TRANSLATE_NOOP("UConv", "kg"), 1560, 6120),
    //: Ounce (weight).
    centred(Weight, "oz", "Label24", QT_TRANSLATE_NOOP("UConv", "oz"), 2880, 6120),
    //: Pound (weight).
    centred(Weight, "lb", "Label25", QT_TRANSLATE_NOOP("UConv", "lb"), 4200, 6120),
    //: Spelt "Celcius" as designed.
    leftAligned(Temperature, "dc", "Label26", QT_TRANSLATE_NOOP("UConv", "Degrees of Celcius"),
                6240, 6120, 6120, 1455),
    leftAligned(Temperature, "df", "Label27", QT_TRANSLATE_NOOP("UConv", "Degrees of Fahrenheit"),
                7920, 6120, 7680, 1695),
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
    {Length, "clear_l", QT_TRANSLATE_NOOP("UConv", "Clear"), 3960, 1200},
    {Length, "convert_l", QT_TRANSLATE_NOOP("UConv", "Convert"), 4920, 1200},
    {Area, "clear_a", QT_TRANSLATE_NOOP("UConv", "Clear"), 3960, 3000},
    {Area, "convert_a", QT_TRANSLATE_NOOP("UConv", "Convert"), 4920, 3000},
    {Volume, "clear_v", QT_TRANSLATE_NOOP("UConv", "Clear"), 3960, 4800},
    {Volume, "convert_v", QT_TRANSLATE_NOOP("UConv", "Convert"), 4920, 4800},
    {Weight, "clear_w", QT_TRANSLATE_NOOP("UConv", "Clear"), 2040, 6600},
    {Weight, "convert_w", QT_TRANSLATE_NOOP("UConv", "Convert"), 2880, 6600},
    {Temperature, "clear_t", QT_TRANSLATE_NOOP("UConv", "Clear"), 6840, 6600},
    {Temperature, "convert_t", QT_TRANSLATE_NOOP("UConv", "Convert"), 7800, 6600},
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

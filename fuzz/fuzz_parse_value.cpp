// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// Any text either fails to parse or parses to a number whose written form reads back as
// the same number.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "unit_conv/number_rules.h"

namespace {

const unit_conv::Separators kSeparatorSets[] = {
    {".", ","},
    {",", "."},
    {",", "\xC2\xA0"},        // no-break space groups, as some locales do
    {"\xD9\xAB", "\xD9\xAC"}, // Arabic decimal and thousands separators
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto &separators = kSeparatorSets[data[0] % std::size(kSeparatorSets)];
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    const auto value = unit_conv::ParseValue(text, separators);
    if (!value)
        return 0;
    const std::string written = unit_conv::NumberText(*value, separators);
    const auto back = unit_conv::ParseValue(written, separators);
    if (!back || unit_conv::NumberText(*back, separators) != written)
        std::abort();
    return 0;
}

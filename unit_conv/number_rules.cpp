// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "unit_conv/number_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <climits>
#include <limits>

namespace unit_conv {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kRoundedDecimals = 10;
constexpr std::size_t kDigitsPerGroup = 3;

// NumberText writes the largest doubles rounded up to 15 digits, as 1.79769313486232E+308,
// which lies above the largest double. Such texts must read back, so values up to it
// (0.179769313486232 times 10 to the 309th) saturate to the largest double.
constexpr long long kLargestWrittenMagnitude = 309;
constexpr std::string_view kLargestWrittenDigits = "179769313486232";

// Whether 0.<digits> <= 0.<limit>, both plain digit strings.
bool significandAtMost(std::string digits, std::string limit) {
    const std::size_t width = std::max(digits.size(), limit.size());
    digits.resize(width, '0');
    limit.resize(width, '0');
    return digits <= limit;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text once; every accepted part goes into a plain C-locale number.
class NumberReader {
public:
    NumberReader(std::string_view text, const Separators &separators)
        : text_(text), separators_(separators) {}

    std::optional<double> read() {
        skipBlanks();
        readSign();
        if (!readIntegerPart() || !readFraction() || !readExponent())
            return std::nullopt;
        skipBlanks();
        if (pos_ != text_.size() || digits_.empty())
            return std::nullopt;
        return convert();
    }

private:
    bool at(std::string_view token) const {
        return !token.empty() && text_.substr(pos_).starts_with(token);
    }

    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }

    void readSign() {
        if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-'))
            negative_ = text_[pos_++] == '-';
    }

    std::size_t readDigits() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_]))
            digits_ += text_[pos_++];
        return pos_ - start;
    }

    bool readIntegerPart() {
        if (readDigits() == 0)
            return true; // ".5" has no integer digits
        while (at(separators_.group) && !at(separators_.decimal)) {
            pos_ += separators_.group.size();
            if (readDigits() != kDigitsPerGroup)
                return false;
        }
        return true;
    }

    bool readFraction() {
        pointPosition_ = digits_.size();
        if (!at(separators_.decimal))
            return true;
        pos_ += separators_.decimal.size();
        readDigits();
        return true;
    }

    bool readExponent() {
        if (pos_ == text_.size() || (text_[pos_] != 'e' && text_[pos_] != 'E'))
            return true;
        ++pos_;
        exponentText_ += 'e';
        if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
            exponentNegative_ = text_[pos_] == '-';
            exponentText_ += text_[pos_++];
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_])) {
            // Saturates: any exponent this large is out of range either way.
            exponent_ = std::min<long long>(exponent_ * 10 + (text_[pos_] - '0'), INT_MAX);
            exponentText_ += text_[pos_++];
        }
        return pos_ > start;
    }

    std::optional<double> convert() const {
        std::string number = negative_ ? "-" : "";
        number += digits_.substr(0, pointPosition_);
        if (pointPosition_ == 0)
            number += '0';
        if (pointPosition_ < digits_.size())
            number += '.' + digits_.substr(pointPosition_);
        number += exponentText_;

        double value = 0;
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(),
                                                  value, std::chars_format::general);
        if (error == std::errc() && end == number.data() + number.size())
            return value;
        if (error != std::errc::result_out_of_range)
            return std::nullopt;
        // Out of range: too large fails, too small is zero.
        const auto firstNonZero = static_cast<long long>(digits_.find_first_not_of('0'));
        const long long magnitude = static_cast<long long>(pointPosition_) - firstNonZero +
                                    (exponentNegative_ ? -exponent_ : exponent_);
        if (magnitude <= 0)
            return negative_ ? -0.0 : 0.0;
        if (magnitude == kLargestWrittenMagnitude &&
            significandAtMost(digits_.substr(static_cast<std::size_t>(firstNonZero)),
                              std::string(kLargestWrittenDigits)))
            return negative_ ? -std::numeric_limits<double>::max()
                             : std::numeric_limits<double>::max();
        return std::nullopt;
    }

    std::string_view text_;
    const Separators &separators_;
    std::size_t pos_ = 0;
    bool negative_ = false;
    std::string digits_; // integer and fraction digits, without separators
    std::size_t pointPosition_ = 0;
    std::string exponentText_;
    long long exponent_ = 0;
    bool exponentNegative_ = false;
};

std::string withDecimalSeparator(std::string_view plain, const Separators &separators) {
    std::string text;
    for (const char c : plain) {
        if (c == '.')
            text += separators.decimal;
        else
            text += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

std::optional<double> ParseValue(std::string_view text, const Separators &separators) {
    return NumberReader(text, separators).read();
}

std::string NumberText(double value, const Separators &separators) {
    if (value == 0)
        return "0"; // also for -0
    // "%.15G" form: the exponent form is chosen after rounding to 15 digits.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, kSignificantDigits);
    return withDecimalSeparator(std::string_view(buffer.data(), result.ptr), separators);
}

std::string RoundedText(double value, const Separators &separators) {
    // to_chars rounds the exact binary value, so a tie such as 0.00048828125 is a real tie
    // and goes to the even digit; scaling by 1E10 in floating point would round twice.
    std::array<char, 400> buffer{}; // 309 integer digits, sign, point and 10 decimals
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, kRoundedDecimals);
    double rounded = value;
    std::from_chars(buffer.data(), written.ptr, rounded);
    return NumberText(rounded, separators);
}

} // namespace unit_conv

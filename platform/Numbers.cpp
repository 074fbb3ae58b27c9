#include "Numbers.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace platform {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsPoint(char c) {
    return c == '.' || c == ',';
}

// Length of the longest start of s that has the shape of a number (spaces, a sign, digits
// with at most one point or comma, an exponent only when digits follow its letter); 0
// when s does not begin with one.
size_t NumberPrefix(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i]))
            ++digits;
        else if (IsPoint(s[i]) && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

bool ParseNumber(std::string_view text, double& value) {
    if (text.empty() || NumberPrefix(text) != text.size())
        return false;
    std::string s(text);
    for (char& c : s)
        if (c == ',')
            c = '.';
    std::string_view body = s;
    while (body.front() == ' ')
        body.remove_prefix(1);
    bool negative = false;
    if (body.front() == '+' || body.front() == '-') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    double v = 0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Underflow to zero is a number; overflow is not.
        double probe = 0;
        if (std::sscanf(std::string(body).c_str(), "%lf", &probe) != 1 || std::isinf(probe))
            return false;
        v = probe;
    } else if (ec != std::errc() || end != body.data() + body.size()) {
        return false;
    }
    value = negative ? -v : v;
    return true;
}

bool ParseInt(std::string_view text, int32_t& value, bool allowHex) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (allowHex && i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    }
    if (i == text.size())
        return false;
    int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), v, base);
    if (ec != std::errc() || end != text.data() + text.size())
        return false;
    if (negative)
        v = -v;
    // Hexadecimal texts name 32-bit patterns, so $FFFFFFFF is -1 as it would be in a colour.
    if (base == 16 && v >= 0 && v <= int64_t(std::numeric_limits<uint32_t>::max()))
        v = int64_t(int32_t(uint32_t(v)));
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return false;
    value = int32_t(v);
    return true;
}

double LeadingNumber(std::string_view text) {
    double v = 0;
    return ParseNumber(text.substr(0, NumberPrefix(text)), v) ? v : 0;
}

int32_t IntOr(std::string_view text, int32_t fallback) {
    int32_t v = 0;
    return ParseInt(text, v) ? v : fallback;
}

char LocaleDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 0x80)
        return char(point[0].unicode());
    return '.';
}

void AppendGeneral(std::string& out, double value, char decimalSeparator) {
    if (value == 0) {
        out += '0';
        return;
    }
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
        return;
    }
    // The significant digits and the decimal exponent of the value rounded to 15 digits.
    // The shortest text that reads back as the value is that rounding whenever it has no
    // more than 15 digits (the usual case, and the cheaper one); otherwise round explicitly.
    char buf[64];
    auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    const char* e = std::find(buf, written.ptr, 'e');
    if (e - buf - (buf[0] == '-') - 1 > 15) { // sign, digits and point before the 'e'
        written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
        e = std::find(buf, written.ptr, 'e');
    }
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+'), written.ptr, exponent);
    char digits[24];
    size_t count = 0;
    for (const char* c = buf; c < e; ++c)
        if (IsDigit(*c))
            digits[count++] = *c;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    if (value < 0)
        out += '-';
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (count > 1) {
            out += decimalSeparator;
            out.append(digits + 1, count - 1);
        }
        char expText[16];
        std::snprintf(expText, sizeof expText, "E%s%03d", exponent < 0 ? "-" : "",
                      std::abs(exponent));
        out += expText;
    } else if (exponent < 0) {
        out += '0';
        out += decimalSeparator;
        out.append(size_t(-exponent - 1), '0');
        out.append(digits, count);
    } else {
        const size_t intDigits = size_t(exponent) + 1;
        if (count <= intDigits) {
            out.append(digits, count);
            out.append(intDigits - count, '0');
        } else {
            out.append(digits, intDigits);
            out += decimalSeparator;
            out.append(digits + intDigits, count - intDigits);
        }
    }
}

std::string FormatGeneral(double value, char decimalSeparator) {
    std::string out;
    AppendGeneral(out, value, decimalSeparator);
    return out;
}

std::string FormatFixed(double value, int decimals) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

int32_t RoundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value); // the default rounding mode is to nearest even
    if (r <= double(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (r >= double(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return int32_t(r);
}

} // namespace platform

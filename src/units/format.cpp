#include "units/format.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>
#include <string_view>
#include <vector>

namespace pc {

namespace {

// The C library's number conversions follow LC_NUMERIC, which QCoreApplication
// adopts from the environment on Linux: under de_DE.UTF-8 snprintf would write
// a comma and strtold stop at a point. The user's decimal separator is a
// setting of its own, applied by this file, so every conversion here runs in
// the C locale of the calling thread for its duration and restores the
// thread's locale afterwards.
class CNumericLocale
{
public:
    CNumericLocale() : previous_(uselocale(cLocale())) {}
    ~CNumericLocale() { uselocale(previous_); }
    CNumericLocale(const CNumericLocale &) = delete;
    CNumericLocale &operator=(const CNumericLocale &) = delete;

private:
    static locale_t cLocale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return c;
    }
    locale_t previous_;
};

struct Spec
{
    std::string flags;
    int width = -1;
    int precision = -1;
    char conv = 0;
};

QString replaceDecimal(const std::string &s, QChar decimal)
{
    QString out = QString::fromLatin1(s.c_str());
    if (decimal != QLatin1Char('.'))
        out.replace(QLatin1Char('.'), decimal);
    return out;
}

// "%.Nf" with N up to 9 and no flag but "-": the exact binary value of v
// rounded to N decimals, ties to even, which is exactly what printf prints,
// at a small part of its cost (most numbers the window shows go through
// here). Nothing for anything else, and nothing where long double is not
// the 64-bit-mantissa format the integer arithmetic below relies on.
std::optional<QString> formatFixedDecimals(const Spec &sp, long double v, QChar decimal)
{
    if constexpr (std::numeric_limits<long double>::digits != 64) {
        return std::nullopt;
    } else {
        constexpr int MaxDecimals = 9;
        static constexpr std::uint64_t Scale[MaxDecimals + 1] = {
            1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
        if (sp.conv != 'f' || sp.precision < 0 || sp.precision > MaxDecimals ||
            !(sp.flags.empty() || sp.flags == "-"))
            return std::nullopt;
        const int decimals = sp.precision;
        const long double a = std::fabs(v);
        // The scaled value stays below 2^63; NaN fails this as well.
        if (!(a < 9e18L / static_cast<long double>(Scale[decimals])))
            return std::nullopt;
        __extension__ typedef unsigned __int128 Wide;
        // a = mantissa * 2^-shift exactly, the mantissa holding all 64 bits.
        int exponent = 0;
        const long double fraction = std::frexp(a, &exponent);
        const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        const int shift = 64 - exponent;                                   // at least 1: a < 2^63
        const Wide scaled = static_cast<Wide>(mantissa) * Scale[decimals]; // below 2^94
        std::uint64_t whole = 0;
        if (shift < 100) { // beyond, the scaled value is far below one half
            const Wide kept = scaled >> shift;
            const Wide rest = scaled - (kept << shift);
            const Wide half = static_cast<Wide>(1) << (shift - 1);
            whole = static_cast<std::uint64_t>(kept) +
                    ((rest > half || (rest == half && (kept & 1) != 0)) ? 1 : 0);
        }
        // Digits from the right, at least one before the separator.
        char digits[32];
        int n = 0;
        do {
            digits[n++] = static_cast<char>('0' + whole % 10);
            whole /= 10;
        } while (whole != 0 || n <= decimals);
        QString text;
        text.reserve(std::max(sp.width, n + 2));
        if (std::signbit(v))
            text += QLatin1Char('-');
        for (int i = n - 1; i >= 0; --i) {
            if (i == decimals - 1)
                text += decimal;
            text += QLatin1Char(digits[i]);
        }
        if (sp.width > text.size()) {
            const QString pad(sp.width - text.size(), QLatin1Char(' '));
            text = sp.flags.empty() ? pad + text : text + pad;
        }
        return text;
    }
}

QString formatFloat(const Spec &sp, long double v, QChar decimal)
{
    if (auto fixed = formatFixedDecimals(sp, v, decimal))
        return *fixed;
    std::string f = "%" + sp.flags;
    if (sp.width >= 0)
        f += std::to_string(sp.width);
    if (sp.precision >= 0)
        f += "." + std::to_string(sp.precision);
    f += 'L';
    f += sp.conv;
    char buf[512];
    const CNumericLocale c;
    std::snprintf(buf, sizeof buf, f.c_str(), v);
    return replaceDecimal(buf, decimal);
}

QString formatInt(const Spec &sp, long long v)
{
    std::string f = "%" + sp.flags;
    if (sp.width >= 0)
        f += std::to_string(sp.width);
    // "%.0d" of 0 prints nothing in C; the program always wants the digit.
    if (sp.precision > 0)
        f += "." + std::to_string(sp.precision);
    f += "ll";
    f += sp.conv;
    char buf[128];
    std::snprintf(buf, sizeof buf, f.c_str(), v);
    return QString::fromLatin1(buf);
}

QString formatText(const Spec &sp, const QString &s)
{
    QString t = s;
    if (sp.precision >= 0 && t.size() > sp.precision)
        t.truncate(sp.precision);
    if (sp.width > t.size()) {
        const QString pad(sp.width - t.size(), QLatin1Char(' '));
        t = sp.flags.find('-') != std::string::npos ? t + pad : pad + t;
    }
    return t;
}

} // namespace

QString format(QChar decimal, const char *fmt, std::initializer_list<FormatArg> args)
{
    QString out;
    auto arg = args.begin();
    const std::string_view f(fmt);
    std::size_t i = 0;
    while (i < f.size()) {
        const char c = f[i];
        if (c != '%') {
            // Collect a literal run (UTF-8 in the source; most are ASCII).
            std::size_t j = f.find('%', i);
            if (j == std::string_view::npos)
                j = f.size();
            const std::string_view run = f.substr(i, j - i);
            const bool ascii = std::all_of(run.begin(), run.end(), [](char ch) {
                return static_cast<unsigned char>(ch) < 0x80;
            });
            if (ascii)
                out += QLatin1String(run.data(), static_cast<qsizetype>(run.size()));
            else
                out += QString::fromUtf8(run.data(), static_cast<qsizetype>(run.size()));
            i = j;
            continue;
        }
        ++i;
        if (i < f.size() && f[i] == '%') {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        Spec sp;
        while (i < f.size() && std::string_view("-+ #0").find(f[i]) != std::string_view::npos)
            sp.flags += f[i++];
        if (i < f.size() && std::isdigit(static_cast<unsigned char>(f[i]))) {
            sp.width = 0;
            while (i < f.size() && std::isdigit(static_cast<unsigned char>(f[i])))
                sp.width = sp.width * 10 + (f[i++] - '0');
        }
        if (i < f.size() && f[i] == '.') {
            ++i;
            sp.precision = 0;
            while (i < f.size() && std::isdigit(static_cast<unsigned char>(f[i])))
                sp.precision = sp.precision * 10 + (f[i++] - '0');
        }
        if (i >= f.size())
            break;
        sp.conv = f[i++];
        if (arg == args.end()) {
            out += QStringLiteral("<missing>");
            continue;
        }
        const FormatArg &a = *arg++;
        switch (sp.conv) {
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
            if (sp.conv == 'i')
                sp.conv = 'd';
            out += formatInt(sp, a.toInt());
            break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
            out += formatFloat(sp, a.toFloat(), decimal);
            break;
        case 's':
            out +=
                formatText(sp, a.kind() == FormatArg::Text ? a.text() : format(decimal, "%g", {a}));
            break;
        default:
            out += QStringLiteral("<bad format>");
            break;
        }
    }
    return out;
}

QString formatFixed(QChar decimal, long double value, int precision, int decimals)
{
    if (!std::isfinite(value))
        return replaceDecimal(std::to_string(static_cast<double>(value)), decimal);
    const CNumericLocale c;
    const long double a = std::fabs(value);
    if (a >= 1.0L) {
        const int intDigits = static_cast<int>(std::floor(std::log10(a))) + 1;
        if (intDigits > precision) {
            char buf[128];
            std::snprintf(buf, sizeof buf, "%.*LE", precision - 1, value);
            return replaceDecimal(buf, decimal);
        }
    }
    // Round to `precision` significant digits first, as the printed digits
    // beyond them are not kept.
    char sig[128];
    std::snprintf(sig, sizeof sig, "%.*Le", precision - 1, value);
    const long double rounded = std::strtold(sig, nullptr);
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.*Lf", decimals, rounded);
    return replaceDecimal(buf, decimal);
}

std::optional<long double> parseNumber(const QString &text, QChar decimal)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    std::string s;
    int i = 0;
    const int n = t.size();
    if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))
        s += static_cast<char>(t[i++].unicode());
    int digits = 0;
    bool sep = false;
    for (; i < n; ++i) {
        const QChar c = t[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            s += static_cast<char>(c.unicode());
            ++digits;
        } else if (c == decimal && !sep) {
            s += '.';
            sep = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        s += 'e';
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            s += static_cast<char>(t[i++].unicode());
        int expDigits = 0;
        for (; i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9'); ++i) {
            s += static_cast<char>(t[i].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    const CNumericLocale c;
    const long double v = std::strtold(s.c_str(), nullptr);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<long long> parseInteger(const QString &text)
{
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

} // namespace pc

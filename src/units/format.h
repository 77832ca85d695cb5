#pragma once
// Number and text formatting with printf-style formats and the user's decimal
// separator. All number text shown to the user goes through here.

#include <QChar>
#include <QString>

#include <initializer_list>
#include <optional>

namespace pc {

// One argument of format(): a number or a text.
class FormatArg
{
public:
    FormatArg(int v) : kind_(Int), i_(v) {}
    FormatArg(long v) : kind_(Int), i_(v) {}
    FormatArg(long long v) : kind_(Int), i_(v) {}
    FormatArg(double v) : kind_(Float), f_(v) {}
    FormatArg(long double v) : kind_(Float), f_(v) {}
    FormatArg(const QString &v) : kind_(Text), s_(v) {}
    FormatArg(const char *v) : kind_(Text), s_(QString::fromUtf8(v)) {}

    enum Kind { Int, Float, Text };
    Kind kind() const { return kind_; }
    long long toInt() const { return kind_ == Float ? static_cast<long long>(f_) : i_; }
    long double toFloat() const { return kind_ == Int ? static_cast<long double>(i_) : f_; }
    const QString &text() const { return s_; }

private:
    Kind kind_;
    long long i_ = 0;
    long double f_ = 0;
    QString s_;
};

// printf-style formatting: %d %u %f %e %g %s %x %% with flags, width and
// precision. Floating-point results use `decimal` as the decimal separator.
// An integer format with a precision ("%5.0d") still prints the digit 0 for zero.
// Widths of %s count characters, not bytes.
QString format(QChar decimal, const char *fmt, std::initializer_list<FormatArg> args);

// Fixed notation with `decimals` decimals after first rounding to `precision`
// significant digits (exponent notation when the number has more integer
// digits than `precision`).
QString formatFixed(QChar decimal, long double value, int precision, int decimals);

// Reads a decimal number written with `decimal` as its separator: optional
// blanks around it, an optional sign, digits with at most one separator and an
// optional exponent. Returns nothing for any other text (empty text included).
std::optional<long double> parseNumber(const QString &text, QChar decimal);

// Reads a whole number (optional blanks and sign); nothing for any other text.
std::optional<long long> parseInteger(const QString &text);

} // namespace pc

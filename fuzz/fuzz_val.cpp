// SPDX-License-Identifier: GPL-3.0-or-later
// Val against a reading made here: strtod on the text without blanks, held to
// Val's forms (no 0x, inf or nan; D is an exponent letter too), and &H/&O
// digits by strtoull as 16- or 32-bit two's complement; ReadFieldNumber in four
// locales against the same reading and a pattern of the locale's number. The first byte
// chooses free text, or text in the letters of a decimal or &H/&O number.
#include "fuzzsupport.h"
#include "numbers/val.h"
#include <QRegularExpression>
#include <locale.h>

static const locale_t kC = newlocale(LC_ALL_MASK, "C", nullptr); // strtod_l reads numbers in it
// The number at the start of the text without blanks (outside Latin-1: '?'), and how many characters follow
// it (-1: no number); an infinity stands for a number past the double range, which raises overflow.
static double Reference(const QString &text, std::ptrdiff_t &rest)
{
    std::string s = QString(text).remove(u' ').remove(u'\t').remove(u'\n').toLatin1().toStdString();
    char *stop = s.data();
    double v = 0;
    if (s[0] == '&' && ((s[1] | 0x20) == 'h' || (s[1] | 0x20) == 'o')) {
        const int base = (s[1] | 0x20) == 'h' ? 16 : 8;
        const auto digits = std::strspn(&s[2], base == 16 ? "0123456789abcdefABCDEF" : "01234567");
        // At most 2^64 - 1.
        const std::uint64_t n = std::strtoull(s.substr(2, digits).c_str(), nullptr, base);
        v = std::bit_width(n) > 32 ? HUGE_VAL : std::bit_width(n) <= 16 ? std::int16_t(n) : std::int32_t(n);
        stop += 2 + digits;
    } else {
        for (char &c : s)
            c = c == 'd' || c == 'D' ? 'e' : c == 'x' || c == 'X' ? '~' : c; // 1D5 is 1E5; no 0x
        const std::size_t sign = s[0] == '+' || s[0] == '-';
        // No inf, nan or white space.
        if (std::isdigit(static_cast<unsigned char>(s[sign])) || s[sign] == '.')
            v = strtod_l(s.c_str(), &stop, kC);
    }
    rest = stop == s.data() ? -1 : s.data() + s.size() - stop;
    return v;
}

static void Check(const QString &text)
{
    std::ptrdiff_t rest = 0;
    const double read = Reference(text, rest);
    const std::string val = RUN(Val(text)), want = std::isinf(read) ? "error 6" : Text(read);
    FUZZ_CHECK(val == want, "Val(" + Text(text) + ") = " + val + ", expected " + want);
    // The field reading, on the text trimmed: Val's number when it takes the whole text, the locale's when
    // the text matches its pattern; two that differ, or none with a number at the start, are refused; no
    // number at all reads 0.
    const QString trimmed = text.trimmed();
    const double tRead = Reference(trimmed, rest);
    for (const QLocale &locale : kLocales) {
        // The locale's number: groups of three (where it groups with a space, a plain space too), its point.
        const QString point = QRegularExpression::escape(locale.decimalPoint()),
                      group = QRegularExpression::escape(locale.groupSeparator())
            + (locale.groupSeparator().at(0).isSpace() ? "| " : "");
        const QRegularExpression pattern("^(?=[^eE]*[0-9])[-+]?(?:[0-9]{1,3}(?:(?:" + group
                                         + ")[0-9]{3})+|[0-9]*)(?:" + point
                                         + "[0-9]*)?(?:[eE][-+]?[0-9]+)?$");
        std::optional<double> asLocale;
        if (pattern.match(trimmed).hasMatch()) // read without its groups, with a point
            asLocale = strtod_l(QString(trimmed)
                                    .remove(QRegularExpression("[^-+0-9eE" + point + "]"))
                                    .replace(locale.decimalPoint(), ".")
                                    .toStdString()
                                    .c_str(),
                                nullptr, kC);
        // Both readings and different, or none with a number at the start: refused; no number at all: 0.
        const auto value = rest == 0 && asLocale && tRead != *asLocale ? std::nullopt
            : asLocale                                                 ? asLocale
            : rest == 0                                                ? std::optional(tRead)
            : rest < 0                                                 ? std::optional(0.0)
                                                                       : std::nullopt;
        const std::string got = RUN(ReadFieldNumber(text, locale)),
                          expected =
                              std::isinf(tRead) || std::isinf(asLocale.value_or(0)) ? "error 6" : Text(value);
        FUZZ_CHECK(got == expected,
                   Text(text) + " in " + locale.name().toStdString() + " reads " + got + ", expected "
                       + expected);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in{data, size};
    const int kind = in.Take<std::uint8_t>() % 3;
    // Free text, or each byte picks a letter: of a decimal number, or after &H, &h, &O or &o.
    std::string text = kind == 2 ? std::string("&") + "HhOo"[in.Take<std::uint8_t>() % 4] : "";
    const std::string letters =
        kind == 1 ? "0123456789.+-eEdD0123456789 \t\n,x" : "0123456789abcdefABCDEF000 \t\n,g";
    for (std::size_t i = 0; i < in.size; ++i)
        text += kind == 0 ? char(in.data[i]) : letters[in.data[i] % letters.size()];
    if (kind == 0)
        Check(QString::fromStdString(text));
    Check(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    return 0;
}

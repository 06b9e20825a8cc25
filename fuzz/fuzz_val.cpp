// SPDX-License-Identifier: GPL-3.0-or-later
// Val against a reading made here: strtod on the text without blanks, held to
// Val's forms (no 0x, inf or nan; D is an exponent letter too), and &H/&O
// digits by strtoull as 16- or 32-bit two's complement; ReadFieldNumber in four
// locales against the same reading and a pattern of the locale's number. The first byte
// chooses free text, or text in the letters of a decimal or &H/&O number.
#include "fuzzsupport.h"
#include "numbers/val.h"
#include <QRegularExpression>
#include <cerrno>
#include <locale.h>

// The number at the start of s (the text without blanks), and where it ends (0: none).
static Outcome<double> Reference(std::string s, std::size_t &end)
{
    if (s[0] == '&' && ((s[1] | 0x20) == 'h' || (s[1] | 0x20) == 'o')) {
        const int base = (s[1] | 0x20) == 'h' ? 16 : 8;
        end = 2 + std::strspn(s.c_str() + 2, base == 16 ? "0123456789abcdefABCDEF" : "01234567");
        const std::uint64_t v =
            std::strtoull(s.substr(2, end - 2).c_str(), nullptr, base); // at most 2^64 - 1
        return {std::bit_width(v) > 32, ErrorNumber::Overflow,
                std::bit_width(v) <= 16 ? double(std::int16_t(v)) : double(std::int32_t(v))};
    }
    for (char &c : s)
        c = c == 'd' || c == 'D' ? 'e' : c == 'x' || c == 'X' ? '~' : c; // 1D5 is 1E5; no 0x
    const std::size_t sign = s[0] == '+' || s[0] == '-';
    if (!std::isdigit(static_cast<unsigned char>(s[sign])) && s[sign] != '.')
        return {false, {}, 0}; // no number (nor inf, nan, white space)
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    char *stop = nullptr;
    errno = 0;
    const double v = strtod_l(s.c_str(), &stop, cLocale);
    end = static_cast<std::size_t>(stop - s.c_str());
    return {errno == ERANGE && std::isinf(v), ErrorNumber::Overflow, v};
}

static void Check(const QString &text)
{
    const QString compact = QString(text).remove(u' ').remove(u'\t').remove(u'\n');
    const std::string s = compact.toLatin1().toStdString(); // outside Latin-1: '?'
    std::size_t end = 0;
    const Outcome<double> read = Reference(s, end);
    const auto val = Run([&] { return Val(text); });
    FUZZ_CHECK(val == read, "Val(" + Quoted(text) + ") = " + val.Text() + ", expected " + read.Text());
    // The field reading, on the text trimmed of every blank: Val's number when it takes the whole text,
    // the locale's when the text matches its pattern; two that differ, or none with a number at the
    // start, are refused; no number at all reads 0.
    const std::string t =
        QString(text.trimmed()).remove(u' ').remove(u'\t').remove(u'\n').toLatin1().toStdString();
    std::size_t tEnd = 0;
    const Outcome<double> tRead = Reference(t, tEnd);
    const bool valWhole = !tRead.raised && tEnd != 0 && tEnd == t.size();
    for (const QLocale &locale : kLocales) {
        const QString group = QRegularExpression::escape(locale.groupSeparator());
        const QString groups = locale.groupSeparator().at(0).isSpace() ? "(?:" + group + "| )" : group;
        const QRegularExpression pattern("^[-+]?(?:[0-9]{1,3}(?:" + groups + "[0-9]{3})+|[0-9]*)(?:"
                                         + QRegularExpression::escape(locale.decimalPoint())
                                         + "[0-9]*)?(?:[eE][-+]?[0-9]+)?$");
        const QString trimmed = text.trimmed();
        Outcome<std::optional<double>> expected{tRead.raised, tRead.error, std::nullopt};
        std::optional<double> asLocale;
        if (!tRead.raised && pattern.match(trimmed).hasMatch()
            && trimmed.section(QRegularExpression("[eE]"), 0, 0).contains(QRegularExpression("[0-9]"))) {
            QString plain =
                QString(trimmed).remove(locale.groupSeparator()).replace(locale.decimalPoint(), ".");
            plain.remove(locale.groupSeparator().at(0).isSpace() ? u' ' : u'\0');
            errno = 0;
            static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
            const double v = strtod_l(plain.toStdString().c_str(), nullptr, cLocale);
            if (errno == ERANGE && std::isinf(v))
                expected = {true, ErrorNumber::Overflow, std::nullopt};
            else
                asLocale = v;
        }
        if (!expected.raised) // both and the same, or one of them, or none and no number: 0
            expected.value = valWhole && asLocale ? (tRead.value == *asLocale ? asLocale : std::nullopt)
                : valWhole                        ? std::optional(tRead.value)
                : asLocale                        ? asLocale
                : tEnd == 0                       ? std::optional(0.0)
                                                  : std::nullopt;
        const auto got = Run([&] { return ReadFieldNumber(text, locale); });
        FUZZ_CHECK(got == expected,
                   "ReadFieldNumber(" + Quoted(text) + ") in " + locale.name().toStdString() + " = "
                       + got.Text() + ", expected " + expected.Text());
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
    for (const char c : in.Rest())
        text += kind == 0 ? c : letters[static_cast<std::uint8_t>(c) % letters.size()];
    if (kind == 0)
        Check(QString::fromStdString(text));
    Check(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    return 0;
}

// Val, the leading-number parse of every typed input of the calculator and the
// converter. Properties:
// - on any text it returns a finite number or raises overflow, nothing else;
// - blanks, tabs and line feeds anywhere make no difference;
// - a comma ends the number: what follows it makes no difference;
// - a decimal number written with random blanks inside and followed by a
//   character that cannot continue it reads as the correctly rounded double of
//   its digits (the C library's strtod), and as overflow beyond the double
//   range; an underflow is 0 or a subnormal, never an error;
// - &H and &O numbers read as whole numbers, as a 16-bit two's-complement
//   value up to 16 significant bits, as a 32-bit one up to 32, and overflow
//   beyond.
//
// The first byte of an input chooses the case: free text, a decimal number,
// or a hexadecimal or octal number.
#include "fuzzsupport.h"

#include "numbers/val.h"

#include <cerrno>
#include <cmath>
#include <locale.h>

namespace {

Outcome ValOf(const QString &text)
{
    return Run([&] { return Val(text); });
}

void CheckAnyText(const QString &text)
{
    const Outcome outcome = ValOf(text);
    FUZZ_CHECK(!outcome.raised || outcome.error == ErrorNumber::Overflow,
               "Val(" + Quoted(text) + ") raised " + outcome.Text());
    FUZZ_CHECK(outcome.raised || std::isfinite(outcome.value), "Val(" + Quoted(text) + ") = " + outcome.Text());

    QString squeezed = text;
    squeezed.remove(u' ').remove(u'\t').remove(u'\n');
    FUZZ_CHECK(ValOf(squeezed) == outcome,
               "blanks matter: Val(" + Quoted(text) + ") = " + outcome.Text() + ", without them "
                   + ValOf(squeezed).Text());

    // Whatever follows a comma (here the text itself once more) is not read.
    const QString extended = text + u',' + text;
    FUZZ_CHECK(ValOf(extended) == outcome,
               "a comma does not end the number: Val(" + Quoted(extended) + ") = " + ValOf(extended).Text()
                   + ", Val(" + Quoted(text) + ") = " + outcome.Text());
}

// Blanks of the three kinds, put in at positions the input chooses.
QString WithBlanks(FuzzInput &in, const std::string &text)
{
    QString result = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const int count = static_cast<int>(in.Below(6));
    for (int i = 0; i < count; ++i) {
        static const char16_t blanks[] = {u' ', u'\t', u'\n'};
        result.insert(static_cast<qsizetype>(in.Below(static_cast<std::uint32_t>(result.size()) + 1)),
                      QChar(blanks[in.Below(3)]));
    }
    return result;
}

// Characters that can follow a complete number, decimal, hexadecimal or
// octal, without continuing it.
char Terminator(FuzzInput &in)
{
    static const char stops[] = ",;/%$xyzghjkuvw!?()*=";
    return stops[in.Below(sizeof stops - 1)];
}

void CheckDecimal(FuzzInput &in)
{
    std::string token;
    const std::uint32_t sign = in.Below(3);
    if (sign == 1)
        token += '-';
    else if (sign == 2)
        token += '+';
    const int integerDigits = static_cast<int>(in.Below(26));
    const bool point = in.Below(2) == 1;
    const int fractionDigits = point ? static_cast<int>(in.Below(26)) : 0;
    for (int i = 0; i < integerDigits; ++i)
        token += static_cast<char>('0' + in.Below(10));
    if (point)
        token += '.';
    for (int i = 0; i < fractionDigits; ++i)
        token += static_cast<char>('0' + in.Below(10));
    const bool digits = integerDigits + fractionDigits > 0;

    // An exponent: its letter, a sign, and up to four digits; without digits
    // the letter and the sign are not part of the number.
    std::string exponent;
    if (in.Below(2) == 1) {
        exponent += in.Below(2) == 1 ? 'E' : 'e';
        const std::uint32_t expSign = in.Below(3);
        if (expSign == 1)
            exponent += '-';
        else if (expSign == 2)
            exponent += '+';
        const int expDigits = static_cast<int>(in.Below(5));
        for (int i = 0; i < expDigits; ++i)
            exponent += static_cast<char>('0' + in.Below(10));
    }
    const bool exponentRead = !exponent.empty() && std::isdigit(static_cast<unsigned char>(exponent.back()));

    std::string text = token + exponent;
    if (in.Below(2) == 1)
        text += Terminator(in) + in.Rest();
    const QString typed = WithBlanks(in, text);

    Outcome expected;
    if (digits) {
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
        const std::string number = token + (exponentRead ? exponent : std::string());
        errno = 0;
        const double value = strtod_l(number.c_str(), nullptr, cLocale);
        if (errno == ERANGE && std::isinf(value))
            expected.raised = true;
        else
            expected.value = value;
    }
    const Outcome got = ValOf(typed);
    FUZZ_CHECK(got == expected, "Val(" + Quoted(typed) + ") = " + got.Text() + ", expected " + expected.Text());
    CheckAnyText(typed);
}

void CheckRadix(FuzzInput &in)
{
    const bool hex = in.Below(2) == 1;
    const int base = hex ? 16 : 8;
    // Up to 36 significant bits, so that every width and the overflow beyond
    // 32 bits are met, after up to three leading zeros.
    const int bits = static_cast<int>(in.Below(37));
    const std::uint64_t value = bits == 0 ? 0 : (in.Take<std::uint64_t>() & ((std::uint64_t{1} << bits) - 1));
    std::string digits;
    for (std::uint64_t v = value; v != 0; v /= static_cast<std::uint64_t>(base))
        digits.insert(digits.begin(), "0123456789ABCDEF"[v % static_cast<std::uint64_t>(base)]);
    digits.insert(0, in.Below(4) + (digits.empty() ? 1 : 0), '0');
    if (hex && in.Below(2) == 1) {
        for (char &c : digits)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const char *prefixes[] = {hex ? "&H" : "&O", hex ? "&h" : "&o"};
    std::string text = prefixes[in.Below(2)] + digits;
    if (in.Below(2) == 1)
        text += Terminator(in);
    const QString typed = WithBlanks(in, text);

    int significant = 0;
    for (std::uint64_t v = value; v != 0; v >>= 1)
        ++significant;
    Outcome expected;
    if (significant <= 16)
        expected.value = static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    else if (significant <= 32)
        expected.value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    else
        expected.raised = true;
    const Outcome got = ValOf(typed);
    FUZZ_CHECK(got == expected, "Val(" + Quoted(typed) + ") = " + got.Text() + ", expected " + expected.Text());
    CheckAnyText(typed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in(data, size);
    switch (in.Take<std::uint8_t>() % 3) {
    case 0: {
        const std::string bytes = in.Rest();
        CheckAnyText(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
        CheckAnyText(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
        break;
    }
    case 1:
        CheckDecimal(in);
        break;
    default:
        CheckRadix(in);
        break;
    }
    return 0;
}

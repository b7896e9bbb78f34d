#include "engine/Convert.h"

#include <limits>
#include <string>

#include "engine/Exception.h"

namespace vellumar {

namespace {

[[noreturn]] void NotAnInteger(std::string_view text) {
    // The message is UTF-8; bytes outside printable ASCII are shown as "?"
    // rather than passed on as text in another code page.
    std::string shown;
    for (char c : text) shown += (c >= 0x20 && c < 0x7F) ? c : '?';
    throw EConvertError("'" + shown + "' is not a valid integer value");
}

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

}  // namespace

int StrToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) NotAnInteger(text);

    // The magnitude may reach one past the int maximum when the sign is minus.
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : std::numeric_limits<int>::max();
    long long value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) NotAnInteger(text);
        value = value * base + digit;
        if (value > limit) NotAnInteger(text);
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace vellumar

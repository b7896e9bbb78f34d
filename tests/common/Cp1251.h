#pragma once
// Test texts are written in UTF-8 and turned into the system's cp1251 here.

#include <iconv.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace vellumar::test {

inline std::string Recode(const std::string& text, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
    std::string out(text.size() * 4 + 4, '\0');
    char* src = const_cast<char*>(text.data());
    std::size_t srcLeft = text.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1)) throw std::runtime_error("text not convertible: " + text);
    out.resize(out.size() - dstLeft);
    return out;
}

// UTF-8 -> cp1251.
inline std::string W(const std::string& utf8) { return Recode(utf8, "CP1251", "UTF-8"); }
// cp1251 -> UTF-8, for readable failure messages.
inline std::string U(const std::string& cp1251) { return Recode(cp1251, "UTF-8", "CP1251"); }

// Several UTF-8 lines to cp1251 at once.
inline std::vector<std::string> Ws(std::initializer_list<const char*> utf8) {
    std::vector<std::string> out;
    for (const char* s : utf8) out.push_back(W(s));
    return out;
}

}  // namespace vellumar::test

#include "tools/cli/Encoding.h"

#include <iconv.h>

#include <stdexcept>

#include "engine/Cp1251Literal.h"
#include "tools/import/IconvRun.h"

namespace vellumar::cli {

namespace {

// One iconv descriptor per direction, opened on first use and kept for the run.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `in`; on an unconvertible or invalid sequence stops and
    // reports its offset (returns false) unless `replace` is set.
    bool Convert(std::string_view in, std::string& out, std::size_t& badOffset, const char* replace) {
        out.clear();
        std::size_t pos = 0;
        while ((pos += IconvRun(cd_, in.substr(pos), out)) < in.size()) {
            if (!replace) {
                badOffset = pos;
                return false;
            }
            out += replace;
            ++pos;
        }
        return true;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string Cp1251ToUtf8(std::string_view text) {
    static Converter converter("UTF-8", "CP1251");
    std::string out;
    std::size_t bad = 0;
    converter.Convert(text, out, bad, Utf8ReplacementCharacter.data());
    return out;
}

std::optional<std::string> Utf8ToCp1251(const std::string& text, std::size_t* badOffset) {
    static Converter converter("CP1251", "UTF-8");
    std::string out;
    std::size_t bad = 0;
    if (!converter.Convert(text, out, bad, nullptr)) {
        if (badOffset) *badOffset = bad;
        return std::nullopt;
    }
    return out;
}

}  // namespace vellumar::cli

#pragma once
// One iconv pass over a text: what every conversion between the system's
// cp1251 and Unicode is built on.

#include <iconv.h>

#include <cerrno>
#include <string>
#include <string_view>

namespace vellumar {

// Converts `in` with `cd` and appends the result to `out`, stopping at the
// first sequence that `cd` can't convert (errno EILSEQ) or that the text cuts
// off (EINVAL); returns how many bytes of `in` it took.
inline std::size_t IconvRun(iconv_t cd, std::string_view in, std::string& out) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[4096];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        const int error = errno;  // before the append, whose allocation may change it
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (r == static_cast<std::size_t>(-1) && error != E2BIG) {
            errno = error;  // the callers tell a bad sequence from a cut-off one by it
            break;
        }
    }
    return in.size() - srcLeft;
}

}  // namespace vellumar

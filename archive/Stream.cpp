#include "archive/Stream.h"

#include "archive/Errors.h"

namespace vellumar {

TStream::~TStream() = default;

void TStream::ExpectWrite(std::size_t) {}

void TStream::ReadBuffer(void* buf, std::size_t n) {
    auto* out = static_cast<unsigned char*>(buf);
    while (n > 0) {
        const std::size_t got = Read(out, n);
        if (got == 0) throw EReadError();
        out += got;
        n -= got;
    }
}

}  // namespace vellumar

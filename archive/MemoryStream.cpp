#include "archive/MemoryStream.h"

#include "archive/Errors.h"
#include "engine/TextLines.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vellumar {

std::size_t TMemoryStream::Read(void* buf, std::size_t n) {
    if (position_ >= data_.size()) return 0;
    const std::size_t count = std::min(n, data_.size() - position_);
    std::memcpy(buf, data_.data() + position_, count);
    position_ += count;
    return count;
}

void TMemoryStream::Write(const void* buf, std::size_t n) {
    if (n == 0) return;
    if (position_ > data_.size()) data_.resize(position_, '\0');
    const std::size_t overwrite = std::min(n, data_.size() - position_);
    std::memcpy(data_.data() + position_, buf, overwrite);
    data_.append(static_cast<const char*>(buf) + overwrite, n - overwrite);
    position_ += n;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
    std::int64_t base = 0;
    if (origin == SeekOrigin::Current) base = static_cast<std::int64_t>(position_);
    if (origin == SeekOrigin::End) base = static_cast<std::int64_t>(data_.size());
    const std::int64_t target = base + offset;
    if (target < 0) throw EStreamError("Invalid stream position");
    position_ = static_cast<std::size_t>(target);
    return target;
}

void TMemoryStream::ExpectWrite(std::size_t n) {
    const std::size_t wanted = position_ + n;
    if (wanted <= data_.capacity()) return;
    data_.reserve(wanted);
    // A large member is written once from start to end: in huge pages it
    // costs a few hundred page faults fewer per megabyte.
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    if (data_.capacity() < 2 * kHugePage) return;
    const auto start = (reinterpret_cast<std::uintptr_t>(data_.data()) + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data_.data()) + data_.capacity()) & ~(kHugePage - 1);
    if (end > start) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

std::vector<std::string> TMemoryStream::ReadLines() const {
    if (position_ >= data_.size()) return {};
    return SplitTextLines(std::string_view(data_).substr(position_));
}

}  // namespace vellumar

#pragma once
// A stream held in memory: the target into which members are expanded.

#include "archive/Stream.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellumar {

class TMemoryStream : public TStream {
public:
    std::size_t Read(void* buf, std::size_t n) override;
    // Writes at the current position, overwriting and then extending the data.
    void Write(const void* buf, std::size_t n) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    void ExpectWrite(std::size_t n) override;

    void Rewind() { position_ = 0; }
    const std::string& Data() const { return data_; }
    // The data moved out, without a copy; the stream is left empty.
    std::string TakeData() {
        position_ = 0;
        return std::exchange(data_, std::string());
    }
    // The data from the current position on, split into text lines (CR LF, CR or
    // LF end a line, a zero byte ends the text). The position is not moved.
    std::vector<std::string> ReadLines() const;

private:
    std::string data_;
    std::size_t position_ = 0;
};

}  // namespace vellumar

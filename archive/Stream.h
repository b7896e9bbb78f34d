#pragma once
// The byte-stream abstraction the archive reader reads from and writes to.

#include <cstddef>
#include <cstdint>

namespace vellumar {

enum class SeekOrigin { Begin, Current, End };

class TStream {
public:
    virtual ~TStream();

    // Reads up to n bytes; returns how many came (0 at the end).
    virtual std::size_t Read(void* buf, std::size_t n) = 0;
    // Writes all n bytes or throws EWriteError.
    virtual void Write(const void* buf, std::size_t n) = 0;
    // Moves the position; returns the new position from the start.
    virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;

    // A hint that about `n` more bytes are going to be written; lets a memory
    // stream size its buffer once instead of doubling it. Does nothing by default.
    virtual void ExpectWrite(std::size_t n);

    // Reads exactly n bytes or throws EReadError.
    void ReadBuffer(void* buf, std::size_t n);
};

}  // namespace vellumar

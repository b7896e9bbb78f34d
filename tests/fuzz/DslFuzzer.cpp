// Arbitrary bytes as a DSL source, plain or gzip.

#include "tests/fuzz/ImportFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vellumar;
    fuzz::WriteSections(data, size, {"x.dsl"});
    fuzz::ImportOrRead(import::ReadDsl, fuzz::FuzzFolder() + "x.dsl");
    return 0;
}

// Arbitrary bytes as a dictd database: .index and .dict, cut at the section
// mark; the .dict may be gzip (dictzip).

#include "tests/fuzz/ImportFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vellumar;
    fuzz::WriteSections(data, size, {"x.index", "x.dict"});
    fuzz::ImportOrRead(import::ReadDictd, fuzz::FuzzFolder() + "x.index");
    return 0;
}

// Arbitrary bytes as a StarDict dictionary: .ifo, .idx, .dict and .syn, cut
// at the section mark; any of them may be gzip.

#include "tests/fuzz/ImportFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vellumar;
    fuzz::WriteSections(data, size, {"x.ifo", "x.idx", "x.dict", "x.syn"});
    fuzz::ImportOrRead(import::ReadStarDict, fuzz::FuzzFolder() + "x.ifo");
    return 0;
}

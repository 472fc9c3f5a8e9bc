// libFuzzer's entry point; VYR_FUZZ_TARGET names the target this executable runs.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return vyr::fuzz::VYR_FUZZ_TARGET(data, size);
}

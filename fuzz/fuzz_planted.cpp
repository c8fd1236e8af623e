// A target with a planted fault, for checking that fuzz/run.sh fails when the sanitizers report one: an
// input starting with "PLANT" overflows a signed product, which only UBSan notices (nothing crashes).
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 6 || std::memcmp(data, "PLANT", 5) != 0) return 0;
    volatile int width = INT_MAX - data[5] % 2;
    volatile int product = width * 3;
    return product == 0 ? 1 : 0;
}

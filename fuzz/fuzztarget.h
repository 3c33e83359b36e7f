#pragma once

#include <cstddef>
#include <cstdint>

// A fuzz target: under libFuzzer it is the binary's entry, otherwise one entry of the
// table that the corpus replay walks.
using FuzzEntry = int (*)(const uint8_t *, size_t);

struct FuzzTarget {
    const char *name;
    FuzzEntry entry;
    FuzzTarget(const char *name, FuzzEntry entry);
};

#ifdef CLIPMOOR_LIBFUZZER
#define CLIPMOOR_FUZZ_TARGET(name)                                                                 \
    static int fuzz_##name(const uint8_t *, size_t);                                               \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)                        \
    {                                                                                              \
        return fuzz_##name(data, size);                                                            \
    }                                                                                              \
    static int fuzz_##name(const uint8_t *data, size_t size)
#else
#define CLIPMOOR_FUZZ_TARGET(name)                                                                 \
    static int fuzz_##name(const uint8_t *, size_t);                                               \
    static const FuzzTarget register_##name(#name, &fuzz_##name);                                  \
    static int fuzz_##name(const uint8_t *data, size_t size)
#endif

// Stops the run with a message when an invariant does not hold.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzzFailure(#condition, __FILE__, __LINE__);                                           \
    } while (false)

[[noreturn]] void fuzzFailure(const char *condition, const char *file, int line);

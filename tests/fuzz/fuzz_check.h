// A failed property of a fuzz target: says which, then aborts so libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace quorvel::fuzz {

[[noreturn]] inline void failed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

}  // namespace quorvel::fuzz

#define FUZZ_REQUIRE(condition) \
    ((condition) ? static_cast<void>(0) : ::quorvel::fuzz::failed(#condition, __FILE__, __LINE__))

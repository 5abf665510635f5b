#pragma once
// Shared by the fuzz entry points: a broken property ends the run at once, so that the
// fuzzer records the input.

#include <cstdlib>

namespace fuzz {

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace fuzz

#pragma once

// The UTF-8 reader and writer take eight units at a time with SSSE3 shuffles where the
// processor has them; elsewhere they keep to their plain loops.
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define PIRTOK_UTF8_GROUPS 1

namespace pirtok::codec {

// Asked at first use: static initializers may run before the processor is probed.
inline bool hasSsse3()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3") != 0;
    }();
    return has;
}

} // namespace pirtok::codec
#endif

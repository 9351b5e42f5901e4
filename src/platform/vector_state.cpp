#include "platform/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#define PEMRO_X86 1
#endif

namespace {

#ifdef PEMRO_X86
// CPUID.1:ECX bit 27: the OS enabled XSAVE, so XGETBV may run at all.
constexpr unsigned kOsXsaveBit = 1u << 27;
// CPUID.(0xD, 1):EAX bit 2: XGETBV with ECX = 1 reports XINUSE.
constexpr unsigned kXgetbvEcx1Bit = 1u << 2;
// XINUSE components: upper halves of YMM0-15, upper 256 bits of ZMM0-15.
constexpr unsigned long long kUpperComponents = (1ull << 2) | (1ull << 6);

bool AvxUsable() {
    static const bool usable = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    return usable;
}

bool XinuseReadable() {
    static const bool readable = [] {
        unsigned a = 0, b = 0, c = 0, d = 0;
        if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & kOsXsaveBit)) return false;
        if (__get_cpuid_max(0, nullptr) < 0xD) return false;
        __cpuid_count(0xD, 1, a, b, c, d);
        return (a & kXgetbvEcx1Bit) != 0;
    }();
    return readable;
}
#endif

} // namespace

void ClearUpperVectorState() {
#ifdef PEMRO_X86
    // The clobbers keep the compiler from holding a 256-bit value across it
    // in a build that uses AVX itself.
    if (AvxUsable())
        __asm__ volatile("vzeroupper" ::
                             : "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6", "xmm7"
#ifdef __x86_64__
                               ,
                               "xmm8", "xmm9", "xmm10", "xmm11", "xmm12", "xmm13", "xmm14", "xmm15"
#endif
        );
#endif
}

int UpperVectorStateInUse() {
#ifdef PEMRO_X86
    if (!XinuseReadable()) return -1;
    unsigned lo = 0, hi = 0;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
    const unsigned long long inUse = (static_cast<unsigned long long>(hi) << 32) | lo;
    return (inUse & kUpperComponents) != 0 ? 1 : 0;
#else
    return -1;
#endif
}

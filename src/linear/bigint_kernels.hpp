#pragma once

#include <cstddef>
#include <cstdint>

#include "linear/rational.hpp"

// The limb kernels of big multiplication and exact division: r[0..n) = a * m,
// r[0..n) += a * m and r[0..n) -= a * m, each returning the limb that carries
// (or borrows) out. That limb always fits: a * m + r + carry < 2^128.
// On x86-64 the carry stays in the flags, which the compiler's code does not
// manage (it spends fifteen instructions a limb): mulq takes seven, and mulx
// (BMI2), which leaves rdx alone so that the carry alternates between two
// registers, five. Callers choose a kernel once per operation, not per row.
namespace nemox::linear::kernels {

using Limb = std::uint64_t;

// Adx: as Mulx, with the additions of addmul_1 on two carry chains (adcx, adox).
enum class Kernel { Portable, Mulq, Mulx, Adx };

inline bool has_mulx() {
#if defined(__x86_64__)
    static const bool yes = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("bmi2") != 0;
    }();
    return yes;
#else
    return false;
#endif
}

inline bool has_adx() {
#if defined(__x86_64__)
    static const bool yes = [] {
        __builtin_cpu_init();
        return has_mulx() && __builtin_cpu_supports("adx") != 0;
    }();
    return yes;
#else
    return false;
#endif
}

// Whether this processor runs kernel k.
inline bool available(Kernel k) {
#if defined(__x86_64__)
    return k == Kernel::Adx ? has_adx() : k != Kernel::Mulx || has_mulx();
#else
    return k == Kernel::Portable;
#endif
}

inline Limb mul_1_tail(Limb* r, const Limb* a, std::size_t n, Limb m, Limb carry) {
    for (std::size_t j = 0; j < n; ++j) {
        const UWide p = static_cast<UWide>(a[j]) * m + carry;
        r[j] = static_cast<Limb>(p);
        carry = static_cast<Limb>(p >> 64);
    }
    return carry;
}

inline Limb addmul_1_tail(Limb* r, const Limb* a, std::size_t n, Limb m, Limb carry) {
    for (std::size_t j = 0; j < n; ++j) {
        const UWide p = static_cast<UWide>(a[j]) * m;
        Limb lo = static_cast<Limb>(p), hi = static_cast<Limb>(p >> 64);
        lo += carry;
        hi += lo < carry;
        const Limb x = r[j];
        lo += x;
        hi += lo < x;
        r[j] = lo;
        carry = hi;
    }
    return carry;
}

inline Limb submul_1_tail(Limb* r, const Limb* a, std::size_t n, Limb m, Limb carry) {
    for (std::size_t j = 0; j < n; ++j) {
        const UWide p = static_cast<UWide>(a[j]) * m;
        Limb lo = static_cast<Limb>(p), hi = static_cast<Limb>(p >> 64);
        lo += carry;
        hi += lo < carry;
        const Limb x = r[j];
        r[j] = x - lo;
        carry = hi + (x < lo);
    }
    return carry;
}

#if defined(__x86_64__)
// One limb: hi:lo = m * a[off] + carry, then OP puts lo into r[off] and
// folds what that carries into hi, the next carry.
#define NEMOX_MULX_STEP(op, off, carry, hi) \
    "mulxq " off "(%[a]), %[lo], %[" hi     \
    "]\n\t"                                 \
    "addq %[" carry                         \
    "], %[lo]\n\t"                          \
    "adcq $0, %[" hi "]\n\t" op(off, hi)
#define NEMOX_MULQ_STEP(op, off) \
    "movq " off                  \
    "(%[a]), %%rax\n\t"          \
    "mulq %[m]\n\t"              \
    "addq %[c], %%rax\n\t"       \
    "adcq $0, %%rdx\n\t" op(off) "movq %%rdx, %[c]\n\t"
#define NEMOX_MULX_SET(off, hi) "movq %[lo], " off "(%[r])\n\t"
#define NEMOX_MULX_ADD(off, hi) "addq %[lo], " off "(%[r])\n\tadcq $0, %[" hi "]\n\t"
#define NEMOX_MULX_SUB(off, hi) "subq %[lo], " off "(%[r])\n\tadcq $0, %[" hi "]\n\t"
#define NEMOX_MULQ_SET(off) "movq %%rax, " off "(%[r])\n\t"
#define NEMOX_MULQ_ADD(off) "addq %%rax, " off "(%[r])\n\tadcq $0, %%rdx\n\t"
#define NEMOX_MULQ_SUB(off) "subq %%rax, " off "(%[r])\n\tadcq $0, %%rdx\n\t"

// Blocks of four limbs, then the rest one at a time.
#define NEMOX_KERNEL(name, OPX, OPQ, TAIL)                                                      \
    template <Kernel K>                                                                         \
    [[gnu::always_inline]] inline Limb name(Limb* r, const Limb* a, std::size_t n, Limb m) {    \
        Limb carry = 0;                                                                         \
        std::size_t j = 0;                                                                      \
        if constexpr (K == Kernel::Mulx) {                                                      \
            Limb lo, hi;                                                                        \
            for (; j + 4 <= n; j += 4) {                                                        \
                __asm__(NEMOX_MULX_STEP(OPX, "0", "c", "h") NEMOX_MULX_STEP(OPX, "8", "h", "c") \
                            NEMOX_MULX_STEP(OPX, "16", "c", "h")                                \
                                NEMOX_MULX_STEP(OPX, "24", "h", "c")                            \
                        : [c] "+&r"(carry), [lo] "=&r"(lo), [h] "=&r"(hi)                       \
                        : [a] "r"(a + j), [r] "r"(r + j), "d"(m)                                \
                        : "cc", "memory");                                                      \
            }                                                                                   \
            for (; j < n; ++j) {                                                                \
                __asm__(NEMOX_MULX_STEP(OPX, "0", "c", "h") "movq %[h], %[c]\n\t"               \
                        : [c] "+&r"(carry), [lo] "=&r"(lo), [h] "=&r"(hi)                       \
                        : [a] "r"(a + j), [r] "r"(r + j), "d"(m)                                \
                        : "cc", "memory");                                                      \
            }                                                                                   \
            return carry;                                                                       \
        } else if constexpr (K == Kernel::Mulq) {                                               \
            for (; j + 4 <= n; j += 4) {                                                        \
                __asm__(NEMOX_MULQ_STEP(OPQ, "0") NEMOX_MULQ_STEP(OPQ, "8")                     \
                            NEMOX_MULQ_STEP(OPQ, "16") NEMOX_MULQ_STEP(OPQ, "24")               \
                        : [c] "+&r"(carry)                                                      \
                        : [a] "r"(a + j), [r] "r"(r + j), [m] "r"(m)                            \
                        : "rax", "rdx", "cc", "memory");                                        \
            }                                                                                   \
        }                                                                                       \
        return TAIL(r + j, a + j, n - j, m, carry);                                             \
    }
#else
#define NEMOX_KERNEL(name, OPX, OPQ, TAIL)                            \
    template <Kernel K>                                               \
    inline Limb name(Limb* r, const Limb* a, std::size_t n, Limb m) { \
        return TAIL(r, a, n, m, 0);                                   \
    }
#endif

NEMOX_KERNEL(mul_1, NEMOX_MULX_SET, NEMOX_MULQ_SET, mul_1_tail)
NEMOX_KERNEL(addmul_1, NEMOX_MULX_ADD, NEMOX_MULQ_ADD, addmul_1_tail)
NEMOX_KERNEL(submul_1, NEMOX_MULX_SUB, NEMOX_MULQ_SUB, submul_1_tail)

#if defined(__x86_64__)
// r += a * m on two independent carry chains: adcx adds the high half of the
// previous product, adox the limb of r, so neither waits for the other.
// Each block starts with both flags clear and folds them into its carry.
#define NEMOX_ADX_STEP(off, carry, hi)  \
    "mulxq " off "(%[a]), %[lo], %[" hi \
    "]\n\t"                             \
    "adcxq %[" carry                    \
    "], %[lo]\n\t"                      \
    "adoxq " off                        \
    "(%[r]), %[lo]\n\t"                 \
    "movq %[lo], " off "(%[r])\n\t"
template <>
[[gnu::always_inline]] inline Limb addmul_1<Kernel::Adx>(Limb* r, const Limb* a, std::size_t n,
                                                         Limb m) {
    Limb carry = 0, lo, hi, zero;
    std::size_t j = 0;
    for (; j + 4 <= n; j += 4) {
        __asm__("xorl %k[z], %k[z]\n\t" NEMOX_ADX_STEP("0", "c", "h") NEMOX_ADX_STEP("8", "h", "c")
                    NEMOX_ADX_STEP("16", "c", "h") NEMOX_ADX_STEP("24", "h", "c")
                "adcxq %[z], %[c]\n\t"
                "adoxq %[z], %[c]\n\t"
                : [c] "+&r"(carry), [lo] "=&r"(lo), [h] "=&r"(hi), [z] "=&r"(zero)
                : [a] "r"(a + j), [r] "r"(r + j), "d"(m)
                : "cc", "memory");
    }
    return addmul_1_tail(r + j, a + j, n - j, m, carry);
}
#undef NEMOX_ADX_STEP
#endif

#undef NEMOX_KERNEL
#undef NEMOX_MULQ_SUB
#undef NEMOX_MULQ_ADD
#undef NEMOX_MULQ_SET
#undef NEMOX_MULX_SUB
#undef NEMOX_MULX_ADD
#undef NEMOX_MULX_SET
#undef NEMOX_MULQ_STEP
#undef NEMOX_MULX_STEP

// body.template operator()<K>() with the best kernel K this processor runs.
template <class Body>
[[gnu::always_inline]] inline auto with_kernels(Body&& body) {
#if defined(__x86_64__)
    if (has_adx()) return body.template operator()<Kernel::Adx>();
    return has_mulx() ? body.template operator()<Kernel::Mulx>()
                      : body.template operator()<Kernel::Mulq>();
#else
    return body.template operator()<Kernel::Portable>();
#endif
}

}  // namespace nemox::linear::kernels

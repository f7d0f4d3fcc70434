#pragma once

// TESSLA_INLINE asks the compiler to inline a small function, typically a lambda, into its caller:
// for the loops that run once per person of a search, where a call per person costs more than the
// work it does.
#if defined(__GNUC__)
#define TESSLA_INLINE __attribute__((always_inline))
#else
#define TESSLA_INLINE
#endif

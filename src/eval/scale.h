// Scaling by single-precision factors in extended precision, truncated toward zero: the
// percentages and divisions of the evaluation.
#pragma once

#include <cstdint>

// x times a single-precision factor, multiplied in extended precision and truncated toward
// zero, without switching the x87 rounding mode.
int32_t EscalarExtendido(int32_t x, float factor);

// x times mantisa / 2^exponente truncated toward zero. With a 24-bit mantissa the product of
// any 32-bit x is exact in 64 bits, as it is in extended precision, so this equals
// EscalarExtendido for the single-precision factor mantisa / 2^exponente.
inline int32_t EscalarExacto(int32_t x, int64_t mantisa, int32_t exponente) {
    // Integer division truncates toward zero, as the conversion of the product does.
    return static_cast<int32_t>(static_cast<int64_t>(x) * mantisa / (int64_t{1} << exponente));
}

// Single-precision 0.01 is 5368709 / 2^29, slightly below 0.01, so exact multiples of 100
// lose one point.
static_assert(0.01f == 5368709.0f / 536870912.0f);
inline int32_t Porcentaje(int32_t x, int32_t p) { return EscalarExacto(x * p, 5368709, 29); }

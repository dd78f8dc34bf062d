// The general scaling of the evaluation, for factors without an exact integer form.
#include "eval/scale.h"

// The truncating conversion of a long double normally switches the x87 rounding mode twice,
// which stalls the pipeline and cost more than half of an evaluation; fisttp (SSE3, present
// on every x86-64 processor in use) truncates without touching the mode.
#if defined(__x86_64__) || defined(__i386__)
#define TRUNCADO_SIN_MODO __attribute__((target("sse3")))
#else
#define TRUNCADO_SIN_MODO
#endif

TRUNCADO_SIN_MODO int32_t EscalarExtendido(int32_t x, float factor) {
    return static_cast<int32_t>(static_cast<long double>(x) * static_cast<long double>(factor));
}

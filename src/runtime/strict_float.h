#pragma once

// Results must be bit-exact: every step rounded once to a double, nothing held wider, nothing
// fused. Include this in any file that does tariff arithmetic, so a build that would break
// that cannot compile silently. (Contraction into fused multiply-add is switched off by the
// build with -ffp-contract=off; the conversion tests pin results that fusing would change.)
#include <cfloat>

static_assert(FLT_EVAL_METHOD == 0, "intermediates must not be kept in excess precision");
static_assert(DBL_MANT_DIG == 53 && FLT_MANT_DIG == 24, "IEEE binary64 and binary32 required");

#ifdef __FAST_MATH__
#error "tariff arithmetic must not be built with -ffast-math"
#endif

#pragma once

// Results must be bit-exact: every step rounded once to a double, nothing held wider, nothing
// fused. Include this in any file that does tariff arithmetic: a build that would hold
// intermediates wider (x87 arithmetic, -mfpmath=387) or use -ffast-math stops here. Fusing is
// not something a header can see: the layers are built with -ffp-contract=off, and the
// precision trap tests pin inputs whose answers fusing, or holding intermediates wider, would
// change (they fail on a build of the tariff layer with -ffp-contract=fast -march=native).
#include <cfloat>

static_assert(FLT_EVAL_METHOD == 0, "intermediates must not be kept in excess precision");
static_assert(DBL_MANT_DIG == 53 && FLT_MANT_DIG == 24, "IEEE binary64 and binary32 required");

#ifdef __FAST_MATH__
#error "tariff arithmetic must not be built with -ffast-math"
#endif

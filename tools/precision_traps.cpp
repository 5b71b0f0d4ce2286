// Lists the inputs whose answers wider or fused arithmetic would change, for the settings the
// test suite pins traps for (tests/core/precision_trap_test.cpp); in build/: make precision_traps
// && tools/precision_traps
#include <cstdio>
#include <utility>

#include "tariff/precision_traps.h"

int main() {
    using namespace tolvane::traps;
    for (const auto& [name, s] : {std::pair{"minutes to yen, mobile", kMobileMinutes},
                                  std::pair{"minutes to yen, SuperPackL, 60 s", kSuperLMinutes},
                                  std::pair{"minutes to yen, SuperPackS, 60 s", kSuperSMinutes},
                                  std::pair{"yen to minutes, mobile", kMobileYen},
                                  std::pair{"yen to minutes, SuperPackS, 45 s", kSuperSYen}}) {
        for (const Arithmetic other : {Arithmetic::Wider, Arithmetic::Fused}) {
            std::printf("%s, %s: input, answer, other answer\n%s", name,
                        other == Arithmetic::Wider ? "wider" : "fused",
                        Search(s, other, 40).c_str());
        }
    }
    return 0;
}

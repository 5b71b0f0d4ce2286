#include <cstdio>

int main() {
    std::puts(
        "Tolvane: the tariff engine is built and tested; the calculator window is not built yet.");
    return 0;
}

#include "webwindow/app.h"

int main() {
    tolvane::RunCalculator();
    return 0;
}

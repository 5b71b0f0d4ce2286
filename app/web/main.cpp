#include "webwindow/app.h"

int main() {
    tolvane::web::RunCalculator();
    return 0;
}

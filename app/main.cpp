#include "mainwindow/app.h"

int main(int argc, char* argv[]) {
    return tolvane::RunCalculator(argc, argv);
}

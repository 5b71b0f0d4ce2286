#pragma once

#include <functional>

class QApplication;

namespace tolvane::qt {

class MainF;

// Makes the application the calculator's: its name as the desktop entry has it, Qt's own texts
// in Japanese, the window's font for everything and its icon for every window.
void PrepareApplication(QApplication& application);

// Runs the calculator as the program does, the table's message before the window, until the
// window is closed. `beforeShow` lets a caller look at the window before it is first shown.
int RunCalculator(int& argc, char** argv, const std::function<void(MainF&)>& beforeShow = {});

}  // namespace tolvane::qt

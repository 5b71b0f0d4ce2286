#pragma once

class QCoreApplication;

namespace tolvane {

// Qt's own texts that the user sees (a text box's context menu, its shortcuts) in Japanese, like
// the rest of the window, whatever the process locale. Without Debian's translations installed
// they stay in English.
void InstallJapaneseQtTexts(QCoreApplication& application);

}  // namespace tolvane

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "qtwindow/app.h"

namespace {

constexpr const char* kReportTo = TOLVANE_BUG_REPORT_URL;  // empty where the build names none

// In Japanese where the user's messages are (LC_ALL, else LC_MESSAGES, else LANG, as the C
// library picks them), in English elsewhere.
bool JapaneseMessages() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') {
            return std::string_view(value).starts_with("ja");
        }
    }
    return false;
}

struct HelpTexts {
    const char* usage;
    const char* reportTo;   // before the address
    const char* noAddress;  // where the build names none
};

void PrintHelp() {
    static constexpr HelpTexts kJapanese = {
        "使い方: tolvane [Qtのオプション]\n"
        "通話時間から通話料金の概算を、または金額から通話時間を計算するウィンドウを\n"
        "開きます。料金は料金設定ファイル(table.csv)から読み込みます。\n\n"
        "  --help     この説明を表示して終了します\n"
        "  --version  バージョンを表示して終了します\n\n"
        "詳しくはman tolvaneをご覧ください。\n",
        "不具合の報告先: ", "不具合は、プログラムを入手した先にお知らせください。\n"};
    static constexpr HelpTexts kEnglish = {
        "Usage: tolvane [Qt options]\n"
        "Opens a window that estimates the charge of a telephone call in Japan from\n"
        "its length, or the call time an amount buys, from the rates in table.csv.\n\n"
        "  --help     show this help and exit\n"
        "  --version  show the version and exit\n\n"
        "See tolvane(1) (man tolvane) for the rest.\n",
        "Report bugs to ", "Report bugs to whoever you got the program from.\n"};
    const HelpTexts& texts = JapaneseMessages() ? kJapanese : kEnglish;
    std::fputs(texts.usage, stdout);
    if (*kReportTo != '\0') {
        std::printf("%s%s\n", texts.reportTo, kReportTo);
    } else {
        std::fputs(texts.noAddress, stdout);
    }
}

}  // namespace

// --version and --help are answered before Qt starts, which would want a display; every other
// argument is Qt's. A failed write (a full disk, a closed pipe) fails, as in any other tool.
int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version" || argument == "--help") {
            if (argument == "--version") {
                std::fputs("tolvane " TOLVANE_VERSION "\n", stdout);
            } else {
                PrintHelp();
            }
            return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? EXIT_SUCCESS
                                                                        : EXIT_FAILURE;
        }
    }
    return tolvane::qt::RunCalculator(argc, argv);
}

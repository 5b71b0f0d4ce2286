#include "runtime/program_dir.h"

namespace tolvane {

std::string ProgramDir(std::string_view /*startedAs*/) {
    // The page's folder in emscripten's file system, which the page fills with the files the
    // program reads beside itself (program_dir.h says why it is fixed).
    return "/tolvane";
}

}  // namespace tolvane

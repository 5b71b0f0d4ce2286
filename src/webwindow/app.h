#pragma once

namespace tolvane::web {

// Runs the calculator in the page: the form, the rate table the page has put in the program's
// folder (its message, if any, before the form appears), then the form shown. The page's events
// reach it afterwards; the form lives as long as the page.
void RunCalculator();

}  // namespace tolvane::web

#pragma once
// The help pages: HTML files in the folder "help" beside the program,
// opened in the desktop's web browser.

#include <QString>

#include <string_view>

namespace ovix {

class Messages;

inline constexpr const char *kHelpContentsPage = "index.html";
inline constexpr const char *kHelpUsingHelpPage = "using_help.html";

// The folder of the help pages: "help" beside the program.
QString helpFolder();

// Opens `page` of the help folder in the browser. When the page is missing or
// no browser takes it, says where the pages are instead (caption "Help");
// never fails otherwise. True when a browser took the page.
bool openHelpPage(std::string_view page, Messages &messages);

} // namespace ovix

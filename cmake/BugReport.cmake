# Where users report a fault. The project has no public address of its own yet, so whoever
# packages Tolvane or hosts its page names one (a web page, https://…, or mailto:…) in the cache
# variable TOLVANE_BUG_REPORT_URL. The documents built from templates (the manual pages, the
# Windows README.txt), the AppStream record, the page and `tolvane --help` give it; left empty,
# they tell the user to ask whoever the program came from.
set(TOLVANE_BUG_REPORT_URL "" CACHE STRING
    "Where users report a fault: https://… or mailto:… (empty: ask whoever the program came from)")

# Only what every format can carry as it is: no blank, quote, angle bracket or backslash, which
# would end the address or start markup in one of them. An ampersand is escaped where it matters.
function(tolvane_check_bug_report_url url)
    if(url AND NOT url MATCHES "^(https?://|mailto:)[^ \t\"'<>\\\\]+$")
        message(FATAL_ERROR "TOLVANE_BUG_REPORT_URL must be an https://, http:// or mailto: "
            "address without blanks, quotes, angle brackets or backslashes: '${url}'")
    endif()
endfunction()
tolvane_check_bug_report_url("${TOLVANE_BUG_REPORT_URL}")

# Configures a document template (configure_file, @ONLY) with the texts about reporting for the
# address url, each in the form and language its template asks for:
#   @TOLVANE_BUG_REPORT_EN@, @TOLVANE_BUG_REPORT_JA@  plain text (README.txt)
#   @TOLVANE_BUG_REPORT_ROFF_EN@, @TOLVANE_BUG_REPORT_ROFF_JA@  the manual pages
#   @TOLVANE_BUG_REPORT_XML@  the AppStream record's <url type="bugtracker"> line, or nothing
#   @TOLVANE_BUG_REPORT_HTML@  the page's line
#   @PROJECT_VERSION@  the version
#   tolvane_configure_document(template output url)
function(tolvane_configure_document template output url)
    tolvane_check_bug_report_url("${url}")
    string(REPLACE "&" "&amp;" markup_url "${url}")
    if(url)
        set(TOLVANE_BUG_REPORT_EN "Send it to ${url}")
        set(TOLVANE_BUG_REPORT_JA "送り先は${url}です。")
        set(TOLVANE_BUG_REPORT_ROFF_EN "Send it to:\n.br\n.UR ${url}\n.UE")
        set(TOLVANE_BUG_REPORT_ROFF_JA "送り先は\\fI${url}\\fRです。")
        set(TOLVANE_BUG_REPORT_XML "\n  <url type=\"bugtracker\">${markup_url}</url>")
        set(TOLVANE_BUG_REPORT_HTML "不具合の報告先：<a href=\"${markup_url}\">${markup_url}</a>")
    else()
        set(TOLVANE_BUG_REPORT_EN "This copy names no address for reports: send it to whoever
you got the program from (the site, the distribution or the person who gave it
to you).")
        set(TOLVANE_BUG_REPORT_JA "このプログラムには報告の送り先が記されていません。
プログラムを入手した先（サイト、配布元、プログラムを渡してくれた人）に
お知らせください。")
        set(TOLVANE_BUG_REPORT_ROFF_EN "This copy names no address for reports: send it to whoever you got the program from (the distribution that packaged it, the site or the person who gave it to you).")
        set(TOLVANE_BUG_REPORT_ROFF_JA "このプログラムには報告の送り先が記されていません。\\c\nプログラムを入手した先（パッケージを配布しているディストリビューション、サイト、プログラムを渡してくれた人）にお知らせください。")
        set(TOLVANE_BUG_REPORT_XML "")
        set(TOLVANE_BUG_REPORT_HTML "不具合は、このページの管理者にお知らせください。")
    endif()
    configure_file(${template} ${output} @ONLY)
endfunction()

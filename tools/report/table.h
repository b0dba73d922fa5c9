// A table of texts, one header row and rows of cells, written as CSV, as a
// Markdown table or as one self-contained HTML page.
#pragma once

#include <string>
#include <vector>

namespace devcap_tool {

struct Table {
    std::string strTitle;    // the page's title and heading (HTML only)
    std::string strCaption;  // one line under the heading (HTML only)
    // Leading columns that name a row (kept in view while scrolling sideways,
    // never hidden by the column filter of the HTML page).
    size_t ulKeyColumns = 1;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;  // one cell per column
};

// RFC 4180 fields, lines ending in a line feed.
std::string TableCsv(const Table &t);
// A pipe table; "|" in a cell escaped, line breaks turned into blanks.
std::string TableMarkdown(const Table &t);
// One HTML page with its style and script inside and no reference to
// anything outside it (its content security policy forbids every load): a
// sticky header, a filter per column and a filter of the columns shown.
std::string TableHtml(const Table &t);

}  // namespace devcap_tool

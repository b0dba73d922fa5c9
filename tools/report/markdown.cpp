// A table as a Markdown pipe table.
#include "report/table.h"

namespace devcap_tool {

namespace {

std::string Cell(const std::string &s) {
    std::string r;
    for (char c : s) {
        if (c == '|' || c == '\\') r += '\\';
        r += c == '\n' || c == '\r' ? ' ' : c;
    }
    return r;
}

void Line(std::string &out, const std::vector<std::string> &cells) {
    out += '|';
    for (const std::string &c : cells) {
        out += ' ';
        out += Cell(c);
        out += " |";
    }
    out += '\n';
}

}  // namespace

std::string TableMarkdown(const Table &t) {
    std::string out;
    Line(out, t.columns);
    out += "|";
    for (size_t i = 0; i < t.columns.size(); ++i) out += "---|";
    out += "\n";
    for (const auto &row : t.rows) Line(out, row);
    return out;
}

}  // namespace devcap_tool

// A table as CSV.
#include "report/table.h"

namespace devcap_tool {

namespace {

std::string Field(const std::string &s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string r = "\"";
    for (char c : s) {
        if (c == '"') r += '"';
        r += c;
    }
    r += '"';
    return r;
}

void Line(std::string &out, const std::vector<std::string> &cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out += ',';
        out += Field(cells[i]);
    }
    out += '\n';
}

}  // namespace

std::string TableCsv(const Table &t) {
    std::string out;
    Line(out, t.columns);
    for (const auto &row : t.rows) Line(out, row);
    return out;
}

}  // namespace devcap_tool

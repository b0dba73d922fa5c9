// A table as one self-contained HTML page, for readers without a terminal:
// style and script inside the page, nothing loaded from anywhere.
#include "report/table.h"

namespace devcap_tool {

namespace {

std::string Escape(const std::string &s) {
    std::string r;
    for (char c : s) {
        switch (c) {
            case '&': r += "&amp;"; break;
            case '<': r += "&lt;"; break;
            case '>': r += "&gt;"; break;
            case '"': r += "&quot;"; break;
            case '\'': r += "&#39;"; break;
            default: r += c;
        }
    }
    return r;
}

// The content security policy forbids every load but the page's own style
// and script: the page works offline and cannot call out.
const char kHead[] = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content="default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'">
<meta name="viewport" content="width=device-width, initial-scale=1">
<style>
body { font: 13px/1.4 system-ui, sans-serif; margin: 1em; color: #222; }
h1 { font-size: 1.3em; margin: 0 0 .2em; }
.hint { color: #555; margin: .3em 0; }
#tools { margin: .6em 0; display: flex; gap: 1.5em; flex-wrap: wrap; align-items: center; }
#columns { width: 24em; }
.wrap { overflow: auto; max-height: calc(100vh - 10em); border: 1px solid #bbb; }
table { border-collapse: separate; border-spacing: 0; }
th, td { border-right: 1px solid #ddd; border-bottom: 1px solid #ddd; padding: 2px 6px;
         white-space: nowrap; text-align: left; vertical-align: top; background: #fff; }
thead th { position: sticky; top: 0; z-index: 2; background: #eef1f5; }
thead th input { display: block; width: 100%; min-width: 5em; box-sizing: border-box; margin-top: 2px; font: inherit; }
th:first-child, td:first-child { position: sticky; left: 0; z-index: 1; font-weight: 600; }
thead th:first-child { z-index: 3; background: #e2e7ee; }
tbody tr:nth-child(even) td { background: #f6f7f9; }
tbody tr:hover td { background: #fff4cc; }
</style>
)";

const char kScript[] = R"(<script>
(function () {
  'use strict';
  var table = document.getElementById('matrix');
  var keys = Number(table.getAttribute('data-key-columns'));
  var heads = table.tHead.rows[0].cells, rows = table.tBodies[0].rows;
  var names = [], filters = [], cells = [];
  for (var c = 0; c < heads.length; c++) {
    names.push(heads[c].querySelector('.name').textContent.toLowerCase());
    filters.push(heads[c].querySelector('input'));
  }
  for (var r = 0; r < rows.length; r++) {
    var texts = [];
    for (var k = 0; k < rows[r].cells.length; k++) texts.push(rows[r].cells[k].textContent);
    cells.push(texts);
  }
  var columns = document.getElementById('columns'), differ = document.getElementById('differ');
  var hidden = document.getElementById('hidden-columns'), shown = document.getElementById('shown');

  // "text" contained, "=text" exactly, "!..." the opposite; case ignored.
  function matches(text, want) {
    if (want === '') return true;
    var not = want.charAt(0) === '!';
    if (not) want = want.slice(1);
    var exact = want.charAt(0) === '=';
    if (exact) want = want.slice(1);
    var t = text.toLowerCase();
    var hit = exact ? t === want : t.indexOf(want) >= 0;
    return not ? !hit : hit;
  }
  function named(name, words) {
    if (words.length === 0) return true;
    for (var i = 0; i < words.length; i++) if (name.indexOf(words[i]) >= 0) return true;
    return false;
  }
  function varies(c, visible) {
    for (var i = 1; i < visible.length; i++) if (cells[visible[i]][c] !== cells[visible[0]][c]) return true;
    return false;
  }
  function update() {
    var want = [];
    for (var c = 0; c < filters.length; c++) want.push(filters[c].value.trim().toLowerCase());
    var visible = [];
    for (var r = 0; r < rows.length; r++) {
      var ok = true;
      for (var f = 0; ok && f < want.length; f++) ok = matches(cells[r][f], want[f]);
      rows[r].hidden = !ok;
      if (ok) visible.push(r);
    }
    var words = columns.value.trim().toLowerCase().split(/\s+/).filter(Boolean);
    var rules = [], answers = 0;
    for (var a = keys; a < names.length; a++) {
      var show = want[a] !== '' || (named(names[a], words) && (!differ.checked || varies(a, visible)));
      if (show) answers++;
      else rules.push('#matrix tr > :nth-child(' + (a + 1) + ')');
    }
    hidden.textContent = rules.length ? rules.join(',\n') + ' { display: none; }' : '';
    shown.textContent = visible.length + ' of ' + rows.length + ' rows, ' + answers + ' of ' +
                        (names.length - keys) + ' columns shown';
  }
  table.tHead.addEventListener('input', update);
  columns.addEventListener('input', update);
  differ.addEventListener('change', update);
  update();
})();
</script>
)";

}  // namespace

std::string TableHtml(const Table &t) {
    std::string out = kHead;
    out += "<style id=\"hidden-columns\"></style>\n<title>" + Escape(t.strTitle) + "</title>\n</head>\n<body>\n";
    out += "<h1>" + Escape(t.strTitle) + "</h1>\n<p class=\"hint\">" + Escape(t.strCaption) + "</p>\n";
    out += "<div id=\"tools\">\n"
           "<label>Columns: <input id=\"columns\" type=\"search\" placeholder=\"words of column names, e.g. "
           "Uart485 Wiper\"></label>\n"
           "<label><input id=\"differ\" type=\"checkbox\"> only columns that differ between the rows shown</label>\n"
           "<span id=\"shown\"></span>\n</div>\n"
           "<p class=\"hint\">Filter the rows in a column's header: text the cell contains, <code>=text</code> "
           "the whole cell, <code>!</code> before either for the opposite.</p>\n";
    out += "<div class=\"wrap\">\n<table id=\"matrix\" data-key-columns=\"" + std::to_string(t.ulKeyColumns) +
           "\">\n<thead>\n<tr>";
    for (const std::string &c : t.columns)
        out += "<th><span class=\"name\">" + Escape(c) + "</span><input type=\"search\" aria-label=\"filter " +
               Escape(c) + "\"></th>";
    out += "</tr>\n</thead>\n<tbody>\n";
    for (const auto &row : t.rows) {
        out += "<tr>";
        for (const std::string &c : row) out += "<td>" + Escape(c) + "</td>";
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n</div>\n";
    return out + kScript + "</body>\n</html>\n";
}

}  // namespace devcap_tool

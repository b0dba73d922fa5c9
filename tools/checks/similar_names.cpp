// Names that nearly match: for "did you mean" and the near-miss checks.
#include <ctype.h>

#include <algorithm>
#include <vector>

#include "checks/checks.h"

namespace devcap_tool::lint {

namespace {

char Fold(char c, bool bFoldCase) { return bFoldCase ? static_cast<char>(tolower(static_cast<unsigned char>(c))) : c; }

}  // namespace

size_t EditDistance(std::string_view a, std::string_view b, bool bFoldCase) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t ulDiag = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t ulUp = row[j];
            const size_t ulCost = Fold(a[i - 1], bFoldCase) == Fold(b[j - 1], bFoldCase) ? 0 : 1;
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, ulDiag + ulCost});
            ulDiag = ulUp;
        }
    }
    return row[b.size()];
}

bool SameLettersOtherCase(std::string_view a, std::string_view b) {
    return a != b && a.size() == b.size() && EditDistance(a, b, true) == 0;
}

}  // namespace devcap_tool::lint

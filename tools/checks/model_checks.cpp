// The file against the model of its kind.
#include "checks/checks.h"

namespace devcap_tool::lint {

void CheckAgainstModel(const CapFile &, FileContext, FindingSink &) {}

}  // namespace devcap_tool::lint

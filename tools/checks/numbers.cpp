// number-narrowed: an integer its field cannot hold; the device keeps what
// is left of it after json-c's 32-bit reading and the field's width.
#include "checks/model_walk.h"

namespace devcap_tool::lint {

void CheckNumber(const Place &p, const model::Value &form, const JsonValue &v, FindingSink &sink) {
    if (form.stRange.Holds(v.llVal)) return;
    const long long llKept = Narrow(DeviceInt(v), form.stRange);
    Finding &f = p.Add(sink, check::kNumberNarrowed,
                       v.strText + " does not fit the field of " + p.Name() + " (" + std::to_string(form.stRange.llMin) +
                           " to " + std::to_string(form.stRange.llMax) + "); the device keeps " + std::to_string(llKept));
    f.tokens.push_back(v.strText);
    f.tokens.push_back(std::to_string(llKept));
}

}  // namespace devcap_tool::lint

// number-narrowed: an integer its field cannot hold; the device keeps what
// is left of it after json-c's 32-bit reading and the field's width.
#include <stdint.h>

#include <algorithm>

#include "checks/model_walk.h"

namespace devcap_tool::lint {

long long Kept(const model::Value &form, long long ll) {
    ll = std::clamp<long long>(ll, INT32_MIN, INT32_MAX);
    const model::Range r = form.stRange;
    if (r.Holds(ll)) return ll;
    const unsigned long long ullSpan = static_cast<unsigned long long>(r.llMax - r.llMin) + 1;
    return r.llMin + static_cast<long long>(static_cast<unsigned long long>(ll - r.llMin) % ullSpan);
}

void ReportNarrowed(const Place &p, FindingSink &sink) {
    const model::Value &form = *p.pJudgement->pValue;
    const long long llKept = Kept(form, p.Node()->llVal);
    std::string strMsg = p.Node()->strText + " does not fit the field of " + p.Name() + " (" +
                         std::to_string(form.stRange.llMin) + " to " + std::to_string(form.stRange.llMax) +
                         "); the device keeps " + std::to_string(llKept);
    if (form.eForm == model::Form::kNumberWord && form.pVocab->FindNumber(llKept) == nullptr)
        strMsg += ", which is no " + p.strKey + " value: it answers invalid";
    Finding &f = p.Add(sink, check::kNumberNarrowed, strMsg);
    f.expected = {p.pJudgement->strExpected};
    f.tokens.push_back(std::to_string(llKept));
}

}  // namespace devcap_tool::lint

// number-narrowed: an integer its field cannot hold; the device keeps what
// is left of it after json-c's 32-bit reading and the field's width.
#include "checks/model_walk.h"

namespace devcap_tool::lint {

void ReportNarrowed(const Place &p, FindingSink &sink) {
    const model::Value &form = *p.pJudgement->pValue;
    const long long llKept = model::Narrowed(form, p.Node()->llVal);
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

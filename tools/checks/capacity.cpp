// text-too-long and array-too-long: a text or an array longer than the field
// that keeps it; the device cuts it, drops its surplus, or drops it whole.
#include <algorithm>

#include "checks/model_walk.h"

namespace devcap_tool::lint {

void ReportCut(const Place &p, FindingSink &sink) {
    const std::string &s = p.Node()->strText;
    const unsigned uiCap = p.pJudgement->pValue->uiCap;
    p.Add(sink, check::kTextTooLong,
          Quoted(s) + " is " + std::to_string(s.size()) + " characters; its field keeps " + std::to_string(uiCap) +
              ", so the device answers " + Quoted(s.substr(0, uiCap)));
}

void ReportNotJoined(const Place &p, FindingSink &sink) {
    const model::Value &form = *p.pJudgement->pValue;
    const JsonValue &v = *p.Node();
    std::string strJoined;
    for (size_t i = 0; i < form.uiTuple && i < v.items.size(); ++i) strJoined += v.items[i].strText + "/";
    const bool bTexts = v.items.size() >= form.uiTuple &&
                        std::all_of(v.items.begin(), v.items.begin() + form.uiTuple,
                                    [](const JsonValue &e) { return e.Is(JsonKind::kString); });
    if (!bTexts) {
        Finding &f = p.Add(sink, check::kWrongType,
                           p.Name() + " takes " + p.pJudgement->strExpected + "; the device takes nothing from " +
                               v.Show() + " and answers an empty path");
        f.expected = {p.pJudgement->strExpected};
        return;
    }
    p.Add(sink, check::kTextTooLong,
          "the path " + Quoted(strJoined) + " is " + std::to_string(strJoined.size()) + " characters; its field keeps " +
              std::to_string(form.uiJoined) + ", so the device drops it whole and answers an empty path");
}

void ReportDropped(const Place &p, FindingSink &sink) {
    const model::Value &form = *p.pJudgement->pValue;
    const size_t ulCap = form.eForm == model::Form::kTuple ? form.uiTuple : form.uiCap;
    const size_t ulLen = p.Node()->items.size();
    std::string strMsg = p.Name() + " has " + std::to_string(ulLen) + " elements; ";
    if (form.eExcess == model::Excess::kOptionalDropped) {
        strMsg += "the device takes " + std::to_string(form.uiTupleMin) + " or " + std::to_string(ulCap) +
                  ", and with more it reads only the first " + std::to_string(form.uiTupleMin);
    } else {
        const size_t ulDropped = ulLen - ulCap;
        strMsg += "its field holds " + std::to_string(ulCap) + ", so the device drops the last " +
                  (ulDropped == 1 ? std::string("one") : std::to_string(ulDropped));
        if (form.stCount.Valid()) strMsg += ", while the count it sets is " + std::to_string(ulLen);
    }
    p.Add(sink, check::kArrayTooLong, strMsg).expected = {p.pJudgement->strExpected};
}

}  // namespace devcap_tool::lint

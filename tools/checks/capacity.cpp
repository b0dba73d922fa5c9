// text-too-long and array-too-long: a text or an array longer than the field
// that keeps it; the device cuts it, drops its surplus, or drops it whole.
#include "checks/model_walk.h"

namespace devcap_tool::lint {

void CheckTextLength(const Place &p, const model::Value &form, const JsonValue &v, FindingSink &sink) {
    if (form.uiCap == 0 || v.strText.size() <= form.uiCap) return;
    p.Add(sink, check::kTextTooLong,
          Quoted(v.strText) + " is " + std::to_string(v.strText.size()) + " characters; its field keeps " +
              std::to_string(form.uiCap) + ", so the device answers " + Quoted(v.strText.substr(0, form.uiCap)))
        .tokens.push_back(v.strText);
}

void CheckJoinedLength(const Place &p, const model::Value &form, const JsonValue &v, const JsonValue *pOwner,
                       FindingSink &sink) {
    std::string strJoined;
    for (size_t i = 0; i < form.uiTuple; ++i) {
        if (i >= v.items.size() || !v.items[i].Is(JsonKind::kString)) return;  // not taken at all
        strJoined += v.items[i].strText + "/";
    }
    if (strJoined.size() <= form.uiJoined) return;
    std::string strMsg = "the path " + Quoted(strJoined) + " is " + std::to_string(strJoined.size()) +
                         " characters; its field keeps " + std::to_string(form.uiJoined) +
                         ", so the device drops it whole and answers an empty path";
    const JsonValue *pSupport = pOwner != nullptr ? pOwner->Find("Support") : nullptr;
    if (pSupport != nullptr && DeviceBool(*pSupport)) strMsg += ", while \"Support\" says the part is fitted";
    p.Add(sink, check::kTextTooLong, strMsg);
}

void CheckArrayLength(const Place &p, const model::Value &form, const JsonValue &v, FindingSink &sink) {
    const size_t ulCap = form.eForm == model::Form::kTuple ? form.uiTuple : form.uiCap;
    const size_t ulLen = v.items.size();
    if (ulLen <= ulCap || form.eExcess == model::Excess::kFailsStartup) return;
    std::string strMsg = p.Name() + " has " + std::to_string(ulLen) + " elements; ";
    if (form.eExcess == model::Excess::kOptionalDropped) {
        strMsg += "the device takes " + std::to_string(form.uiTupleMin) + " or " + std::to_string(ulCap) +
                  ", and with more it reads only the first " + std::to_string(form.uiTupleMin);
    } else {
        const size_t ulDropped = ulLen - ulCap;
        strMsg += "its field holds " + std::to_string(ulCap) + ", so the device drops the last " +
                  (ulDropped == 1 ? std::string("one") : std::to_string(ulDropped));
        if (form.pcCount != nullptr) strMsg += ", while the count it sets is " + std::to_string(ulLen);
    }
    p.Add(sink, check::kArrayTooLong, strMsg);
}

}  // namespace devcap_tool::lint

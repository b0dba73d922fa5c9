// unknown-word: a text (or a number) outside the vocabulary of its key; the
// device then answers another member than the file seems to say.
#include "checks/model_walk.h"

namespace devcap_tool::lint {

namespace {

// The vocabulary's words for a message: all of them, or the first dozen.
std::string WordList(const model::Vocab &vocab) {
    const std::vector<model::Entry> &words = vocab.Words();
    std::string s;
    for (size_t i = 0; i < words.size() && i < 12; ++i) s += (i > 0 ? ", " : "") + words[i].strText;
    if (words.size() > 12) s += ", ... (" + std::to_string(words.size()) + " words)";
    return s;
}

// What the device answers for a text that is no word of the vocabulary.
std::string UnknownAnswer(const model::Vocab &vocab) {
    if (!vocab.Unknown()) return "what it had before";
    const char *pcWord = vocab.Word(*vocab.Unknown());
    return pcWord != nullptr ? pcWord : std::to_string(*vocab.Unknown());
}

}  // namespace

void ReportWord(const Place &p, FindingSink &sink) {
    const Judgement &j = *p.pJudgement;
    const model::Value &form = *j.pValue;
    const model::Vocab &vocab = *form.pVocab;
    const JsonValue &v = *j.pNode;
    std::string strMsg;
    if (form.eForm == model::Form::kNumberWord) {
        strMsg = v.strText + " is not a " + p.strKey + " value";
    } else {
        // A key names its vocabulary, unless its name is a generic one.
        const std::string strVocab = p.bElement || p.strKey == "Type" ? vocab.pcName : p.strKey;
        strMsg = Quoted(v.strText) + " is not a " + strVocab + " word";
    }
    strMsg += "; the device will answer " + UnknownAnswer(vocab) + " (expected one of: " + WordList(vocab);
    if (!j.suggestions.empty()) strMsg += "; did you mean " + Quoted(j.suggestions.front()) + "?";
    Finding &f = p.Add(sink, check::kUnknownWord, strMsg + ")");
    for (const model::Entry &w : vocab.Words()) f.expected.push_back(w.strText);
}

}  // namespace devcap_tool::lint

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

Finding &Report(const Place &p, const model::Vocab &vocab, const std::string &strWhat, const std::string &strFound,
                const std::vector<std::string> &near, FindingSink &sink) {
    std::string strMsg = strWhat + "; the device will answer " + UnknownAnswer(vocab) + " (expected one of: " + WordList(vocab);
    if (!near.empty()) strMsg += "; did you mean " + Quoted(near.front()) + "?";
    Finding &f = p.Add(sink, check::kUnknownWord, strMsg + ")");
    for (const model::Entry &w : vocab.Words()) f.expected.push_back(w.strText);
    f.tokens.push_back(strFound);
    return f;
}

}  // namespace

void CheckWord(const Place &p, const model::Value &form, const JsonValue &v, FindingSink &sink) {
    const model::Vocab &vocab = *form.pVocab;
    if (vocab.Find(v.strText) != nullptr) return;
    const std::string strVocab = p.bElement ? vocab.pcName : p.strKey;
    Report(p, vocab, Quoted(v.strText) + " is not a " + strVocab + " word", v.strText,
           model::SuggestWord(vocab, v.strText), sink);
}

void CheckNumberWord(const Place &p, const model::Value &form, const JsonValue &v, FindingSink &sink) {
    const model::Vocab &vocab = *form.pVocab;
    const long long llKept = Narrow(DeviceInt(v), form.stRange);
    if (vocab.FindNumber(llKept) != nullptr) return;  // a narrowed number is number-narrowed's
    std::string strWhat = v.strText + " is not a " + p.strKey + " value";
    if (llKept != v.llVal) strWhat += " (the field keeps " + std::to_string(llKept) + " of it)";
    std::string strUnit = vocab.pcUnit != nullptr ? std::string(" ") + vocab.pcUnit : "";
    Report(p, vocab, strWhat, v.strText, {}, sink).tokens.push_back(std::to_string(llKept));
    (void)strUnit;
}

}  // namespace devcap_tool::lint

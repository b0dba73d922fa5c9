// The look-ups over the model's tables.
#include "model/model.h"

#include <stdint.h>
#include <string.h>

#include <algorithm>

#include "core/paths.h"
#include "model/rows.h"

namespace devcap_tool::model {

namespace {

// The file name of a kind in the library's own table of capability files.
// (The tool reads the table itself: cap::Find is the library's.)
const char *FileName(const char *pcKind) {
    for (const cap::CapFileKind &stKind : cap::kCapFileKinds)
        if (strcmp(stKind.acText, pcKind) == 0) return stKind.acFile;
    return "";
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t ulDiag = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t ulUp = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, ulDiag + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1)});
            ulDiag = ulUp;
        }
    }
    return row[b.size()];
}

bool SameLettersOtherCase(std::string_view a, std::string_view b) {
    if (a == b || a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

std::vector<std::string> Closest(const std::vector<std::string> &candidates, std::string_view strName, size_t ulMax) {
    std::vector<std::string> sameButCase;
    for (const std::string &c : candidates)
        if (SameLettersOtherCase(c, strName)) sameButCase.push_back(c);
    if (!sameButCase.empty()) return sameButCase;
    std::vector<std::pair<size_t, std::string>> scored;
    for (const std::string &c : candidates) {
        if (c == strName) continue;
        const size_t ulScore = EditDistance(c, strName);
        if (ulScore <= ulMax) scored.emplace_back(ulScore, c);
    }
    std::stable_sort(scored.begin(), scored.end(), [](const auto &x, const auto &y) { return x.first < y.first; });
    std::vector<std::string> r;
    for (auto &s : scored) r.push_back(std::move(s.second));
    return r;
}

std::vector<std::string> Suggest(const std::vector<std::string> &candidates, std::string_view strName) {
    return Closest(candidates, strName, std::max<size_t>(2, strName.size() / 3));
}

const char *JsonTypeName(JsonType eType) {
    switch (eType) {
        case kNull: return "null";
        case kBool: return "boolean";
        case kInt: return "integer";
        case kDouble: return "number with a fraction";
        case kString: return "text";
        case kArray: return "array";
        case kObject: return "object";
    }
    return "?";
}

std::string JsonTypesText(JsonTypes uiTypes) {
    std::string r;
    for (unsigned b = 1; b <= kObject; b <<= 1) {
        if ((uiTypes & b) == 0) continue;
        if (!r.empty()) r += " or ";
        r += JsonTypeName(static_cast<JsonType>(b));
    }
    return r;
}

const std::vector<FileModel> &Files() {
    static const std::vector<FileModel> s_files = {
        {FileKind::kIndex, "index", FileName("hardwareindex"), "usr/bin/PRODUCT/", &kIndexObject,
         "The hardware index of a product: its board, its sensors and lenses, and maybe its lights."},
        {FileKind::kBoard, "board", FileName("board"), "usr/bin/hardware/board/BOARD/", &kBoardObject,
         "A board: mounting form, chip, memory, GPIO lines and the peripherals on the board."},
        {FileKind::kSensor, "sensor", FileName("sensor"), "usr/bin/hardware/sensor/SENSOR/",
         &kSensorObject, "A sensor model: the mode it runs in."},
        {FileKind::kLens, "lens", FileName("lens"), "usr/bin/hardware/lens/LENS/", &kLensObject,
         "A lens model: its field of view."},
        {FileKind::kPatch, "patch", FileName("patch"), "usr/bin/PRODUCT/", &kPatchObject,
         "What sets a product apart from the others on its board."},
    };
    return s_files;
}

const FileModel &File(FileKind eKind) {
    for (const FileModel &f : Files())
        if (f.eKind == eKind) return f;
    return Files().front();
}

const FileModel *FindFile(std::string_view strName) {
    for (const FileModel &f : Files())
        if (strName == f.pcKind || strName == f.pcFile) return &f;
    return nullptr;
}

const FileModel *FileOfPath(std::string_view strPath) {
    size_t ulSlash = strPath.rfind('/');
    return FindFile(ulSlash == std::string_view::npos ? strPath : strPath.substr(ulSlash + 1));
}

std::vector<const Key *> Keys(const Object &stObject) {
    std::vector<const Key *> r;
    FirstKey(stObject, [&](const Key &k) {
        r.push_back(&k);
        return false;
    });
    return r;
}

const Key *FindKey(const Object &stObject, std::string_view strName) {
    const char cFirst = strName.empty() ? '\0' : strName[0];
    return FirstKey(stObject, [&](const Key &k) { return k.pcName[0] == cFirst && strName == k.pcName; });
}

std::vector<const Value *> Forms(const Key &stKey) {
    std::vector<const Value *> r{&stKey.stValue};
    if (stKey.pAlt != nullptr) r.push_back(stKey.pAlt);
    return r;
}

JsonTypes TypesOf(const Key &stKey) {
    JsonTypes r = 0;
    for (const Value *v : Forms(stKey)) r |= v->eJson;
    return r;
}

std::vector<std::string> KeyNames(const Object &stObject) {
    std::vector<std::string> names;
    for (const Key *k : Keys(stObject)) names.emplace_back(k->pcName);
    return names;
}

std::vector<std::string> Suggest(const Object &stObject, std::string_view strName) {
    return Suggest(KeyNames(stObject), strName);
}

std::vector<std::string> SuggestWord(const Vocab &stVocab, std::string_view strText) {
    std::vector<std::string> words;
    for (const Entry &w : stVocab.Words()) words.push_back(w.strText);
    return Suggest(words, strText);
}

const Object *ObjectAt(const FileModel &stFile, const std::vector<std::string> &path) {
    const Object *pObject = stFile.pTop;
    for (const std::string &strKey : path) {
        const Key *pKey = pObject != nullptr ? FindKey(*pObject, strKey) : nullptr;
        if (pKey == nullptr) return nullptr;
        const Value *pForm = FormFor(*pKey, kObject);
        if (pForm == nullptr) pForm = FormFor(*pKey, kArray);
        if (pForm == nullptr || pForm->pObject == nullptr) return nullptr;
        pObject = pForm->pObject;
    }
    return pObject;
}

const Object &LedInfo() { return kLedInfoObject; }

std::vector<const Object *> LedInfoPlaces() {
    std::vector<const Object *> r;
    for (const FileModel &f : Files()) {
        const Key *k = FindKey(*f.pTop, "LedInfo");
        if (k != nullptr && k->stValue.pObject == &kLedInfoObject) r.push_back(f.pTop);
    }
    return r;
}

std::optional<Range> RangeOf(const Value &v) {
    if (v.eForm == Form::kNumber || v.eForm == Form::kNumberWord) return v.stRange;
    if (v.pElem != nullptr) return RangeOf(*v.pElem);
    return std::nullopt;
}

long long Narrowed(const Value &v, long long ll) {
    if (ll > INT32_MAX) ll = INT32_MAX;
    if (ll < INT32_MIN) ll = INT32_MIN;
    const Range r = v.stRange;
    if (r.Holds(ll)) return ll;
    const unsigned long long ulSpan = static_cast<unsigned long long>(r.llMax - r.llMin) + 1;
    long long llLow = static_cast<long long>(static_cast<unsigned long long>(ll) % ulSpan);
    if (llLow > r.llMax) llLow -= static_cast<long long>(ulSpan);
    return llLow;
}

const Vocab *VocabOf(const Value &v) {
    if (v.pVocab != nullptr) return v.pVocab;
    if (v.pElem != nullptr) return VocabOf(*v.pElem);
    if (v.uiTuple > 0 && v.pTuple[0].pVocab != nullptr) return v.pTuple[0].pVocab;
    return nullptr;
}

}  // namespace devcap_tool::model

// The model of every capability file kind: for each key of each object, the
// JSON types the library takes, the record field it fills, how much of a text
// or an array the field keeps, the numbers it holds without narrowing, its
// vocabulary (the library's own word table), whether the library needs it,
// its default and one sentence for authors. The schema, the file-format
// reference, lint and the agreement test all read it; the library's answers
// still come from running the library.
//
// The tables themselves are in index.cpp, board.cpp, sensor.cpp, lens.cpp,
// patch.cpp and led_info.cpp (one screen per object); the words are those of
// the library's tables (vocab.cpp).
#pragma once

#include <stddef.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "devcap.h"

namespace devcap_tool::model {

// ---------------------------------------------------------------- JSON types

// The JSON types as json-c tells them apart, as a set.
enum JsonType : unsigned {
    kNull = 1u << 0,
    kBool = 1u << 1,
    kInt = 1u << 2,     // a number without fraction or exponent
    kDouble = 1u << 3,  // a number with a fraction or an exponent (90.0, 9e1)
    kString = 1u << 4,
    kArray = 1u << 5,
    kObject = 1u << 6,
};
using JsonTypes = unsigned;  // a set of JsonType
inline constexpr JsonTypes kAnyJson = 0x7Fu;

// "boolean", "integer", "number with a fraction", "text", "array", "object", "null".
const char *JsonTypeName(JsonType eType);
// "text or array".
std::string JsonTypesText(JsonTypes uiTypes);

// ------------------------------------------------------------ vocabularies

// One word of a vocabulary: its text in the file (or, for a vocabulary of
// numbers, the number) and the enumeration member it gives.
struct Entry {
    std::string strText;  // "Dome"; for numbers "1024"
    long long llNumber;   // vocabulary of numbers: the number; otherwise 0
    unsigned uiMember;    // the member stored in the record
};

// A vocabulary: the words of one of the library's word tables (a view of the
// table, not a copy), what an unknown word gives, and how the tool shows the
// members of the enumeration.
class Vocab {
public:
    const char *pcName;   // the enumeration: "CameraType"
    bool bNumbers;        // a vocabulary of numbers (RamSize, MemWidth)
    const char *pcUnit;   // numbers: "MB", "bits"; otherwise null

    const std::vector<Entry> &Words() const { return m_words; }
    // The word of a text (or of a number); null when it has none.
    const Entry *Find(std::string_view strText) const;
    const Entry *FindNumber(long long llNumber) const;
    // What the library stores for a text that is no word of the table, and
    // whether it logs that text.
    std::optional<unsigned> Unknown() const { return m_unknown; }
    bool LogsUnknown() const { return m_bLogsUnknown; }
    // The member that stands for "no or unknown word" when it is none of the
    // words ("invalid"); nullopt when every value is a word or a label.
    std::optional<unsigned> Invalid() const { return m_invalid; }
    // How the tool shows a member: its word, its label ("no mode",
    // "32 bits"), "invalid", or null when it has none.
    const char *Word(long long llMember) const;
    // "Dome, Bullet, Box, PTZ, Robot" (numbers: "256, 512, ...").
    std::string List(const char *pcSep = ", ") const;

    // Built by the tables of vocab.cpp.
    struct Label {
        unsigned uiMember;
        const char *pcText;
    };
    Vocab(const char *pcName, std::vector<Entry> words, std::optional<unsigned> unknown,
          bool bLogsUnknown, std::optional<unsigned> invalid, std::vector<Label> labels = {},
          bool bNumbers = false, const char *pcUnit = nullptr);

private:
    std::vector<Entry> m_words;
    std::optional<unsigned> m_unknown;
    bool m_bLogsUnknown;
    std::optional<unsigned> m_invalid;
    std::vector<Label> m_labels;
    std::vector<std::string> m_numberLabels;  // "32 bits", kept for Word()
};

// Every enumeration the capability files or the queries use.
inline namespace vocabs {
extern const Vocab kCameraType, kSocType, kMotorType, kHardCtl, kFpgaI2c, kAlarmType, kIrisType,
    kIrcutType, kVideoType, kCvbsType, kWifiType, kWifiMode, kPosition, kMcuType, kFanHeat,
    kMemWidth, kRamSize, kAudioSoc, kSensorType, kSensorMode, kLensType, kFixDistance, kFocusType,
    kBallType, kLedType, kLedHardCtl, kLaser;
}  // namespace vocabs
// Every vocabulary, in the order above.
const std::vector<const Vocab *> &Vocabs();

// The focus kind of a lens type (the library's table): "zoom and focus"...
const char *FocusKindOf(unsigned uiLensType);

// -------------------------------------------------------------- the record

// The C type of a record field's elements.
enum class CType : unsigned char { kU8, kU16, kU32, kI32, kDouble, kChar, kI2c, kLedRange };

// A field of the record: where it lies in DevCap (the exported g_stDevCap),
// its element type and how many elements it has (text: bytes; rows x cols
// for a table of rows).
struct Field {
    const char *pcName;   // "stBoardCap.stAlarm.aiAlarmInGpio"
    size_t ulOffset;      // offsetof(DevCap, ...)
    CType eType;
    unsigned uiRows;      // 1 for a plain value or a one-dimensional array
    unsigned uiCount;     // elements per row (text: bytes with the terminator)
    bool Valid() const { return pcName != nullptr; }
};

// The numbers an integer key's field holds without narrowing.
struct Range {
    long long llMin;
    long long llMax;
    bool Holds(long long ll) const { return ll >= llMin && ll <= llMax; }
};

// ------------------------------------------------------------------- keys

// How the library reads a value of the JSON type it takes.
enum class Form : unsigned char {
    kFlag,      // boolean: 1 or 0
    kNumber,    // integer, narrowed to Value::stRange
    kDecimal,   // number with a fraction, stored as a double
    kText,      // text, cut to Value::uiCap characters (Value::eOverlong)
    kWord,      // text, a word of Value::pVocab (the text may also be kept, uiCap)
    kNumberWord,// integer, narrowed to stRange, then a number of pVocab
    kSlots,     // array, element i into slot i (Value::pElem), uiCap slots
    kTuple,     // array of fixed positions: element i is Value::pTuple[i]
    kObject,    // object: Value::pObject
    kObjects,   // array of objects, one pObject each, uiCap of them read
};

// What happens to array elements beyond the capacity, or to a text longer
// than its field.
enum class Excess : unsigned char {
    kNone,         // no capacity applies
    kWarnDropped,  // dropped (cut), with the library's warning
    kDropped,      // dropped silently
    kWholeDropped, // the whole value is not taken (the field keeps what it had)
    kOptionalDropped, // a longer tuple is read without its optional positions
    kFailsStartup, // more elements than the record holds stop start-up
};

// An element of another JSON type than the one expected.
enum class Mismatch : unsigned char {
    kIgnored,    // the key (or the element's row) is not read
    kConverted,  // read through json-c's conversion (a text "12" reads 12, null 0)
    kWarned,     // not read, with a warning from the library
};

// Whether the library needs a key.
enum class Need : unsigned char {
    kOptional,
    kForStartup,      // without it start-up fails
    kForValidAnswer,  // without it the device answers the invalid member
    kLoggedIfAbsent,  // without it the library logs an error (defaults kept)
};

// The default of a field when its key is absent.
struct Default {
    enum class Kind : unsigned char { kNone, kNumber, kEmptyText, kOther } eKind = Kind::kNone;
    long long llValue = 0;    // kNumber: every slot holds it
    const char *pcText = "";  // kOther: what the reference says ("the board file's value")
};

struct Object;

// One value the library takes for a key (or for an element of an array).
struct Value {
    JsonType eJson;              // the JSON type taken
    Form eForm;
    Field stField{};             // the field filled (may be invalid for a group)
    Field stText{};              // kWord: the field that also keeps the text, cut to uiCap
    Range stRange{0, 0};         // kNumber, kNumberWord, kSlots of integers
    const Vocab *pVocab = nullptr;
    unsigned uiCap = 0;          // text: characters kept; array: elements kept
    Excess eExcess = Excess::kNone;
    Mismatch eMismatch = Mismatch::kIgnored;  // for elements of an array
    const Value *pElem = nullptr;             // kSlots: every element
    const Value *pTuple = nullptr;            // kTuple: element i
    unsigned uiTuple = 0;                     // kTuple: number of positions
    unsigned uiTupleMin = 0;                  // kTuple: positions that must be there
    unsigned uiJoined = 0;                    // kTuple of texts joined "A/B/": characters kept,
                                              // a longer joined text is not taken at all
    const Object *pObject = nullptr;          // kObject, kObjects
    Field stCount{};                          // array: the field its length also sets
    Field stCount2{};                         // ... and a second one ("ISP_INFO": the lenses)
    bool bCountsEmpty = false;                // an empty array sets the count too
    unsigned char ucSlot = 0;                 // kTuple position: the slot of its field it sets
    bool bGpio = false;                       // kNumber: the integer is a GPIO line number
};

struct Key {
    const char *pcName;
    Value stValue;                      // the form the library takes
    const Value *pAlt = nullptr;        // a second form ("lens": text or array)
    Need eNeed = Need::kOptional;
    Default stDefault{};
    const char *pcDoc = "";             // one sentence for authors, with units
};

// What the library says about a key it does not know, by the value's JSON
// type (a known key with a value of another type counts as unknown).
struct UnknownReport {
    JsonTypes uiLogged = 0;       // logged at info level
    JsonTypes uiPerElement = 0;   // arrays: logged once per element
    JsonTypes uiKnownLogged = 0;  // also logged for a known key of another type
};

// An object of a capability file.
struct Object {
    const char *pcName;                // "board", "Alarm", "LedInfo"...
    const Key *pKeys;
    size_t ulKeys;
    const Object *pShared = nullptr;   // keys also valid here, said once (the alarm arrays)
    UnknownReport stUnknown{};
    bool bByKeyAlone = false;          // a known key of another type is still its key (Temperature)
    bool bLookup = false;              // only the keys are looked up; others are ignored (Uart)
    const char *pcDoc = "";
    // A given object replaces its fields whole: what it leaves out reads the
    // keys' defaults ("LedInfo") or zero (a port of "Uart").
    enum class Replace : unsigned char { kNo, kWithDefaults, kWithZeros } eReplace = Replace::kNo;
};

// ----------------------------------------------------------------- files

enum class FileKind { kIndex, kBoard, kSensor, kLens, kPatch };

struct FileModel {
    FileKind eKind;
    const char *pcKind;   // "index", "board", "sensor", "lens", "patch"
    const char *pcFile;   // "hardwareindex.json"
    const char *pcWhere;  // "usr/bin/PRODUCT/"
    const Object *pTop;
    const char *pcDoc;
};

// -------------------------------------------------------------- look-ups

// Every file kind, in the order of start-up.
const std::vector<FileModel> &Files();
const FileModel &File(FileKind eKind);
// By kind ("board") or file name ("cap_board.json"); null when neither.
const FileModel *FindFile(std::string_view strName);
// The file kind of a path's file name; null when it is no capability file.
const FileModel *FileOfPath(std::string_view strPath);

// The keys valid in an object, its own first, then the shared ones.
std::vector<const Key *> Keys(const Object &stObject);
// The first of those keys for which f(const Key &) is true; null when none.
// (Keys() without building the list.)
template <typename F>
const Key *FirstKey(const Object &stObject, F f) {
    for (const Object *o = &stObject; o != nullptr; o = o->pShared)
        for (size_t i = 0; i < o->ulKeys; ++i)
            if (f(o->pKeys[i])) return &o->pKeys[i];
    return nullptr;
}
// The key of that name (exact, case-sensitive); null when none.
const Key *FindKey(const Object &stObject, std::string_view strName);
// The form of a key that takes a value of this JSON type; null when the key
// does not take that type.
inline const Value *FormFor(const Key &stKey, JsonType eType) {
    if (stKey.stValue.eJson == eType) return &stKey.stValue;
    return stKey.pAlt != nullptr && stKey.pAlt->eJson == eType ? stKey.pAlt : nullptr;
}
// Every form of a key (one or two).
std::vector<const Value *> Forms(const Key &stKey);
// The JSON types a key takes, over its forms.
JsonTypes TypesOf(const Key &stKey);

// ---------------------------------------------------------- near misses

// Edit distance of two texts (insertions, deletions, substitutions), letter
// case counting as no difference.
size_t EditDistance(std::string_view a, std::string_view b);
// The same letters in another case (not the same text).
bool SameLettersOtherCase(std::string_view a, std::string_view b);
// The candidates close to a name that is none of them, best first: those
// with the same letters in another case when there are any; otherwise those
// at most ulMax edits away, by distance (ties in the candidates' order).
std::vector<std::string> Closest(const std::vector<std::string> &candidates, std::string_view strName, size_t ulMax);
// Those to suggest for a name ("did you mean"): Closest within a third of
// the name's length, and at least 2 edits.
std::vector<std::string> Suggest(const std::vector<std::string> &candidates, std::string_view strName);

// The names of the keys valid in an object, in the order of Keys().
std::vector<std::string> KeyNames(const Object &stObject);
// Keys of the object to suggest for a name that is none of them.
std::vector<std::string> Suggest(const Object &stObject, std::string_view strName);
// Words of a vocabulary to suggest for a text that is none of them.
std::vector<std::string> SuggestWord(const Vocab &stVocab, std::string_view strText);

// The object a key path leads to from a file's top ("Uart/Uart485"); for an
// array of objects the element's object ("ISP_INFO"). Null when none.
const Object *ObjectAt(const FileModel &stFile, const std::vector<std::string> &path);

// The "LedInfo" object (said once) and the objects that take it.
const Object &LedInfo();
std::vector<const Object *> LedInfoPlaces();

// Capacity of a value: text characters or array elements; 0 when none.
inline unsigned CapacityOf(const Value &v) { return v.uiCap; }
// Range of an integer value or of the integer elements of an array.
std::optional<Range> RangeOf(const Value &v);
// The vocabulary of a value or of its elements; null when none.
const Vocab *VocabOf(const Value &v);
// Whether a key must be given.
inline bool IsRequired(const Key &k) { return k.eNeed == Need::kForStartup || k.eNeed == Need::kForValidAnswer || k.eNeed == Need::kLoggedIfAbsent; }

// What an integer of the file becomes in the field of v: json-c reads it as a
// 32-bit integer (saturating), then it is cut to the field's width.
long long Narrowed(const Value &v, long long ll);

// The range of the C type an integer is narrowed to.
template <typename T>
constexpr Range RangeOfType() {
    if constexpr (static_cast<T>(-1) < static_cast<T>(0))
        return Range{-(1LL << (8 * sizeof(T) - 1)), (1LL << (8 * sizeof(T) - 1)) - 1};
    else
        return Range{0, static_cast<long long>((1ULL << (8 * sizeof(T))) - 1)};
}

}  // namespace devcap_tool::model

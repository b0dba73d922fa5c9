// How the model's tables are written: builders of a value of each form, and
// DEVCAP_FIELD naming a field of the record by its path in DevCap (its
// offset, element type and size come from the record itself).
#pragma once

#include <stddef.h>

#include <type_traits>
#include <utility>

#include "model/model.h"

namespace devcap_tool::model {

template <typename T>
constexpr CType CTypeOf() {
    if constexpr (std::is_same_v<T, unsigned char>) return CType::kU8;
    else if constexpr (std::is_same_v<T, unsigned short>) return CType::kU16;
    else if constexpr (std::is_same_v<T, unsigned int>) return CType::kU32;
    else if constexpr (std::is_same_v<T, int>) return CType::kI32;
    else if constexpr (std::is_same_v<T, double>) return CType::kDouble;
    else if constexpr (std::is_same_v<T, char>) return CType::kChar;
    else if constexpr (std::is_same_v<T, I2cInfo>) return CType::kI2c;
    else {
        static_assert(std::is_same_v<T, LedRange>, "a field type of the record");
        return CType::kLedRange;
    }
}

template <typename T>
constexpr Field MakeField(const char *pcName, size_t ulOffset) {
    using F = std::remove_cvref_t<T>;
    if constexpr (std::rank_v<F> == 2)
        return Field{pcName, ulOffset, CTypeOf<std::remove_all_extents_t<F>>(), std::extent_v<F, 0>,
                     std::extent_v<F, 1>};
    else if constexpr (std::rank_v<F> == 1)
        return Field{pcName, ulOffset, CTypeOf<std::remove_all_extents_t<F>>(), 1, std::extent_v<F, 0>};
    else
        return Field{pcName, ulOffset, CTypeOf<F>(), 1, 1};
}

#define DEVCAP_FIELD(path) \
    ::devcap_tool::model::MakeField<decltype(std::declval<DevCap &>().path)>(#path, offsetof(DevCap, path))

// ---- scalars

constexpr Value Flag(Field f) { return Value{.eJson = kBool, .eForm = Form::kFlag, .stField = f}; }

// An integer narrowed to T on its way into the field.
template <typename T>
constexpr Value Number(Field f) {
    return Value{.eJson = kInt, .eForm = Form::kNumber, .stField = f, .stRange = RangeOfType<T>()};
}

// An integer that is a GPIO line number, narrowed to T.
template <typename T>
constexpr Value GpioLine(Field f) {
    Value v = Number<T>(f);
    v.bGpio = true;
    return v;
}

constexpr Value Decimal(Field f) { return Value{.eJson = kDouble, .eForm = Form::kDecimal, .stField = f}; }

// A text kept in a field of f.uiCount bytes: one character less, longer texts
// cut with the library's warning.
constexpr Value Text(Field f) {
    return Value{.eJson = kString, .eForm = Form::kText, .stField = f, .uiCap = f.uiCount - 1,
                 .eExcess = Excess::kWarnDropped};
}

constexpr Value WordOf(const Vocab &v, Field f) {
    return Value{.eJson = kString, .eForm = Form::kWord, .stField = f, .pVocab = &v};
}

// A word whose text is also kept, in a field of t.uiCount bytes.
constexpr Value NamedWord(const Vocab &v, Field f, Field t) {
    return Value{.eJson = kString, .eForm = Form::kWord, .stField = f, .stText = t, .pVocab = &v,
                 .uiCap = t.uiCount - 1, .eExcess = Excess::kWarnDropped};
}

// An integer narrowed to T, then a number of the vocabulary.
template <typename T>
constexpr Value NumberWord(const Vocab &v, Field f) {
    return Value{.eJson = kInt, .eForm = Form::kNumberWord, .stField = f, .stRange = RangeOfType<T>(),
                 .pVocab = &v};
}

constexpr Value ObjectOf(const model::Object &o) {
    return Value{.eJson = kObject, .eForm = Form::kObject, .pObject = &o};
}

// ---- arrays

// Elements into uiCap slots of f (0: every slot of f), each as e; surplus
// elements dropped (eExcess).
constexpr Value Slots(const Value &e, Field f, unsigned uiCap = 0, Excess eExcess = Excess::kWarnDropped,
                      Mismatch eMismatch = Mismatch::kConverted) {
    return Value{.eJson = kArray, .eForm = Form::kSlots, .stField = f,
                 .uiCap = uiCap != 0 ? uiCap : f.uiRows * f.uiCount,
                 .eExcess = eExcess, .eMismatch = eMismatch, .pElem = &e};
}

// Fixed positions: element i is pTuple[i]; the first uiMin must be there.
template <size_t N>
constexpr Value Tuple(const Value (&aPositions)[N], unsigned uiMin, Excess eExcess = Excess::kDropped,
                      Mismatch eMismatch = Mismatch::kConverted) {
    return Value{.eJson = kArray, .eForm = Form::kTuple, .uiCap = N, .eExcess = eExcess,
                 .eMismatch = eMismatch, .pTuple = aPositions, .uiTuple = N, .uiTupleMin = uiMin};
}

// Texts at fixed positions joined as "A/B/" into the field f, which keeps
// f.uiCount - 1 characters; a longer joined text is not taken at all.
template <size_t N>
constexpr Value Joined(const Value (&aPositions)[N], Field f) {
    Value v = Tuple(aPositions, N, Excess::kDropped, Mismatch::kIgnored);
    v.stField = f;
    v.uiJoined = f.uiCount - 1;
    return v;
}

constexpr Value Objects(const model::Object &o, unsigned uiCap, Excess eExcess) {
    return Value{.eJson = kArray, .eForm = Form::kObjects, .uiCap = uiCap, .eExcess = eExcess,
                 .pObject = &o};
}

// With the field that an array's length also sets: only a non-empty array
// sets it, unless bEmptyToo.
constexpr Value Counting(Value v, Field stCount, bool bEmptyToo = false, Field stCount2 = {}) {
    v.stCount = stCount;
    v.stCount2 = stCount2;
    v.bCountsEmpty = bEmptyToo;
    return v;
}

// A tuple position that sets slot ucSlot of its field.
constexpr Value AtSlot(Value v, unsigned char ucSlot) {
    v.ucSlot = ucSlot;
    return v;
}

// ---- defaults

constexpr Default Is(long long ll) { return Default{Default::Kind::kNumber, ll, ""}; }
constexpr Default kEmpty{Default::Kind::kEmptyText, 0, ""};
constexpr Default Said(const char *pcText) { return Default{Default::Kind::kOther, 0, pcText}; }

template <size_t N>
constexpr Object MakeObject(const char *pcName, const Key (&aKeys)[N], UnknownReport stUnknown,
                            const char *pcDoc, const model::Object *pShared = nullptr,
                            Object::Replace eReplace = Object::Replace::kNo) {
    return model::Object{pcName, aKeys, N, pShared, stUnknown, false, false, pcDoc, eReplace};
}

}  // namespace devcap_tool::model

namespace devcap_tool::model {

// Objects said once and taken in several places.
extern const model::Object kLedInfoObject;
// The top objects of the file kinds.
extern const model::Object kIndexObject, kBoardObject, kSensorObject, kLensObject, kPatchObject;

}  // namespace devcap_tool::model

// json-c's tree as the model's judge reads it (model/judge.h), for the
// tests that judge files read by json-c, as the library reads them.
#pragma once

#include <json-c/json.h>

#include <string_view>

#include "model/judge.h"

namespace judge_json_c {

struct JsonC {
    using Node = json_object;
    static json_object *P(const Node &n) { return const_cast<json_object *>(&n); }
    static devcap_tool::model::JsonType Type(const Node &n) {
        using namespace devcap_tool::model;
        switch (json_object_get_type(P(n))) {
            case json_type_boolean: return kBool;
            case json_type_int: return kInt;
            case json_type_double: return kDouble;
            case json_type_string: return kString;
            case json_type_array: return kArray;
            case json_type_object: return kObject;
            default: return kNull;
        }
    }
    static long long Int(const Node &n) { return json_object_get_int64(P(n)); }
    static std::string_view Text(const Node &n) {
        return {json_object_get_string(P(n)), static_cast<size_t>(json_object_get_string_len(P(n)))};
    }
    static size_t Size(const Node &n) {
        return json_object_is_type(P(n), json_type_array) ? json_object_array_length(P(n)) : 0;
    }
    static const Node &At(const Node &n, size_t i) { return *json_object_array_get_idx(P(n), i); }
    template <typename F>
    static void Members(const Node &n, F f) {
        json_object_object_foreach(P(n), pcKey, pstVal) f(std::string_view(pcKey), *pstVal);
    }
};

}  // namespace judge_json_c

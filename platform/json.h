// Small helpers over json-c: an owner that releases a parsed tree on every
// path, range-for over the members of an object, and typed element reads.
#pragma once

#include <json-c/json.h>
#include <stddef.h>

namespace cap {

// Owns one parsed tree; releases it when the scope ends.
class JsonDoc {
public:
    explicit JsonDoc(json_object *pstRoot) : m_pstRoot(pstRoot) {}
    ~JsonDoc() {
        if (m_pstRoot != nullptr) json_object_put(m_pstRoot);
    }
    JsonDoc(const JsonDoc &) = delete;
    JsonDoc &operator=(const JsonDoc &) = delete;
    json_object *get() const { return m_pstRoot; }

private:
    json_object *m_pstRoot;
};

struct Member {
    const char *key;
    json_object *val;
};

class MemberIter {
public:
    explicit MemberIter(lh_entry *e) : m_e(e) {}
    Member operator*() const {
        return {static_cast<const char *>(lh_entry_k(m_e)),
                static_cast<json_object *>(lh_entry_v(m_e))};
    }
    MemberIter &operator++() {
        m_e = lh_entry_next(m_e);
        return *this;
    }
    bool operator!=(const MemberIter &o) const { return m_e != o.m_e; }

private:
    lh_entry *m_e;
};

// The members of an object in file order; nothing for a non-object.
class Members {
public:
    explicit Members(json_object *o) : m_o(o) {}
    MemberIter begin() const {
        lh_table *t = json_object_is_type(m_o, json_type_object) ? json_object_get_object(m_o)
                                                                  : nullptr;
        return MemberIter(t != nullptr ? lh_table_head(t) : nullptr);
    }
    MemberIter end() const { return MemberIter(nullptr); }

private:
    json_object *m_o;
};

inline bool IsType(json_object *o, json_type t) { return json_object_get_type(o) == t; }

// Length of an array value; 0 for anything else.
inline size_t ArrayLen(json_object *o) {
    return json_object_is_type(o, json_type_array) ? json_object_array_length(o) : 0;
}

// Element i of an array; null past its end or for a non-array.
inline json_object *ArrayAt(json_object *o, size_t i) {
    return i < ArrayLen(o) ? json_object_array_get_idx(o, i) : nullptr;
}

}  // namespace cap

// What must hold of the capability record and of every query's answer after
// any CAP_CapInit, whatever the input files held. Shared by the fuzz targets,
// the replay of their saved inputs and the concurrency test.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

namespace devcap_check {

struct Report {
    std::vector<std::string> violations;
    uint64_t digest = 1469598103934665603ull;  // FNV-1a of every answer, in call order

    void Fail(const std::string &what) {
        if (violations.size() < 64) violations.push_back(what);
    }
    void Fold(const void *p, size_t n);
    void Fold(long long v) { Fold(&v, sizeof(v)); }
    bool Ok() const { return violations.empty(); }
    std::string Text() const;
};

// The record itself: region pointers set, every text field terminated inside
// its array, every enumeration a member or its invalid value (or 0 where a
// stage that never ran left the cleared record), the channel counts within the
// four channels after a successful start-up.
void CheckRecord(Report &r, int iInitResult);

// Every exported query over a spread of arguments (in range, at the edges,
// outside, null): answers within their documented values, copies terminated
// where promised, and nothing written past the caller's buffer. Answers are
// folded into the digest, so two runs over one record give the same digest.
void CallEveryQuery(Report &r);

// The same walk in its two parts, in this order: the identity, index and
// path queries (device name and parameter, product name and folder, board
// type, index version, ISP folders), and all the others, which read neither
// the record's paths nor its device name, parameter or product name.
void CallIdentityQueries(Report &r);
void CallOtherQueries(Report &r);

// The queries that read their source at call time: the serial-number file
// (CallSerialQueries), the tag's check-code block (CallCheckCodeQueries), or
// both.
void CallSerialQueries(Report &r);
void CallCheckCodeQueries(Report &r);
void CallSourceQueries(Report &r);

}  // namespace devcap_check

// Instruction counts of start-up against its floor, for a figure that the
// machine's load cannot move: run under callgrind (scripts/bench.sh
// --instructions), each piece of work is counted on its own and dumped under
// a name the script reads back. Outside valgrind the requests do nothing.
#include <stdio.h>

#include <string>

#include "bench.h"
#include "devcap.h"
#include "platform.h"
#include "products.h"

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define DEVCAP_HAVE_CALLGRIND 1
#else
#define DEVCAP_HAVE_CALLGRIND 0
#endif

namespace bench {

namespace {

template <typename Fn>
void Counted(const std::string &name, int iRounds, Fn fn) {
    fn();  // warm
#if DEVCAP_HAVE_CALLGRIND
    CALLGRIND_ZERO_STATS;
    CALLGRIND_TOGGLE_COLLECT;
#endif
    for (int i = 0; i < iRounds; ++i) fn();
#if DEVCAP_HAVE_CALLGRIND
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_DUMP_STATS_AT(name.c_str());
#else
    (void)name;
#endif
}

}  // namespace

int CountInstructions(const std::vector<Product> &products, int iRounds) {
#if DEVCAP_HAVE_CALLGRIND
    if (!RUNNING_ON_VALGRIND) {
        fprintf(stderr, "--instructions counts only under callgrind: scripts/bench.sh --instructions\n");
        return 2;
    }
#else
    fprintf(stderr, "built without valgrind/callgrind.h: instructions cannot be counted\n");
    return 2;
#endif
    for (const auto &product : products) {
        if (product.initResult != 0) continue;
        InitProduct(product);
        Counted("floor " + product.name, iRounds, [&] { ParseFiles(product.files); });
        SetLogMode(LogMode::kDiscard);
        Counted("init " + product.name, iRounds, [] { CAP_CapInit(); });
        SetLogMode(LogMode::kFormat);
        Counted("init_fmt " + product.name, iRounds, [] { CAP_CapInit(); });
        SetLogMode(LogMode::kDiscard);
    }
    return 0;
}

}  // namespace bench

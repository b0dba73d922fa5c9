// Every answer of one product: start-up run once with the given options, then
// every query dump shows called once for each combination of the argument
// values dump walks. dump, diff and matrix all print from it, so the three
// cannot disagree. Also the product folders of a tree.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "queries/registry.h"
#include "session.h"

namespace devcap_tool {

// What start-up gave.
struct StartupOutcome {
    int iResult = 0;
    const Stage *pstStage = nullptr;   // the failing stage, when the log names it
    std::vector<std::string> errors;   // the library's error messages, when it failed
    std::string strReport;             // Session::FailureReport(); empty on success
};
// "ok", or "FAILED in stage 6 (patch file), code -1".
std::string StartupText(const StartupOutcome &st);
// Same result, and the same stage when it failed.
bool SameStartup(const StartupOutcome &a, const StartupOutcome &b);

// The answers of one query: one per combination of its arguments' values,
// the last argument varying fastest.
struct QueryAnswers {
    const Query *pQuery = nullptr;
    std::vector<std::vector<long long>> argValues;  // per argument, the values it was called with
    std::span<Answer> answers;                      // held by the product's answers
    // The argument values of answers[ulAt].
    std::vector<long long> ArgsAt(size_t ulAt) const;
};

// Move-only: the queries' answers are views of its one vector of answers.
struct ProductAnswers {
    StartupOutcome startup;
    std::vector<QueryAnswers> queries;  // every query dump shows, in dump order
    std::vector<Answer> answers;        // all of them, in the same order

    ProductAnswers() = default;
    ProductAnswers(ProductAnswers &&) = default;
    ProductAnswers &operator=(ProductAnswers &&) = default;
    ProductAnswers(const ProductAnswers &) = delete;
    ProductAnswers &operator=(const ProductAnswers &) = delete;
};

// Run start-up as the options say (root, device name, equipment mode, tag
// storage; -v echoes the library's log) and collect every answer. Each call
// sets up the library and the stand-in platform afresh, so one process may
// run any number of products and trees one after the other.
ProductAnswers AnswersOf(const Options &opts);

// Options for one product of a tree: the product's folder name as its device
// name, the rest of the options as given.
Options ProductOptions(const Options &opts, const std::string &strRoot, const std::string &strProduct);

// "AlarmInWithGpio(5)", "IrcutCtlWithGpio(0, 1)", "AlarmInNum".
std::string AnswerLabel(const Query &q, const std::vector<long long> &args);
// Value for value, kind for kind.
bool SameAnswer(const Answer &a, const Answer &b);

// The product folders under ROOT/usr/bin (the folders holding a
// hardwareindex.json), sorted.
std::vector<std::string> ProductFolders(const std::string &strRoot);
bool IsProductFolder(const std::string &strRoot, const std::string &strProduct);

}  // namespace devcap_tool

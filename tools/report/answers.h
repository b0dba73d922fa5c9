// Answers of the queries as JSON.
#pragma once

#include <string>

#include "product_answers.h"
#include "queries/registry.h"
#include "report/json_out.h"

namespace devcap_tool {

void ValJson(JsonOut &out, const std::string &strKey, const Val &v);
void AnswerJson(JsonOut &out, const std::string &strKey, const Answer &a);
// A start-up's result and failing stage (or nulls) as the members "result",
// "stage" and "stageName" of the object being written.
void StageJson(JsonOut &out, int iResult, const Stage *pstStage);
// The start-up result as a JSON member (by default "startup").
void StartupJson(JsonOut &out, const StartupOutcome &st, const std::string &strKey = "startup");

}  // namespace devcap_tool

// Answers of the queries as JSON.
#pragma once

#include <string>

#include "queries/registry.h"
#include "report/json_out.h"
#include "session.h"

namespace devcap_tool {

void ValJson(JsonOut &out, const std::string &strKey, const Val &v);
void AnswerJson(JsonOut &out, const std::string &strKey, const Answer &a);
// The start-up result as a JSON member "startup".
void StartupJson(JsonOut &out, const Session &s);

}  // namespace devcap_tool

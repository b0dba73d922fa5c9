// The file-format reference (Markdown) of every capability file kind,
// generated from the model: every key with its JSON type, capacity, words or
// range, default and meaning, object by object, and a minimal valid file of
// each kind. doc/capability-files.md is this text.
#pragma once

#include <string>

namespace devcap_tool {

std::string ReferenceText();

}  // namespace devcap_tool

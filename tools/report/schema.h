// JSON Schema (draft 2020-12) of each capability file kind, generated from the
// model: types, the words of each vocabulary, text and array capacities,
// integer ranges, required keys, no keys but the model's, and each key's
// documentation as its description.
#pragma once

#include <string>

#include "model/model.h"

namespace devcap_tool {

// The schema of one file kind, as indented JSON text ending in a newline.
std::string SchemaText(const model::FileModel &stFile);
// Its file name in schemas/: "cap_board.schema.json".
std::string SchemaFileName(const model::FileModel &stFile);

}  // namespace devcap_tool

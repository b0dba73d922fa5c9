// The command table: the one list of commands that dispatch and help read.
#include "commands/commands.h"

namespace devcap_tool {

const std::vector<Command> &Commands() {
    static const std::vector<Command> kCommands{
        {"dump", CmdDump, "run start-up and print every answer of every query"},
        {"get", CmdGet, "call one query by name and print its answer"},
        {"lint", CmdLint, "check product folders and their files: each finding at its line and column"},
        {"diff", CmdDiff, "what each product answers differently in two trees (or two products)"},
        {"matrix", CmdMatrix, "one row per product, one column per answer: csv, md, json, html"},
        {"schema", CmdSchema, "print the JSON Schema or the reference of a capability file kind"},
    };
    return kCommands;
}

}  // namespace devcap_tool

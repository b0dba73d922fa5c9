// devcap schema: the JSON Schema of each capability file kind, and the
// file-format reference, both generated from the model.
#include <stdio.h>

#include <fstream>

#include "commands/commands.h"
#include "report/reference.h"
#include "report/schema.h"

namespace devcap_tool {

namespace {

const char kSchemaUsage[] =
    "usage: devcap schema [KIND]\n"
    "       devcap schema --out DIR\n"
    "       devcap schema --reference\n"
    "\n"
    "Prints the JSON Schema (draft 2020-12) of a capability file kind, generated\n"
    "from the same model that lint checks with: every key, its JSON type, the\n"
    "words of its vocabulary, the characters of a text and the elements of an\n"
    "array that the device keeps, integer ranges, required keys, and a\n"
    "description of each key for an editor to show. Without KIND, lists the kinds.\n"
    "\n"
    "kinds: index (hardwareindex.json), board (cap_board.json), sensor\n"
    "(cap_sensor.json), lens (cap_lens.json), patch (cap_patch.json); the file\n"
    "name is accepted too.\n"
    "\n"
    "options:\n"
    "  --out DIR        write every schema into DIR, as KIND's file name with\n"
    "                   .schema.json (cap_board.schema.json)\n"
    "  --reference      print the file-format reference (Markdown) instead\n"
    "\n"
    "exit status: 0 success; 1 a file could not be written; 2 usage error.\n";

int WriteAll(const std::string &strDir) {
    for (const model::FileModel &f : model::Files()) {
        const std::string strPath = strDir + "/" + SchemaFileName(f);
        std::ofstream out(strPath, std::ios::binary);
        out << SchemaText(f);
        if (!out.flush()) {
            fprintf(stderr, "devcap schema: cannot write %s\n", strPath.c_str());
            return kExitFail;
        }
    }
    return kExitOk;
}

}  // namespace

int CmdSchema(const std::vector<std::string> &args) {
    std::vector<std::string> rest;
    bool bReference = false;
    std::string strOut;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "-h" || a == "--help") {
            fputs(kSchemaUsage, stdout);
            return kExitOk;
        } else if (a == "--reference") {
            bReference = true;
        } else if (a == "--out" && i + 1 < args.size()) {
            strOut = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            fprintf(stderr, "devcap schema: unknown option '%s'\n%s", a.c_str(), kSchemaUsage);
            return kExitUsage;
        } else {
            rest.push_back(a);
        }
    }
    if (rest.size() > 1 || (bReference && (!rest.empty() || !strOut.empty())) ||
        (!strOut.empty() && !rest.empty())) {
        fputs(kSchemaUsage, stderr);
        return kExitUsage;
    }
    if (bReference) {
        fputs(ReferenceText().c_str(), stdout);
        return kExitOk;
    }
    if (!strOut.empty()) return WriteAll(strOut);
    if (rest.empty()) {
        for (const model::FileModel &f : model::Files())
            printf("%-7s %-19s %s%s\n", f.pcKind, f.pcFile, f.pcWhere, f.pcFile);
        return kExitOk;
    }
    const model::FileModel *pFile = model::FindFile(rest[0]);
    if (pFile == nullptr) {
        fprintf(stderr, "devcap schema: no file kind '%s' (kinds: index, board, sensor, lens, patch)\n",
                rest[0].c_str());
        return kExitUsage;
    }
    fputs(SchemaText(*pFile).c_str(), stdout);
    return kExitOk;
}

}  // namespace devcap_tool

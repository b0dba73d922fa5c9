// The checks of lint and what they look at: the capability files of a tree,
// read once each, and the products whose start-up reads them.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "checks/findings.h"
#include "checks/json_reader.h"
#include "model/judge.h"
#include "model/model.h"
#include "session.h"

namespace devcap_tool::lint {

using model::FileKind;

// One capability file of the tree, read once.
struct CapFile {
    FileKind enKind = FileKind::kIndex;
    std::string strDevPath;  // as the device names it: "/usr/bin/P/hardwareindex.json"
    std::string strRel;      // relative to the root: "usr/bin/P/hardwareindex.json"
    bool bExists = false;
    JsonFile json;           // read when it exists
    // What the device makes of its values, as the model judges them (when
    // the device reads the file and it holds an object), in file order: each
    // value not taken as written, each GPIO line taken, and the optional keys
    // left out when they are asked for.
    std::vector<model::Judgement<JsonValue>> judgements;
};

// Read a capability file (bExists, json) and judge it against the model of
// its kind (the optional keys it leaves out too with bAbsentKeys).
void ReadCapFile(const std::string &strHostPath, bool bAbsentKeys, CapFile &file);

// A product as its start-up went: what the library did, and the files it
// reads (null where the index does not lead to one).
struct Product {
    std::string strName;
    int iInitRc = 0;
    const Stage *pFailedStage = nullptr;
    std::span<const LogLine> log;  // the messages of CAP_CapInit (the session's, until its next)
    const CapFile *pIndex = nullptr;
    const CapFile *pBoard = nullptr;
    std::vector<const CapFile *> sensors;  // per channel the record holds
    std::vector<const CapFile *> lenses;
    const CapFile *pPatch = nullptr;
    // The names the index gives, as the device holds them (cut to their
    // fields), per channel.
    std::string strBoardName;
    std::vector<std::string> sensorNames, lensNames;
    // The index gave a LED count, so the board file's "LedInfo" is skipped.
    bool bIndexLedCount = false;

    // Every file the product reads, in start-up order, once each.
    const std::vector<const CapFile *> &Files() const { return m_files; }
    // A file it reads (none: null), after those it reads before.
    void AddFile(const CapFile *pFile);

private:
    std::vector<const CapFile *> m_files;
};

// What a file is checked in: the board's "LedInfo" is only read in products
// whose index gives no LED count.
struct FileContext {
    bool bBoardLedInfoRead = true;
    bool operator<(const FileContext &o) const { return bBoardLedInfoRead < o.bBoardLedInfoRead; }
};

// ---- checks of one file (syntax.cpp; the model walk, model_walk.cpp)

// not-json, file-too-large, non-standard-json, duplicate-key.
void CheckSyntax(const CapFile &file, FindingSink &sink);
// count-mismatch, in an index, board or patch file (counts.cpp).
void CheckCounts(const CapFile &file, FindingSink &sink);
// uart-direction, uart-port-missing, in a board file (uart.cpp).
void CheckUart(const CapFile &file, FindingSink &sink);
// unknown-key, wrong-type, missing-key, unknown-word, text-too-long,
// array-too-long, number-narrowed, absent-key, not-read: the file against
// the model of its kind. absent-key where the file was read with its absent
// keys judged: it accounts for nothing the device says.
void CheckAgainstModel(const CapFile &file, FileContext stContext, FindingSink &sink);

// ---- checks of one product

// The names in the folders of a tree, each folder listed once.
class Folders {
public:
    explicit Folders(const std::string &strRoot) : m_strRoot(strRoot) {}
    // Files and folders, sorted; none when the folder cannot be read.
    const std::vector<std::string> &List(const std::string &strDevFolder);

private:
    std::string m_strRoot;
    std::map<std::string, std::vector<std::string>> m_lists;
};

// missing-file and name-case (files.cpp).
void CheckProductFiles(const Product &p, Folders &folders, FindingSink &sink);
// isp-info-count (channels.cpp).
void CheckChannels(const Product &p, FindingSink &sink);
// gpio-reuse (gpio.cpp).
void CheckGpioReuse(const Product &p, FindingSink &sink);
// startup and device-log (device_log.cpp): the device's own view, after
// every other check of the product, whose findings account for its messages.
void CheckDeviceLog(const Product &p, FindingSink &sink);

// ---- checks of the whole tree

// file-name (file_names.cpp): files and folders whose names nearly match
// those the device looks for: in the product folders to scan (those lacking
// a file the device reads) and the part folders given, and with bWholeTree
// in the tree's folders, every part folder and every folder of usr/bin that
// is none of the products (sorted).
void CheckFileNames(Folders &folders, const std::vector<std::string> &products, const std::vector<std::string> &scan,
                    const std::vector<std::string> &partFolders, bool bWholeTree, FindingSink &sink);

// ---- shared by the checks

// Where the device looks for the file of a kind named strName (a product, a
// board...): at most CAP_PATH_LEN - 2 characters, cut as the library cuts it.
std::string DevPathOf(FileKind enKind, const std::string &strName);
// The folder holding the named folders of a kind ("/usr/bin/hardware/board",
// "/usr/bin"), and the kind's file name ("cap_board.json").
const std::string &FolderOf(FileKind enKind);
inline const char *FileNameOf(FileKind enKind) { return model::File(enKind).pcFile; }
inline const char *KindName(FileKind enKind) { return model::File(enKind).pcKind; }
// The names in a folder of the root (files and folders), sorted.
std::vector<std::string> ListFolder(const std::string &strRoot, const std::string &strDevFolder);

}  // namespace devcap_tool::lint

// devcap lint: run the library over every product of a tree and report what
// it says while reading, file by file.
//
// Attribution. Start-up runs once per product, with the product's folder name
// as the device name. Until stage 2 has built the patch path, the log itself
// tells which file a message is about: the index is read right after the
// library logs its path, and stage 2 logs each path before it tests it. The
// board, sensor, lens and patch files are then read again one at a time
// through the exported stage operations, each with the record as start-up
// would have it, so that every message of such a run belongs to that file.
#include <dirent.h>
#include <json-c/json.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <set>

#include "commands/commands.h"
#include "report/json_out.h"
#include "devcap.h"
#include "host.h"

namespace devcap_tool {

namespace {

const char kLintUsage[] =
    "usage: devcap lint [OPTIONS] [PRODUCT...]\n"
    "\n"
    "Checks every product folder under ROOT/usr/bin (the folders holding a\n"
    "hardwareindex.json), or the named ones, by running the library on them:\n"
    "the start-up result, every file missing or not JSON, and every finding the\n"
    "library reports while reading (unknown keys, values of the wrong JSON type,\n"
    "words outside a vocabulary, texts cut to fit, arrays longer than their\n"
    "field), one line each:  product: file: level: finding\n"
    "\n"
    "options:\n"
    "  --root DIR       root file system laid out as on the device (default /)\n"
    "  --strict         any finding fails the product\n"
    "  --emmc           the electronic tag is on eMMC\n"
    "  -v, --verbose    show the library's log lines on standard error\n"
    "  --json           one JSON document, for CI\n"
    "\n"
    "exit status: 0 clean; 1 a product failed start-up (with --strict: or has\n"
    "any finding); 2 usage error or no product folder found.\n";

struct Finding {
    std::string strFile;
    int iLevel;
    std::string strFn;
    std::string strText;
    const char *pcCategory;
};

struct ProductReport {
    std::string strName;
    int iRc = 0;
    const Stage *pstStage = nullptr;
    std::vector<Finding> findings;
};

bool StartsWith(const std::string &s, const char *p) { return s.rfind(p, 0) == 0; }
bool EndsWith(const std::string &s, const char *p) {
    size_t n = strlen(p);
    return s.size() >= n && s.compare(s.size() - n, n, p) == 0;
}
bool Contains(const std::string &s, const char *p) { return s.find(p) != std::string::npos; }

// Routine information the library logs on every start-up: no finding.
bool IsRoutine(const LogLine &l) {
    if (l.iLevel != 3 && l.iLevel != 4 && l.iLevel != 6) return true;
    if (StartsWith(l.strText, "pcOutCapPath = ")) return true;
    if (StartsWith(l.strText, "key=") && Contains(l.strText, ",val=")) return true;
    return l.strText == "Equipment Mode.";
}

// Messages about the device's identity (name file, tag): not the tree's.
bool IsIdentity(const LogLine &l) {
    static const std::set<std::string> s_fns = {"cap_GetDeviceName", "cap_GetDeviceParam",
                                                "cap_GetDevNameFromElecTag", "cap_ReadSerialNum",
                                                "cap_GetCapDev"};
    return s_fns.count(l.strFn) > 0 || StartsWith(l.strText, "cap_GetDeviceName return value error") ||
           StartsWith(l.strText, "equipment mode without IPC-DEFAULT");
}

bool IsStageFailure(const LogLine &l) {
    for (const Stage &st : Stages())
        if (l.Is(st.pcFailMsg)) return true;
    return false;
}

const char *Category(int iLevel, const std::string &t) {
    if (Contains(t, "is overflow of")) return "text cut to fit";
    if (Contains(t, " elements, only ") && Contains(t, " kept.")) return "array longer than its field";
    if (Contains(t, "pcVal") || Contains(t, "pcJsonVal") || Contains(t, "cap_MatchMemWidth") ||
        Contains(t, "cap_MatchCvbsType"))
        return "word outside the vocabulary";
    if (Contains(t, "key") || Contains(t, "Key")) return "unknown key or wrong type";
    return iLevel == 3 ? "error" : iLevel == 4 ? "warning" : "information";
}

std::string Trim(std::string s) {
    size_t ulLead = s.find_first_not_of(" \t");
    s.erase(0, ulLead == std::string::npos ? s.size() : ulLead);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\n' || s.back() == '\r' || s.back() == '\t'))
        s.pop_back();
    return s;
}

class Linter {
public:
    Linter(const Options &opts, Session &s) : m_opts(opts), m_s(s) {}
    ProductReport Run(const std::string &strProduct);

private:
    std::string HostPath(const std::string &strDev) const {
        return m_opts.strRoot == "/" ? strDev : m_opts.strRoot + strDev;
    }
    bool Exists(const std::string &strDev) const { return access(HostPath(strDev).c_str(), F_OK) == 0; }
    // A device path as the reader knows it: relative to /usr/bin.
    static std::string Rel(const std::string &strDev) {
        return StartsWith(strDev, "/usr/bin/") ? strDev.substr(9) : strDev;
    }
    void Add(ProductReport &r, const std::string &strFile, const LogLine &l, const char *pcCat = nullptr) {
        std::string t = Trim(l.strText);
        // The port parser's error for a port the "Uart" object leaves out.
        if (t == "cap_ParseUartIndividual para is null ptr!")
            t += " (a port of \"Uart\" is left out: \"Uart485\", \"Uart422\" and \"Uart232\" are each looked up;"
                 " the port keeps its defaults)";
        r.findings.push_back({strFile, l.iLevel, l.strFn, t, pcCat != nullptr ? pcCat : Category(l.iLevel, t)});
    }
    void AddOwn(ProductReport &r, const std::string &strFile, int iLevel, const std::string &strText,
                const char *pcCat) {
        r.findings.push_back({strFile, iLevel, "devcap", strText, pcCat});
    }
    void FromStartup(ProductReport &r, const std::string &strIndex);
    // Run one stage operation and take every message as a finding of strFile.
    void Rerun(ProductReport &r, const std::string &strFile, int (*pfnStage)(), const char *pcNullMsg);
    int IndexLedNum(const std::string &strIndexDev) const;

    const Options &m_opts;
    Session &m_s;
};

void Linter::FromStartup(ProductReport &r, const std::string &strIndex) {
    std::vector<LogLine> log = m_s.InitLog();
    // Where stage 3 begins: after the patch path, when stage 2 got through.
    size_t ulEnd = log.size();
    if (r.iRc == 0 || (r.pstStage != nullptr && r.pstStage->iNumber >= 3)) {
        for (size_t i = 0; i < log.size(); ++i)
            if (StartsWith(log[i].strText, "pcOutCapPath = ")) ulEnd = i + 1;
    }
    std::string strCur = strIndex;
    for (size_t i = 0; i < ulEnd; ++i) {
        const LogLine &l = log[i];
        if (StartsWith(l.strText, "pcOutCapPath = ")) {
            strCur = Rel(Trim(l.strText.substr(15)));
            continue;
        }
        if (IsRoutine(l) || IsIdentity(l) || IsStageFailure(l)) continue;
        std::string t = Trim(l.strText);
        if (EndsWith(t, " PATH error!")) {
            AddOwn(r, Rel(t.substr(0, t.size() - 12)), 3, "file missing", "file missing");
            continue;
        }
        if (Contains(t, "cap_GetOneCapFilesPath para is invalid")) {
            // An empty name: say which from the step's message that follows.
            std::string strWhat = "a name";
            for (size_t j = i + 1; j < log.size(); ++j) {
                if (StartsWith(log[j].strText, "Init ") && Contains(log[j].strText, "Path Fail")) {
                    strWhat = Trim(log[j].strText);
                    break;
                }
            }
            AddOwn(r, strIndex, 3, "empty name, so no path can be built (" + strWhat + ")", "missing name");
            continue;
        }
        // Consequences of a missing or unreadable index, already reported.
        if (StartsWith(t, "Init ") && Contains(t, "Path Fail")) continue;
        if (t == "cap_GetHardwareJson fail!" || StartsWith(t, "Get Cap_path.json Folder")) continue;
        if (t == "patch Json is Null.") {
            AddOwn(r, strIndex, 3, "not JSON (or unreadable)", "not JSON");
            continue;
        }
        Add(r, strCur, l);
    }
}

void Linter::Rerun(ProductReport &r, const std::string &strFile, int (*pfnStage)(), const char *pcNullMsg) {
    m_s.ClearLog();
    pfnStage();
    for (const LogLine &l : m_s.Log()) {
        if (IsRoutine(l)) continue;
        if (Trim(l.strText) == pcNullMsg) {
            AddOwn(r, strFile, 3, "not JSON (or unreadable)", "not JSON");
            continue;
        }
        Add(r, strFile, l);
    }
}

// The LED count the index leaves behind: the board file's "LedInfo" is only
// read while it is 0.
int Linter::IndexLedNum(const std::string &strIndexDev) const {
    json_object *pstRoot = json_object_from_file(HostPath(strIndexDev).c_str());
    if (pstRoot == nullptr) return 0;
    int iNum = 0;
    if (json_object_is_type(pstRoot, json_type_object)) {
        json_object_object_foreach(pstRoot, pcKey, pstVal) {
            if (strcmp(pcKey, "LedInfo") != 0 || !json_object_is_type(pstVal, json_type_object)) continue;
            iNum = 0;
            json_object_object_foreach(pstVal, pcInner, pstInner) {
                if (strcmp(pcInner, "LedNum") == 0 && json_object_is_type(pstInner, json_type_int))
                    iNum = json_object_get_int(pstInner) & 0xffff;
            }
        }
    }
    json_object_put(pstRoot);
    return iNum;
}

ProductReport Linter::Run(const std::string &strProduct) {
    ProductReport r;
    r.strName = strProduct;
    CAP_SetDeviceNameOverride(strProduct.c_str());
    r.iRc = m_s.Init();
    r.pstStage = m_s.FailedStage();
    std::string strIndexDev = "/usr/bin/" + strProduct + "/hardwareindex.json";
    FromStartup(r, Rel(strIndexDev));

    const DevCap stSaved = g_stDevCap;
    // What the index said, as the library understood it.
    if (r.pstStage == nullptr || r.pstStage->iNumber > 1) {
        int iChannels = std::min<int>(g_pstSensorCap->usSensorNum, CAP_MAX_CHANNEL);
        for (int i = 0; i < iChannels; ++i) {
            std::string strCh = "channel " + std::to_string(i) + ": ";
            const char *pcSensor = g_pstSensorCap->aacSensorName[i];
            if (pcSensor[0] != '\0' && g_pstSensorCap->aeSensorType[i] == CAP_SENSOR_INVALID)
                AddOwn(r, Rel(strIndexDev), 6, strCh + "sensor \"" + pcSensor + "\" is not a known sensor type",
                       "word outside the vocabulary");
            const char *pcLens = g_pstLensCap->aacLensName2[i][0] != '\0' ? g_pstLensCap->aacLensName2[i]
                                                                           : g_pstLensCap->aacLensName[i];
            if (pcLens[0] != '\0' && g_pstLensCap->aeLensType[i] == CAP_LENS_INVALID)
                AddOwn(r, Rel(strIndexDev), 6, strCh + "lens \"" + pcLens + "\" is not a known lens type",
                       "word outside the vocabulary");
            const char *pcDist = g_pstLensCap->aacFixDistanceName[i];
            if (pcDist[0] != '\0' && g_pstLensCap->aeFixDistance[i] == CAP_FIX_INVALID)
                AddOwn(r, Rel(strIndexDev), 6,
                       strCh + "fixed distance \"" + pcDist + "\" is not a known distance",
                       "word outside the vocabulary");
        }
    }

    // Stage 3: the board file, with the LED count the index left.
    std::string strBoard = g_pstCapFiles->acBoardPath;
    if (!strBoard.empty() && Exists(strBoard)) {
        g_pstPatchCap->stLedInfo.usLedNum = static_cast<unsigned short>(IndexLedNum(strIndexDev));
        Rerun(r, Rel(strBoard), cap_BoardCapInit, "Board Json is Null.");
        g_stDevCap = stSaved;
    }
    // Stages 4 and 5: each sensor and lens file once, as channel 0 alone.
    std::set<std::string> seen;
    int iSensors = std::min<int>(stSaved.stSensorCap.usSensorNum, CAP_MAX_CHANNEL);
    for (int i = 0; i < iSensors; ++i) {
        std::string strPath = stSaved.stCapFiles.aacSensorPath[i];
        if (strPath.empty() || !Exists(strPath) || !seen.insert(strPath).second) continue;
        g_pstSensorCap->usSensorNum = 1;
        memcpy(g_pstCapFiles->aacSensorPath[0], stSaved.stCapFiles.aacSensorPath[i], CAP_PATH_LEN);
        g_pstSensorCap->aeSensorMode[0] = CAP_SENSOR_MODE_INVALID;
        size_t ulBefore = r.findings.size();
        Rerun(r, Rel(strPath), cap_SensorInitAll, "Sensor Json is Null.");
        bool bNotJson = r.findings.size() > ulBefore && r.findings.back().strText == "not JSON (or unreadable)";
        if (!bNotJson && g_pstSensorCap->aeSensorMode[0] == CAP_SENSOR_MODE_INVALID)
            AddOwn(r, Rel(strPath), 6, "no known \"SensorMode\": the mode stays invalid (29)",
                   "word outside the vocabulary");
        g_stDevCap = stSaved;
    }
    int iLenses = std::min<int>(stSaved.stLensCap.usLensNum, CAP_MAX_CHANNEL);
    for (int i = 0; i < iLenses; ++i) {
        std::string strPath = stSaved.stCapFiles.aacLensPath[i];
        if (strPath.empty() || !Exists(strPath) || !seen.insert(strPath).second) continue;
        g_pstLensCap->usLensNum = 1;
        memcpy(g_pstCapFiles->aacLensPath[0], stSaved.stCapFiles.aacLensPath[i], CAP_PATH_LEN);
        g_pstLensCap->adFovAngle[0] = 0.0;
        size_t ulBefore = r.findings.size();
        Rerun(r, Rel(strPath), cap_LensInitAll, "Lens Cap is null.");
        bool bNotJson = r.findings.size() > ulBefore && r.findings.back().strText == "not JSON (or unreadable)";
        if (!bNotJson && g_pstLensCap->adFovAngle[0] == 0.0)
            AddOwn(r, Rel(strPath), 6,
                   "no \"FovAngle\" taken: it must be a number with a fraction, such as 90.0",
                   "unknown key or wrong type");
        g_stDevCap = stSaved;
    }
    // Stage 6: the patch file.
    std::string strPatch = stSaved.stCapFiles.acPatchPath;
    if (!strPatch.empty() && Exists(strPatch)) {
        Rerun(r, Rel(strPatch), cap_PatchCapInit, "Patch Json is Null.");
        g_stDevCap = stSaved;
    }
    CAP_SetDeviceNameOverride(nullptr);
    return r;
}

std::vector<std::string> ListProducts(const std::string &strRoot) {
    std::string strBin = (strRoot == "/" ? "" : strRoot) + "/usr/bin";
    std::vector<std::string> names;
    DIR *pDir = opendir(strBin.c_str());
    if (pDir == nullptr) return names;
    while (dirent *pEnt = readdir(pDir)) {
        std::string n = pEnt->d_name;
        if (n == "." || n == "..") continue;
        struct stat st;
        if (stat((strBin + "/" + n + "/hardwareindex.json").c_str(), &st) == 0 && S_ISREG(st.st_mode))
            names.push_back(n);
    }
    closedir(pDir);
    std::sort(names.begin(), names.end());
    return names;
}

bool TakeLintOption(const std::string &strWord, void *pUser) {
    if (strWord != "--strict") return false;
    *static_cast<bool *>(pUser) = true;
    return true;
}

}  // namespace

int CmdLint(const std::vector<std::string> &args) {
    Options opts;
    std::vector<std::string> rest;
    bool bHelp = false, bStrict = false;
    if (!ParseOptions(args, &opts, &rest, &bHelp, TakeLintOption, &bStrict)) return kExitUsage;
    if (bHelp) {
        fputs(kLintUsage, stdout);
        return kExitOk;
    }
    if (opts.bEquipment || opts.bDevice) {
        fprintf(stderr, "devcap lint: --equipment and --device do not apply: each product is checked by its own name\n");
        return kExitUsage;
    }
    if (opts.strRoot.size() > 1 && opts.strRoot.back() == '/') opts.strRoot.pop_back();
    std::vector<std::string> products = rest.empty() ? ListProducts(opts.strRoot) : rest;
    if (products.empty()) {
        fprintf(stderr, "devcap lint: no product folder (a folder holding hardwareindex.json) under %s/usr/bin\n",
                opts.strRoot == "/" ? "" : opts.strRoot.c_str());
        return kExitUsage;
    }
    for (const std::string &p : products) {
        if (p.empty() || p.find('/') != std::string::npos || p == "." || p == "..") {
            fprintf(stderr, "devcap lint: '%s' is not a product folder name\n", p.c_str());
            return kExitUsage;
        }
    }
    Session s(opts);
    Linter linter(opts, s);
    std::vector<ProductReport> reports;
    for (const std::string &p : products) reports.push_back(linter.Run(p));

    int iFailed = 0, iFindings = 0, iDirty = 0;
    for (const ProductReport &r : reports) {
        iFailed += r.iRc != 0;
        iFindings += static_cast<int>(r.findings.size());
        iDirty += !r.findings.empty();
    }
    if (opts.bJson) {
        JsonOut out;
        out.BeginObject();
        out.String("root", opts.strRoot);
        out.Bool("strict", bStrict);
        out.BeginArray("products");
        for (const ProductReport &r : reports) {
            out.BeginObject();
            out.String("product", r.strName);
            out.BeginObject("startup");
            out.Int("result", r.iRc);
            if (r.pstStage != nullptr) {
                out.Int("stage", r.pstStage->iNumber);
                out.String("stageName", r.pstStage->pcWhat);
            } else {
                out.Null("stage");
                out.Null("stageName");
            }
            out.EndObject();
            out.Int("count", static_cast<long long>(r.findings.size()));
            out.BeginArray("findings");
            for (const Finding &f : r.findings) {
                out.BeginObject();
                out.String("file", f.strFile);
                out.String("level", HOST_LevelName(f.iLevel));
                out.String("category", f.pcCategory);
                out.String("function", f.strFn);
                out.String("message", f.strText);
                out.EndObject();
            }
            out.EndArray();
            out.EndObject();
        }
        out.EndArray();
        out.BeginObject("summary");
        out.Int("products", static_cast<long long>(reports.size()));
        out.Int("failed", iFailed);
        out.Int("withFindings", iDirty);
        out.Int("findings", iFindings);
        out.EndObject();
        out.EndObject();
        fputs(out.Text().c_str(), stdout);
    } else {
        for (const ProductReport &r : reports) {
            if (r.iRc == 0) {
                printf("%s: start-up ok\n", r.strName.c_str());
            } else {
                printf("%s: start-up FAILED", r.strName.c_str());
                if (r.pstStage != nullptr) printf(" in stage %d (%s)", r.pstStage->iNumber, r.pstStage->pcWhat);
                printf(", code %d\n", r.iRc);
            }
            for (const Finding &f : r.findings)
                printf("%s: %s: %s: %s\n", r.strName.c_str(), f.strFile.c_str(), HOST_LevelName(f.iLevel),
                       f.strText.c_str());
            printf("%s: %zu finding%s\n\n", r.strName.c_str(), r.findings.size(), r.findings.size() == 1 ? "" : "s");
        }
        printf("%zu product%s checked, %d failed start-up, %d with findings, %d finding%s in all\n",
               reports.size(), reports.size() == 1 ? "" : "s", iFailed, iDirty, iFindings,
               iFindings == 1 ? "" : "s");
    }
    if (iFailed > 0 || (bStrict && iFindings > 0)) return kExitFail;
    return kExitOk;
}

}  // namespace devcap_tool

// lint agrees with the device on mutated files: products generated from the
// clean examples, each file changed at random (keys misspelt, values of
// other JSON types, numbers out of range, long texts and arrays, unknown
// words, null elements, keys left out or added), linted in one run; wherever
// the library itself logs something while reading them, a finding of the
// model names the same key or value, so no device-log finding remains.
#include <nlohmann/json.hpp>

#include <filesystem>
#include <random>

#include "tool_test.h"

using namespace tool_test;
using Doc = nlohmann::ordered_json;

namespace {

const char *const kBases[] = {"IPC-B540-IR", "IPC-BOX-8M", "IPC-D240-F36", "IPC-PTZ-D420X"};

class Mutator {
public:
    explicit Mutator(unsigned uiSeed) : m_rng(uiSeed) {}

    // One to four changes somewhere in the document.
    void Mutate(Doc &doc) {
        for (int n = Pick(4) + 1; n > 0; --n) {
            std::vector<Doc *> nodes;
            Collect(doc, nodes);
            Change(*nodes[Pick(static_cast<int>(nodes.size()))]);
        }
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    static void Collect(Doc &d, std::vector<Doc *> &out) {
        out.push_back(&d);
        if (d.is_object())
            for (auto &[k, v] : d.items()) Collect(v, out), (void)k;
        if (d.is_array())
            for (Doc &v : d) Collect(v, out);
    }

    std::string Misspelt(std::string s) {
        if (s.empty()) return "x";
        const size_t i = static_cast<size_t>(Pick(static_cast<int>(s.size())));
        switch (Pick(3)) {
            case 0: s[i] = static_cast<char>(isupper(static_cast<unsigned char>(s[i])) ? tolower(s[i]) : toupper(s[i])); break;
            case 1: s.erase(i, 1); break;
            default: s.insert(i, 1, 'x'); break;
        }
        return s;
    }

    void Change(Doc &d) {
        if (d.is_object()) {
            std::vector<std::string> keys;
            for (auto &[k, v] : d.items()) keys.push_back(k), (void)v;
            switch (keys.empty() ? 3 : Pick(4)) {
                case 0: {  // a key misspelt
                    const std::string k = keys[static_cast<size_t>(Pick(static_cast<int>(keys.size())))];
                    Doc v = d[k];
                    d.erase(k);
                    d[Misspelt(k)] = v;
                    return;
                }
                case 1: d.erase(keys[static_cast<size_t>(Pick(static_cast<int>(keys.size())))]); return;
                case 2: d = "object"; return;
                default: d["Unknown" + std::to_string(Pick(9))] = Pick(2) == 0 ? Doc(7) : Doc::array({1, 2}); return;
            }
        }
        if (d.is_array()) {
            switch (Pick(5)) {
                case 0: {
                    Doc first = d.empty() ? Doc(1) : d[0];
                    for (int i = 0; i < 14; ++i) d.push_back(first);
                    return;
                }
                case 1: d = Doc::array(); return;
                case 2: d.push_back(nullptr); return;
                case 3: d.push_back("word"); return;
                default: d = d.empty() ? Doc(0) : Doc(d[0]); return;
            }
        }
        if (d.is_string()) {
            const std::string s = d.get<std::string>();
            switch (Pick(5)) {
                case 0: d = s + "-and-a-much-longer-tail"; return;
                case 1: d = Misspelt(s); return;
                case 2: d = 5; return;
                case 3: d = nullptr; return;
                default: d = Doc::array({s}); return;
            }
        }
        if (d.is_number_integer()) {
            const long long aBig[] = {-1, 257, 70000, 2147483648LL, -2147483649LL, 1099511627776LL};
            switch (Pick(4)) {
                case 0: d = aBig[Pick(6)]; return;
                case 1: d = std::to_string(d.get<long long>()); return;
                case 2: d = d.get<long long>() != 0; return;
                default: d = static_cast<double>(d.get<long long>()) + 0.5; return;
            }
        }
        if (d.is_boolean()) {
            d = Pick(2) == 0 ? Doc(d.get<bool>() ? 1 : 0) : Doc(d.get<bool>() ? "true" : "false");
            return;
        }
        if (d.is_number_float()) {
            d = static_cast<long long>(d.get<double>());
            return;
        }
        d = "null";
    }

    std::mt19937 m_rng;
};

Doc Load(const std::string &strPath) { return Doc::parse(ReadFile(strPath)); }

class LintAgreement : public ToolTest {
protected:
    // Many small files: written without a shell.
    void Put(const std::string &strDevPath, const Doc &doc) const {
        const std::filesystem::path path = Root() + strDevPath;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << doc.dump(2);
    }
};

TEST_F(LintAgreement, EveryMessageOfTheDeviceIsAFindingOfTheModel) {
    for (unsigned uiSeed : {1u, 2u, 3u}) {
        std::filesystem::remove_all(Root());
        Mutator mut(uiSeed);
        const int kProducts = 120;
        for (int i = 0; i < kProducts; ++i) {
            const std::string strBase = kBases[i % 4], strProduct = "MUT-" + std::to_string(i);
            const std::string strBin = kExamples + "/usr/bin/";
            Doc index = Load(strBin + strBase + "/hardwareindex.json");
            // Files of the product's own, so that each can change alone.
            const std::string strBoard = "b" + std::to_string(i);
            Doc board = Load(strBin + "hardware/board/" + index["board"].get<std::string>() + "/cap_board.json");
            mut.Mutate(board);
            Put("/usr/bin/hardware/board/" + strBoard + "/cap_board.json", board);
            index["board"] = strBoard;
            for (size_t ch = 0; ch < index["ISP_INFO"].size(); ++ch) {
                Doc &entry = index["ISP_INFO"][ch];
                const std::string strTag = std::to_string(i) + "c" + std::to_string(ch);
                Doc sensor = Load(strBin + "hardware/sensor/" + entry["sensor"].get<std::string>() + "/cap_sensor.json");
                Doc &lensRef = entry["lens"].is_array() ? entry["lens"][0] : entry["lens"];
                Doc lens = Load(strBin + "hardware/lens/" + lensRef.get<std::string>() + "/cap_lens.json");
                mut.Mutate(sensor);
                mut.Mutate(lens);
                Put("/usr/bin/hardware/sensor/s" + strTag + "/cap_sensor.json", sensor);
                Put("/usr/bin/hardware/lens/l" + strTag + "/cap_lens.json", lens);
                entry["sensor"] = "s" + strTag;
                lensRef = "l" + strTag;
            }
            Doc patch = Load(strBin + strBase + "/cap_patch.json");
            mut.Mutate(index);
            mut.Mutate(patch);
            Put("/usr/bin/" + strProduct + "/hardwareindex.json", index);
            Put("/usr/bin/" + strProduct + "/cap_patch.json", patch);
        }
        Result r = Run({"lint", "--json", "--root", Root()});
        Json doc(r.strOut);
        ASSERT_NE(doc.p, nullptr) << r.strErr;
        EXPECT_EQ(Int(At(doc.p, {"summary", "products"})), kProducts);
        json_object *pAll = At(doc.p, {"findings"});
        int iGaps = 0, iErrors = 0;
        for (size_t i = 0; i < json_object_array_length(pAll); ++i) {
            json_object *f = json_object_array_get_idx(pAll, i);
            iErrors += Str(At(f, {"severity"})) == "error";
            if (Str(At(f, {"check"})) != "device-log") continue;
            if (++iGaps <= 5)
                ADD_FAILURE() << "seed " << uiSeed << ": " << Str(At(f, {"path"})) << ":" << Int(At(f, {"line"})) << ": "
                              << Str(At(f, {"message"}));
        }
        EXPECT_EQ(iGaps, 0) << "seed " << uiSeed;
        // The mutations reach the device: most products have errors.
        EXPECT_GT(iErrors, kProducts) << "seed " << uiSeed;
    }
}

}  // namespace

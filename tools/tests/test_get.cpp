// devcap get as shell scripts use it: standard output holds an answer or
// nothing, the reason for no answer goes to standard error, and the status
// tells which; the query list as JSON.
#include <map>

#include "tool_test.h"

namespace {

using namespace tool_test;

// No answer: start-up failed, or the query refused its arguments or failed
// (the library logged an error, whatever the number it returned). Nothing on
// standard output then, in text or JSON, and status 1.
TEST_F(ToolTest, GetPrintsNothingWithoutAnAnswer) {
    const Args kBox = {"--root", kExamples, "--device", "IPC-BOX-8M"};
    const struct {
        Args args;
        std::string strErr;  // part of the message on standard error
    } aCases[] = {
        // Start-up fails: a product without a folder, an empty root.
        {{"--root", kExamples, "--device", "NO-SUCH-PRODUCT", "CameraType"}, "start-up failed in stage 1"},
        {{"--root", Root(), "CameraType"}, "start-up failed in stage 1 (hardware index), code -1"},
        // Refused with a negative number that could pass for an answer.
        {{"AlarmInWithGpio", "9"},
         "CAP_GetAlarmInWithGpio(9) gave no answer (-4); the library logged "
         "\"CAP_GetAlarmInWithGpio para iGpioNum= 9 out of range 8.\""},
        {{"AlarmInWithGpio", "-1"}, "CAP_GetAlarmInWithGpio(-1) gave no answer (-4)"},
        {{"IrcutCtlWithGpio", "0", "10"}, "gave no answer (-4)"},
        {{"LedType", "10"}, "CAP_GetLedType(10) gave no answer (-1)"},
        {{"FovAngle", "4"}, "CAP_GetFovAngle(4) gave no answer (-1)"},
        // Refused with a number that is also a member or a flag.
        {{"SensorType", "4"}, "CAP_GetSensorType(4) gave no answer (19)"},
        {{"IsZoomSupport", "4"}, "CAP_IsZoomSupport(4) gave no answer (0)"},
        {{"VideoMaxChannel", "4"}, "gave no answer (65532)"},
        // A result code: an index or count out of range.
        {{"Uart485DeviceNode", "7"}, "CAP_GetUart485DeviceNode(7) gave no answer (-4)"},
        {{"AlarmInWithGpioMul", "9"}, "gave no answer (-4)"},
        {{"LedRange", "10"}, "gave no answer (-4)"},
    };
    for (const auto &c : aCases) {
        for (bool bJson : {false, true}) {
            Args a = {"get"};
            if (c.args[0] != "--root") a.insert(a.end(), kBox.begin(), kBox.end());
            if (bJson) a.push_back("--json");
            a.insert(a.end(), c.args.begin(), c.args.end());
            Result r = Run(a);
            const std::string strWhat = a.back() + (bJson ? " --json" : "");
            EXPECT_EQ(r.iStatus, 1) << strWhat << "\n" << r.strErr;
            EXPECT_EQ(r.strOut, "") << strWhat;
            EXPECT_TRUE(Has(r.strErr, c.strErr)) << strWhat << "\n" << r.strErr;
        }
    }
    // The tag read fails on a root without the partition.
    WriteProduct("P1");
    Result r = Run({"get", "--root", Root(), "--device", "P1", "CheckCode"});
    EXPECT_EQ(r.iStatus, 1);
    EXPECT_EQ(r.strOut, "");
    EXPECT_TRUE(Has(r.strErr, "CAP_GetCheckCode() gave no answer (-1)")) << r.strErr;
}

// Answers that are negative or odd-looking are still answers: printed, status 0.
TEST_F(ToolTest, GetPrintsEveryAnswerEvenNegative) {
    WriteProduct("P1");
    Write("/usr/bin/hardware/board/B1/cap_board.json",
          R"({"CameraType": "Box", "PTZ": {"GlassHeatTempThreshold": [-4, -1]}, "ResetGpio": -4})");
    const Args kOwn = {"--root", Root(), "--device", "P1"};
    const struct {
        Args args;
        std::string strOut;
    } aCases[] = {
        {{"TempLowerThreshold"}, "-4\n"}, {{"TempUpperThreshold"}, "-1\n"}, {{"ResetGpio"}, "-4\n"},
        {{"AlarmInWithGpio", "0"}, "none\n"}, {{"--raw", "AlarmInWithGpio", "0"}, "-1\n"},
        {{"SensorType", "1"}, "invalid (19)\n"},  // an empty channel: the answer, not a refusal
        {{"MatchLedType", "no-such-word"}, "invalid (24)\n"},
    };
    for (const auto &c : aCases) {
        Args a = {"get"};
        a.insert(a.end(), kOwn.begin(), kOwn.end());
        a.insert(a.end(), c.args.begin(), c.args.end());
        Result r = Run(a);
        EXPECT_EQ(r.iStatus, 0) << c.args.back() << "\n" << r.strErr;
        EXPECT_EQ(r.strOut, c.strOut) << c.args.back();
        EXPECT_EQ(r.strErr, "") << c.args.back();
    }
    Result r = Run({"get", "--root", Root(), "--device", "P1", "--json", "TempLowerThreshold"});
    Json doc(r.strOut);
    ASSERT_NE(doc.p, nullptr) << r.strOut;
    EXPECT_EQ(Int(At(doc.p, {"answer"})), -4);
    EXPECT_EQ(At(doc.p, {"startup"}), nullptr);  // only a started library answers
}

// The JSON list holds the same queries as the text list, each with its
// exported function, group and arguments by C type.
TEST_F(ToolTest, GetListJsonMatchesTheTextList) {
    Result text = Run({"get", "--list"}), json = Run({"get", "--list", "--json"});
    ASSERT_EQ(json.iStatus, 0);
    Json doc(json.strOut);
    ASSERT_NE(doc.p, nullptr) << json.strOut;
    json_object *pQueries = At(doc.p, {"queries"});
    ASSERT_TRUE(json_object_is_type(pQueries, json_type_array));
    std::vector<std::string> textNames, jsonNames;
    std::istringstream in(text.strOut);
    for (std::string strLine, w; std::getline(in, strLine);)
        if (strLine.rfind("  ", 0) == 0 && (std::istringstream(strLine) >> w)) textNames.push_back(w);
    std::map<std::string, json_object *> byName;
    for (size_t i = 0; i < json_object_array_length(pQueries); ++i) {
        json_object *q = json_object_array_get_idx(pQueries, i);
        jsonNames.push_back(Str(At(q, {"name"})));
        byName[jsonNames.back()] = q;
    }
    EXPECT_EQ(jsonNames, textNames);
    auto ArgTypes = [&](const std::string &strName) {
        std::string r;
        json_object *pArgs = At(byName[strName], {"args"});
        for (size_t i = 0; pArgs != nullptr && i < json_object_array_length(pArgs); ++i)
            r += Str(At(json_object_array_get_idx(pArgs, i), {"name"})) + ":" +
                 Str(At(json_object_array_get_idx(pArgs, i), {"type"})) + ";";
        return r;
    };
    EXPECT_EQ(Str(At(byName["AlarmInWithGpio"], {"function"})), "CAP_GetAlarmInWithGpio");
    EXPECT_EQ(Str(At(byName["IsPoeSupport"], {"function"})), "CAP_IsPoeSupport");
    EXPECT_EQ(Str(At(byName["AlarmInWithGpio"], {"group"})), "alarm/serial");
    EXPECT_EQ(ArgTypes("AlarmInWithGpio"), "INDEX:int;");
    EXPECT_EQ(ArgTypes("VideoType"), "INDEX:unsigned short;");
    EXPECT_EQ(ArgTypes("LensPins"), "INDEX:unsigned int;GROUP:unsigned int;");
    EXPECT_EQ(ArgTypes("LaserDistanceInfo"), "INDEX:unsigned char;");
    EXPECT_EQ(ArgTypes("MatchLedType"), "WORD:const char *;");
    EXPECT_EQ(ArgTypes("CameraType"), "");
}

}  // namespace

// The model's look-ups as lint uses them: files by kind, name or path, keys
// by place, "did you mean" for keys and words and the near misses of names,
// what a form expects, which values are GPIO lines, the one "LedInfo" object
// of three files, and what the judge lists of a file when asked.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/judge.h"
#include "model/model.h"
#include "support/judge_json_c.h"

namespace {

using namespace devcap_tool::model;

TEST(ModelLookups, FilesByKindNameAndPath) {
    ASSERT_EQ(Files().size(), 5u);
    EXPECT_EQ(FindFile("board"), FindFile("cap_board.json"));
    EXPECT_EQ(FileOfPath("usr/bin/hardware/board/b1/cap_board.json")->eKind, FileKind::kBoard);
    EXPECT_EQ(FileOfPath("usr/bin/P/hardwareindex.json")->eKind, FileKind::kIndex);
    EXPECT_EQ(FileOfPath("usr/bin/P/hardwareIndex.json"), nullptr);
    EXPECT_EQ(FindFile("camera"), nullptr);
}

TEST(ModelLookups, KeysByPlace) {
    const FileModel &board = File(FileKind::kBoard);
    const Object *pPort = ObjectAt(board, {"Uart", "Uart485"});
    ASSERT_NE(pPort, nullptr);
    EXPECT_STREQ(pPort->pcName, "Uart485");
    const Key *pNode = FindKey(*pPort, "DeviceNode");
    ASSERT_NE(pNode, nullptr);
    EXPECT_EQ(CapacityOf(pNode->stValue), CAP_UART_PORTS);
    EXPECT_EQ(CapacityOf(*pNode->stValue.pElem), CAP_NODE_LEN - 1);
    EXPECT_EQ(FindKey(*pPort, "devicenode"), nullptr);
    // The alarm arrays are keys of the top level and of "Alarm" alike.
    EXPECT_EQ(FindKey(*board.pTop, "AlarmInWithGpio"), FindKey(*ObjectAt(board, {"Alarm"}), "AlarmInWithGpio"));
    EXPECT_EQ(ObjectAt(File(FileKind::kIndex), {"ISP_INFO"})->pcName, std::string("ISP_INFO entry"));
    const Key *pLens = FindKey(*ObjectAt(File(FileKind::kIndex), {"ISP_INFO"}), "lens");
    EXPECT_EQ(TypesOf(*pLens), JsonTypes{kString | kArray});
    EXPECT_EQ(FormFor(*pLens, kArray)->uiTupleMin, 2u);
    EXPECT_EQ(FormFor(*pLens, kInt), nullptr);
    EXPECT_TRUE(IsRequired(*FindKey(*board.pTop, "CameraType")));
    EXPECT_FALSE(IsRequired(*FindKey(*board.pTop, "SocPlatform")));
    const auto range = RangeOf(FindKey(*board.pTop, "SDSlotNum")->stValue);
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(range->llMax, 255);
    EXPECT_EQ(Narrowed(FindKey(*board.pTop, "SDSlotNum")->stValue, 257), 1);
}

TEST(ModelLookups, DidYouMean) {
    const Object &patch = *File(FileKind::kPatch).pTop;
    EXPECT_EQ(Suggest(patch, "PoESupport"), std::vector<std::string>{"PoeSupport"});
    EXPECT_EQ(Suggest(patch, "WiperSuport").front(), "WiperSupport");
    EXPECT_TRUE(Suggest(patch, "Colour").empty());
    EXPECT_EQ(SuggestWord(kFanHeat, "gpio"), std::vector<std::string>{"Gpio"});
    EXPECT_EQ(kFanHeat.Find("Gpio")->uiMember, CAP_FANHEAT_GPIO);
    EXPECT_EQ(kFanHeat.Unknown(), std::optional<unsigned>(CAP_FANHEAT_INVALID));
    EXPECT_FALSE(kFanHeat.LogsUnknown());
    EXPECT_EQ(kLedHardCtl.Unknown(), std::optional<unsigned>(CAP_LEDCTL_PWM));
    EXPECT_FALSE(kAudioSoc.Unknown().has_value());
    EXPECT_EQ(kRamSize.FindNumber(1024)->uiMember, CAP_RAM_1024M);
    EXPECT_STREQ(kMemWidth.Word(CAP_MEM_WIDTH_32), "32 bits");
    EXPECT_STREQ(kCameraType.Word(CAP_CAMERA_INVALID), "invalid");
    EXPECT_STREQ(FocusKindOf(CAP_LENS_USER), "focus only");
}

TEST(ModelLookups, NearMisses) {
    EXPECT_EQ(EditDistance("cap_borad.json", "cap_board.json"), 2u);
    EXPECT_EQ(EditDistance("PoESupport", "PoeSupport"), 0u);  // letter case is no difference
    EXPECT_EQ(EditDistance("", "imx"), 3u);
    EXPECT_TRUE(SameLettersOtherCase("Broken-Board", "broken-board"));
    EXPECT_FALSE(SameLettersOtherCase("imx327", "imx327"));
    EXPECT_FALSE(SameLettersOtherCase("imx327", "imx337"));
    // Best first, ties in the candidates' order; another letter case alone.
    const std::vector<std::string> names = {"imx327", "imx335", "os08a10"};
    EXPECT_EQ(Closest(names, "imx33", 2), (std::vector<std::string>{"imx335", "imx327"}));
    EXPECT_EQ(Closest(names, "imx33", 1), std::vector<std::string>{"imx335"});
    EXPECT_EQ(Closest(names, "imx337", 1), (std::vector<std::string>{"imx327", "imx335"}));
    EXPECT_EQ(Closest({"IMX335", "imx337"}, "imx335", 2), std::vector<std::string>{"IMX335"});
    EXPECT_TRUE(Closest(names, "imx327", 0).empty());
    // Suggestions reach a third of the name, at least 2 edits.
    EXPECT_EQ(Suggest(names, "os08a"), std::vector<std::string>{"os08a10"});
    EXPECT_TRUE(Suggest(names, "os08").empty());
}

TEST(ModelLookups, GpioLinesAreMarked) {
    const FileModel &board = File(FileKind::kBoard);
    EXPECT_TRUE(FindKey(*board.pTop, "LensPinsA")->stValue.pElem->bGpio);
    EXPECT_TRUE(FindKey(*board.pTop, "HWVersionWithGPIO")->stValue.pElem->bGpio);
    EXPECT_TRUE(FindKey(*ObjectAt(board, {"PTZ"}), "DriverBoardReset")->stValue.bGpio);
    EXPECT_TRUE(FindKey(*ObjectAt(board, {"Uart", "Uart485"}), "DirectionGpio")->stValue.pElem->bGpio);
    EXPECT_TRUE(FindKey(*ObjectAt(board, {"Ircut"}), "GpioCtl")->stValue.pElem->pElem->bGpio);  // one row a filter
    EXPECT_TRUE(FindKey(LedInfo(), "LedGpioCtl")->stValue.pElem->bGpio);
    EXPECT_TRUE(FindKey(*File(FileKind::kPatch).pTop, "PatchIrcutCtl")->stValue.pElem->pElem->bGpio);
    EXPECT_FALSE(FindKey(*board.pTop, "SDSlotNum")->stValue.bGpio);
    EXPECT_FALSE(FindKey(*ObjectAt(board, {"Alarm"}), "AlarmInNum")->stValue.bGpio);
    EXPECT_FALSE(FindKey(*ObjectAt(board, {"Ircut"}), "Type")->stValue.pElem->bGpio);
}

TEST(ModelJudge, ListsWhatItIsAskedFor) {
    using judge_json_c::JsonC;
    json_object *o = json_tokener_parse(R"({"CameraType": "Box", "ResetGpio": 7, "SDSlotNum": 257,
                                            "Uart": {"Uart485": {"DeviceNode": ["ttyAMA2"]}}})");
    ASSERT_NE(o, nullptr);
    const FileModel &board = File(FileKind::kBoard);
    using Judged = std::vector<Judgement<json_object>>;
    auto Find = [](const Judged &judged, const std::string &strPath) {
        auto it = std::find_if(judged.begin(), judged.end(), [&](const auto &j) { return j.strPath == strPath; });
        return it != judged.end() ? &*it : nullptr;
    };
    // By default every value, and the keys the library needs that are left out.
    const Judged all = Judge<JsonC>::File(board, *o);
    ASSERT_NE(Find(all, "CameraType"), nullptr);
    EXPECT_EQ(Find(all, "CameraType")->eVerdict, Verdict::kTaken);
    EXPECT_EQ(Find(all, "CameraType")->strExpected, "");
    ASSERT_NE(Find(all, "Uart/Uart485/DeviceNode/0"), nullptr);
    ASSERT_NE(Find(all, "SDSlotNum"), nullptr);
    EXPECT_EQ(Find(all, "SDSlotNum")->eReason, Reason::kNarrowed);
    EXPECT_EQ(Find(all, "SDSlotNum")->strExpected, "an integer from 0 to 255");
    ASSERT_NE(Find(all, "Uart/Uart232"), nullptr);
    EXPECT_EQ(Find(all, "Uart/Uart232")->eReason, Reason::kMissingKey);
    EXPECT_EQ(Find(all, "SocPlatform"), nullptr);
    // Of the values taken as written only those asked for (the GPIO lines),
    // and the optional keys left out, each where its object stands.
    const Judged some = Judge<JsonC>::File(
        board, *o, Listing{.pfnTaken = [](const Value &v) { return v.bGpio; }, .bAbsent = true});
    EXPECT_EQ(Find(some, "CameraType"), nullptr);
    EXPECT_EQ(Find(some, "Uart/Uart485/DeviceNode/0"), nullptr);
    ASSERT_NE(Find(some, "ResetGpio"), nullptr);
    EXPECT_EQ(Find(some, "ResetGpio")->eVerdict, Verdict::kTaken);
    ASSERT_NE(Find(some, "SDSlotNum"), nullptr);
    ASSERT_NE(Find(some, "SocPlatform"), nullptr);
    EXPECT_EQ(Find(some, "SocPlatform")->eVerdict, Verdict::kMissing);
    EXPECT_EQ(Find(some, "SocPlatform")->eReason, Reason::kAbsent);
    EXPECT_EQ(Find(some, "SocPlatform")->pNode, nullptr);
    ASSERT_NE(Find(some, "Uart/Uart485/DirectionGpio"), nullptr);
    EXPECT_EQ(Find(some, "Uart/Uart485/DirectionGpio")->eReason, Reason::kAbsent);
    EXPECT_EQ(Find(some, "Uart/Uart232")->eReason, Reason::kMissingKey);
    json_object_put(o);
}

TEST(ModelLookups, WhatAFormExpects) {
    const Object &ptz = *ObjectAt(File(FileKind::kBoard), {"PTZ"});
    EXPECT_EQ(Expected(FindKey(ptz, "FanCtlType")->stValue), "one of: None, Gpio, Mcu");
    EXPECT_EQ(Expected(FindKey(ptz, "DriverBoardNode")->stValue), "a text of at most 9 characters");
    EXPECT_EQ(Expected(FindKey(ptz, "FanGpioCtl")->stValue), "an array of at most 4 integers");
    EXPECT_EQ(Expected(FindKey(*File(FileKind::kLens).pTop, "FovAngle")->stValue),
              "a number written with a fraction (90.0, not 90)");
}

TEST(ModelLookups, LedInfoIsOneObjectOfThreeFiles) {
    const std::vector<const Object *> places = LedInfoPlaces();
    ASSERT_EQ(places.size(), 3u);
    for (const Object *o : places) EXPECT_EQ(FindKey(*o, "LedInfo")->stValue.pObject, &LedInfo());
    EXPECT_EQ(LedInfo().eReplace, Object::Replace::kWithDefaults);
}

}  // namespace

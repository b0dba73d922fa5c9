// The model's look-ups as lint uses them: files by kind, name or path, keys
// by place, "did you mean" for keys and words, what a form expects, and the
// one "LedInfo" object of three files.
#include <gtest/gtest.h>

#include "model/judge.h"
#include "model/model.h"

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

// Device identity: the device name and its parameter, the product name of the
// electronic tag, the serial number and the check code.
#include <string.h>

#include <string>

#include "fixture.h"

using namespace devcap_test;
using namespace std::string_literals;

namespace {

class IdentityTest : public CapTest {
protected:
    // Start-up with this identity block in the tag; the product name it gives.
    std::string ProductNameOf(const std::string &identity) {
        product.tagIdentity = identity;
        EXPECT_EQ(Init(), 0) << log.Dump();
        return ProductName();
    }
    static std::string ProductName() {
        char acName[64];
        EXPECT_EQ(CAP_GetProductName(sizeof(acName), acName), 0);
        return acName;
    }
    void WriteCheckBlock(const std::string &check, const char *pcDev = "/dev/mtd2") {
        root.Write(pcDev, TagImage("", check));
    }
};

// ---- device name and parameter --------------------------------------------

TEST_F(IdentityTest, NameWithParameter) {
    product.devName = "MODEL1@LV";
    product.folder = "MODEL1@LV";
    ASSERT_EQ(Init(), 0) << log.Dump();
    char acName[64], acParam[64];
    ASSERT_EQ(CAP_GetDeviceName(sizeof(acName), acName), 0);
    ASSERT_EQ(CAP_GetDeviceParam(sizeof(acParam), acParam), 0);
    EXPECT_STREQ(acName, "MODEL1@LV");
    EXPECT_STREQ(acParam, "LV");
    EXPECT_FALSE(log.Contains("No device param exist."));
}

TEST_F(IdentityTest, NameWithoutParameterLogsTheDebugNotice) {
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_STREQ(g_pstBoardCap->acDevParam, "");
    EXPECT_TRUE(log.HasFrom("cap_GetDeviceParam", kDebug, "No device param exist. \n")) << log.Dump();
}

TEST_F(IdentityTest, ParameterIsTheTextAfterTheFirstAt) {
    product.devName = "M@A@B";
    product.folder = "M@A@B";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_STREQ(g_pstBoardCap->acDevParam, "A@B");
}

TEST_F(IdentityTest, OnlyTheFirst63BytesOfTheFileAreTheName) {
    std::string name(70, 'N');
    product.devName = name;
    product.folder = "";
    Init();
    EXPECT_EQ(std::string(g_pstBoardCap->acDevName), name.substr(0, 63));
    EXPECT_FALSE(log.Contains("Buffer for device name too short")) << log.Dump();
}

TEST_F(IdentityTest, LineFeedInTheFileIsPartOfTheName) {
    product.devName = "MODEL1\n";
    Init();
    EXPECT_STREQ(g_pstBoardCap->acDevName, "MODEL1\n");
}

TEST_F(IdentityTest, HostSuppliedNameReplacesTheFile) {
    CAP_SetDeviceNameOverride("OTHER@P9");
    product.folder = "OTHER@P9";
    ASSERT_EQ(Init(), 0) << log.Dump();  // the file still says MODEL1
    EXPECT_STREQ(g_pstBoardCap->acDevName, "OTHER@P9");
    EXPECT_STREQ(g_pstBoardCap->acDevParam, "P9");
    CAP_SetDeviceNameOverride(nullptr);
}

TEST_F(IdentityTest, DeviceNameQueryChecksAndTerminates) {
    ASSERT_EQ(Init(), 0);
    char acBuf[8];
    EXPECT_EQ(CAP_GetDeviceName(sizeof(acBuf), nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetDeviceName", kError, "Input param error.\n")) << log.Dump();
    EXPECT_EQ(CAP_GetDeviceName(0, acBuf), -4);
    EXPECT_EQ(CAP_GetDeviceName(-1, acBuf), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetDeviceName", kError, "para out of range.")) << log.Dump();
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetDeviceName(4, acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 5), "MOD\0x"s);  // cut, terminated at size-1, nothing past it
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetDeviceName(8, acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 8), "MODEL1\0\0"s);
}

TEST_F(IdentityTest, DeviceParamQueryChecksAndTerminates) {
    product.devName = product.folder = "M@PARAM";
    ASSERT_EQ(Init(), 0) << log.Dump();
    char acBuf[8];
    EXPECT_EQ(CAP_GetDeviceParam(sizeof(acBuf), nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetDeviceParam", kError, "Input param error.\n")) << log.Dump();
    EXPECT_EQ(CAP_GetDeviceParam(0, acBuf), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetDeviceParam", kError, "para out of range.")) << log.Dump();
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetDeviceParam(3, acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 4), "PA\0x"s);
}

// ---- product name from the tag --------------------------------------------

TEST_F(IdentityTest, PrefixAndAtPartAreRemovedFromTheDeviceName) {
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=KORVANTELIS-ABC123@X1\r\n"
                            "CUSTOM_DEVICE_NAME=NONE\r\n"
                            "INTERNAL_MODEL=\r\n"),
              "ABC123");
}

TEST_F(IdentityTest, DeviceNameKeyDoesNotMatchInsideTheCustomKey) {
    // The custom line comes first and is rejected: the DEVICE_NAME line counts.
    EXPECT_EQ(ProductNameOf("CUSTOM_DEVICE_NAME=NONE\r\n"
                            "DEVICE_NAME=KORVANTELIS-ABC123@X1\r\n"
                            "INTERNAL_MODEL=\r\n"),
              "ABC123");
}

TEST_F(IdentityTest, RejectedLowerCaseCustomNameFallsToTheDeviceName) {
    EXPECT_EQ(ProductNameOf("CUSTOM_DEVICE_NAME=none\nDEVICE_NAME=XYZ\n"), "XYZ");
}

TEST_F(IdentityTest, RejectedCustomNameAloneFindsNoName) {
    EXPECT_EQ(ProductNameOf("CUSTOM_DEVICE_NAME=None\n"), "");
    EXPECT_TRUE(log.HasFrom("cap_GetDevNameFromElecTag", kError, "Find Device Name failed.\n"))
        << log.Dump();
}

TEST_F(IdentityTest, CustomNameWinsRegardlessOfOrder) {
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=XYZ\nCUSTOM_DEVICE_NAME=MyCam\n"), "MyCam");
}

TEST_F(IdentityTest, InternalModelBeforeDeviceName) {
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=XYZ\nINTERNAL_MODEL=IM-7\nCUSTOM_DEVICE_NAME=\n"), "IM-7");
}

TEST_F(IdentityTest, KeyCountsOnlyWhereAnItemStarts) {
    EXPECT_EQ(ProductNameOf("X_DEVICE_NAME=BAD\nDEVICE_NAME=GOOD\n"), "GOOD");
}

TEST_F(IdentityTest, ItemMayFollowAZeroByte) {
    EXPECT_EQ(ProductNameOf("\0\0\0DEVICE_NAME=Z1\n"s), "Z1");
}

TEST_F(IdentityTest, CarriageReturnIsNoPartOfTheValue) {
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=ABC\r\n"), "ABC");
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=ABC\n"), "ABC");
    // A bare line feed before a later "\r\n" ends the value.
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=AB\nC\r\n"), "AB");
}

TEST_F(IdentityTest, EmptyDeviceNameValueGivesAnEmptyProductName) {
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=\n"), "");
    EXPECT_FALSE(log.Contains("Find Device Name failed")) << log.Dump();
}

TEST_F(IdentityTest, ItemWithoutLineEndLeavesTheNameEmptyAndStartUpGoesOn) {
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=ABC"), "");
    EXPECT_TRUE(log.HasFrom("cap_GetDevNameFromElecTag", kError, "Get item end position error.\n"))
        << log.Dump();
}

TEST_F(IdentityTest, LineEndBeyondAZeroByteDoesNotCount) {
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=ABC\0\n"s), "");
    EXPECT_TRUE(log.Has(kError, "Get item end position error.\n")) << log.Dump();
}

TEST_F(IdentityTest, KeyDirectlyFollowedByLineEnd) {
    EXPECT_EQ(ProductNameOf("DEVICE_NAME\nNEXT\n"), "");
    EXPECT_TRUE(log.HasFrom("cap_GetDevNameFromElecTag", kError, "pcBeginPoint > pcEndPoint"))
        << log.Dump();
}

TEST_F(IdentityTest, KeyAtTheVeryEndOfTheBlock) {
    std::string block(4096 - 18, '\0');
    block += "CUSTOM_DEVICE_NAME";
    EXPECT_EQ(ProductNameOf(block), "");
    EXPECT_TRUE(log.Has(kError, "Get item end position error.\n")) << log.Dump();
}

TEST_F(IdentityTest, LongValueIsCutTo63) {
    std::string value(70, 'v');
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=" + value + "\n"), value.substr(0, 63));
}

TEST_F(IdentityTest, TagOnEmmcWhenThePlatformSaysSo) {
    HOST_SetMemType(1);
    root.Write("/dev/mmcblk0p2", TagImage("DEVICE_NAME=EMMC\n", "checkcode=E1\n"));
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=NAND\n"), "EMMC");  // the NAND image is ignored
    char acCode[8];
    ASSERT_EQ(CAP_GetCheckCode(acCode, sizeof(acCode)), 0);
    EXPECT_STREQ(acCode, "E1");
}

TEST_F(IdentityTest, TagReadFailureLeavesTheProductNameEmpty) {
    HOST_SetMemReadFail(1);
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=XYZ\n"), "");
    EXPECT_TRUE(log.HasFrom("cap_GetDevNameFromElecTag", kError, "Read nand or emmc fail!\n"))
        << log.Dump();
    char acCode[8];
    EXPECT_EQ(CAP_GetCheckCode(acCode, sizeof(acCode)), -1);
    EXPECT_TRUE(log.HasFrom("CAP_GetCheckCode", kError, "Read nand or emmc fail!\n"));
    HOST_SetMemReadFail(0);
}

TEST_F(IdentityTest, ProductNameQuery) {
    ProductNameOf("DEVICE_NAME=ABCDEF\n");
    char acBuf[8];
    EXPECT_EQ(CAP_GetProductName(sizeof(acBuf), nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetProductName", kError, "CAP_GetProductName para is ptr null"));
    EXPECT_EQ(CAP_GetProductName(0, acBuf), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetProductName", kError, " para is out of range."));
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetProductName(4, acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 5), "ABC\0x"s);
    EXPECT_TRUE(log.Has(kWarn, "ABCDEF size = 6 is overflow of 4\n")) << log.Dump();
}

// ---- check code ------------------------------------------------------------

TEST_F(IdentityTest, CheckCodeFillsTheWholeBufferWithoutTerminator) {
    std::string code = "0123456789ABCDEF0123456789abcdef";
    WriteCheckBlock("checkcode=" + code + "\r\n");
    char acBuf[20];
    memset(acBuf, 'x', sizeof(acBuf));
    ASSERT_EQ(CAP_GetCheckCode(acBuf, 16), 0);
    EXPECT_EQ(std::string(acBuf, 17), code.substr(0, 16) + "x");
    char acBig[64];
    memset(acBig, 'x', sizeof(acBig));
    ASSERT_EQ(CAP_GetCheckCode(acBig, sizeof(acBig)), 0);
    EXPECT_EQ(std::string(acBig, 64), code + std::string(32, '\0'));
}

TEST_F(IdentityTest, CheckCodeIsReadAtEachCall) {
    WriteCheckBlock("checkcode=AAA\n");
    char acBuf[8];
    ASSERT_EQ(CAP_GetCheckCode(acBuf, sizeof(acBuf)), 0);
    EXPECT_STREQ(acBuf, "AAA");
    WriteCheckBlock("checkcode=BBB\n");
    ASSERT_EQ(CAP_GetCheckCode(acBuf, sizeof(acBuf)), 0);
    EXPECT_STREQ(acBuf, "BBB");
}

TEST_F(IdentityTest, CheckCodeFailures) {
    char acBuf[8];
    EXPECT_EQ(CAP_GetCheckCode(nullptr, 8), -2);
    EXPECT_EQ(CAP_GetCheckCode(acBuf, 0), -2);
    EXPECT_TRUE(log.Contains("Input param error, pcCheckCode:")) << log.Dump();
    EXPECT_TRUE(log.Contains(", iCheckCodeLen = 0.\n")) << log.Dump();

    WriteCheckBlock("other=1\n");
    EXPECT_EQ(CAP_GetCheckCode(acBuf, sizeof(acBuf)), -1);
    WriteCheckBlock("checkcode=\r\n");
    EXPECT_EQ(CAP_GetCheckCode(acBuf, sizeof(acBuf)), -1);
    EXPECT_EQ(log.Count(kError, "Find Check Code failed.\n"), 2) << log.Dump();

    WriteCheckBlock("checkcode=ABC");
    EXPECT_EQ(CAP_GetCheckCode(acBuf, sizeof(acBuf)), -1);
    EXPECT_TRUE(log.HasFrom("CAP_GetCheckCode", kError, "Get item end position error.\n"));
    WriteCheckBlock("checkcode\nABC\n");
    EXPECT_EQ(CAP_GetCheckCode(acBuf, sizeof(acBuf)), -1);
    EXPECT_TRUE(log.HasFrom("CAP_GetCheckCode", kError, "pcBeginPoint > pcEndPoint"));
}

TEST_F(IdentityTest, CheckCodeKeyCountsOnlyWhereAnItemStarts) {
    WriteCheckBlock("mycheckcode=BAD\ncheckcode=GOOD\n");
    char acBuf[8];
    ASSERT_EQ(CAP_GetCheckCode(acBuf, sizeof(acBuf)), 0);
    EXPECT_STREQ(acBuf, "GOOD");
}

TEST_F(IdentityTest, CheckCodeComesFromTheSecondBlock) {
    root.Write("/dev/mtd2", TagImage("checkcode=IDENT\n", "checkcode=CHECK\n"));
    char acBuf[8];
    ASSERT_EQ(CAP_GetCheckCode(acBuf, sizeof(acBuf)), 0);
    EXPECT_STREQ(acBuf, "CHECK");
}

// ---- serial number ---------------------------------------------------------

TEST_F(IdentityTest, SerialDefaultWhenTheFileIsMissing) {
    char acBuf[10];
    ASSERT_EQ(CAP_GetSerialNum(acBuf, sizeof(acBuf)), 0);
    EXPECT_STREQ(acBuf, "012345678");
    EXPECT_TRUE(log.HasFrom("cap_ReadSerialNum", kWarn,
                            "No serial number in rfid,use default serial number.\n"))
        << log.Dump();
    char acBig[32];
    memset(acBig, 'x', sizeof(acBig));
    ASSERT_EQ(CAP_GetSerialNum(acBig, sizeof(acBig)), 0);
    EXPECT_EQ(std::string(acBig, 32), "0123456789abcdefghij" + std::string(12, '\0'));
}

TEST_F(IdentityTest, SerialDefaultWhenTheFileIsEmpty) {
    root.Write("/tmp/sysinfo/sn", "");
    char acBuf[32];
    ASSERT_EQ(CAP_GetSerialNum(acBuf, sizeof(acBuf)), 0);
    EXPECT_STREQ(acBuf, "0123456789abcdefghij");
    EXPECT_TRUE(log.Has(kWarn, "read serial number failed,use default serial number.\n"));
}

TEST_F(IdentityTest, SerialTooLongForTheBufferIsCutAndFails) {
    root.Write("/tmp/sysinfo/sn", "SN0123456789");
    char acBuf[12];
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetSerialNum(acBuf, 10), -1);
    EXPECT_EQ(std::string(acBuf, 11), "SN0123456\0x"s);
    auto e = log.Entries();
    ASSERT_EQ(e.size(), 2u) << log.Dump();
    EXPECT_EQ(e[0].level, kWarn);
    EXPECT_EQ(e[0].text, "Buffer for serial number too short,part of sn number may be missed\n");
    EXPECT_EQ(e[1].level, kError);
    EXPECT_EQ(e[1].fn, "CAP_GetSerialNum");
    EXPECT_EQ(e[1].text, "get serial numer error!\n");
}

TEST_F(IdentityTest, SerialUsesAtMost32BytesOfTheFile) {
    std::string serial(40, 'S');
    serial[31] = 'E';
    root.Write("/tmp/sysinfo/sn", serial);
    char acBuf[64];
    memset(acBuf, 'x', sizeof(acBuf));
    ASSERT_EQ(CAP_GetSerialNum(acBuf, sizeof(acBuf)), 0);
    EXPECT_EQ(std::string(acBuf), serial.substr(0, 32));
    char acFit[33];
    ASSERT_EQ(CAP_GetSerialNum(acFit, sizeof(acFit)), 0);
    EXPECT_EQ(std::string(acFit), serial.substr(0, 32));
    EXPECT_EQ(CAP_GetSerialNum(acFit, 32), -1);
}

TEST_F(IdentityTest, SerialIsReadAtEachCallWithoutStartUp) {
    root.Write("/tmp/sysinfo/sn", "A1");
    char acBuf[8];
    ASSERT_EQ(CAP_GetSerialNum(acBuf, sizeof(acBuf)), 0);
    EXPECT_STREQ(acBuf, "A1");
    root.Write("/tmp/sysinfo/sn", "B2");
    ASSERT_EQ(CAP_GetSerialNum(acBuf, sizeof(acBuf)), 0);
    EXPECT_STREQ(acBuf, "B2");
}

TEST_F(IdentityTest, SerialQueryChecks) {
    EXPECT_EQ(CAP_GetSerialNum(nullptr, 8), -1);
    EXPECT_TRUE(log.HasFrom("CAP_GetSerialNum", kError, "stSerial empty!\n"));
    char acBuf[4];
    EXPECT_EQ(CAP_GetSerialNum(acBuf, 0), -1);
    EXPECT_TRUE(log.HasFrom("cap_ReadSerialNum", kError, "para out of range."));
    EXPECT_TRUE(log.HasFrom("CAP_GetSerialNum", kError, "get serial numer error!\n"));
}

}  // namespace

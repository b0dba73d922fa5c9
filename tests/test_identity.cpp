// Device identity: the device name and its parameter, the product name of the
// electronic tag, the serial number and the check code.
#include <functional>
#include <string>

#include "fixture.h"

using namespace devcap_test;
using namespace std::string_literals;

namespace {

// What a copy-out of this text to a buffer of n bytes leaves, with the 'x'
// after the buffer: the text cut to n-1, zero-filled up to n.
std::string Padded(const std::string &text, size_t n) {
    std::string s = text.substr(0, n - 1);
    s.resize(n, '\0');
    return s + "x";
}

class IdentityTest : public CapTest {
protected:
    // Start-up with this identity block in the tag; the product name it gives.
    std::string ProductNameOf(const std::string &identity) {
        product.tagIdentity = identity;
        EXPECT_EQ(Init(), 0) << log.Dump();
        char acName[64];
        EXPECT_EQ(CAP_GetProductName(sizeof(acName), acName), 0);
        return acName;
    }
    // The error messages one function emitted, one after the other.
    std::string ErrorsFrom(const std::string &fn) const {
        std::string texts;
        for (const auto &e : log.Entries()) texts += e.fn == fn && e.level == kError ? e.text : "";
        return texts;
    }
};

// ---- device name and parameter --------------------------------------------

TEST_F(IdentityTest, NameAndParameterFromTheFileOrTheHost) {
    const struct {
        std::string file;
        const char *pcOverride;  // the host names the device itself
        std::string name, param;
    } aCases[] = {
        {"MODEL1@LV", nullptr, "MODEL1@LV", "LV"},
        {"M@A@B", nullptr, "M@A@B", "A@B"},          // after the first '@'
        {"MODEL1\n", nullptr, "MODEL1\n", ""},       // a line feed is part of the name
        {std::string(70, 'N'), nullptr, std::string(63, 'N'), ""},  // the first 63 bytes
        {"MODEL1", "OTHER@P9", "OTHER@P9", "P9"},
    };
    for (const auto &c : aCases) {
        SCOPED_TRACE(c.name);
        CAP_SetDeviceNameOverride(c.pcOverride);
        product.devName = c.file;
        product.folder = "";
        Init();
        CAP_SetDeviceNameOverride(nullptr);
        EXPECT_EQ(g_pstBoardCap->acDevName, c.name);
        EXPECT_EQ(g_pstBoardCap->acDevParam, c.param);
        EXPECT_EQ(log.HasFrom("cap_GetDeviceParam", kDebug, "No device param exist. \n"), c.param.empty());
        EXPECT_FALSE(log.Contains("Buffer for device name too short")) << log.Dump();
    }
}

// The copy-out queries of texts: each checks the buffer and the size in its
// own order, with its own codes and messages; a text (the device name, its
// parameter and the board type included) is cut to size-1, terminated and
// zero-filled up to size; most warn of the cut.
TEST_F(IdentityTest, TextQueries) {
    product.devName = product.folder = "MODEL1@LV";
    product.tagIdentity = "DEVICE_NAME=ABCDEF\n";
    product.index = R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": ["fixed", "3.6mm"]}]})";
    ASSERT_EQ(Init(), 0);
    const struct {
        const char *pcFn;
        std::function<int(int, char *)> query;
        std::string value;
        bool bSizeFirst, bSigned, bWarns;  // size checked first; a signed size; a cut warns
        int iNullRet, iSizeRet;
        const char *pcNullMsg, *pcSizeMsg;
    } aQueries[] = {
        {"CAP_GetDeviceName", CAP_GetDeviceName, "MODEL1@LV", false, true, false, -2, -4, "Input param error.\n",
         "para out of range."},
        {"CAP_GetDeviceParam", CAP_GetDeviceParam, "LV", false, true, false, -2, -4, "Input param error.\n",
         "para out of range."},
        {"CAP_GetProductName", CAP_GetProductName, "ABCDEF", false, false, true, -2, -2,
         "CAP_GetProductName para is ptr null", " para is out of range."},
        {"CAP_GetProductFolder", CAP_GetProductFolder, "MODEL1@LV", false, false, true, -2, -4,
         "CAP_GetProductName para is ptr null", "para out of range."},
        {"CAP_GetBoardType", CAP_GetBoardType, "B1", true, true, true, -1, -4, "Invalid input param.\n",
         "para out of range."},
        {"CAP_GetConfigIspFolder", [](int n, char *p) { return CAP_GetConfigIspFolder(0, n, p); },
         "imx327-fixed-3.6mm", false, false, true, -2, -4, " para is null!\n", "para out of range."},
    };
    for (const auto &q : aQueries) {
        SCOPED_TRACE(q.pcFn);
        log.Clear();
        EXPECT_EQ(q.query(8, nullptr), q.iNullRet);
        EXPECT_EQ(q.query(0, nullptr), q.bSizeFirst ? q.iSizeRet : q.iNullRet);
        EXPECT_EQ(CopyOut(0, q.query), std::pair(q.iSizeRet, "x"s));
        EXPECT_EQ(CopyOut(q.bSigned ? -1 : 0, q.query), std::pair(q.iSizeRet, "x"s));
        EXPECT_TRUE(log.HasFrom(q.pcFn, kError, q.pcNullMsg));
        EXPECT_TRUE(log.HasFrom(q.pcFn, kError, q.pcSizeMsg));
        for (size_t n : {size_t{2}, size_t{4}, q.value.size() + 3}) {
            EXPECT_EQ(CopyOut(static_cast<int>(n), q.query), std::pair(0, Padded(q.value, n))) << n;
            const std::string warning = q.value + " size = " + std::to_string(q.value.size()) + " is overflow of " +
                                        std::to_string(n) + "\n";
            EXPECT_EQ(log.Has(kWarn, warning), q.bWarns && q.value.size() >= n) << log.Dump();
        }
    }
}

// ---- product name from the tag --------------------------------------------

// The custom name, else the internal model, else the device name (prefix and
// '@' part removed). A key counts only where an item starts: "DEVICE_NAME"
// does not match inside "CUSTOM_DEVICE_NAME".
TEST_F(IdentityTest, ProductNameRules) {
    const std::string kValue70(70, 'v');
    const struct {
        std::string block, name;
        const char *pcError;  // of cap_GetDevNameFromElecTag, or none at all
    } aCases[] = {
        {"DEVICE_NAME=KORVANTELIS-ABC123@X1\r\nCUSTOM_DEVICE_NAME=NONE\r\nINTERNAL_MODEL=\r\n", "ABC123", nullptr},
        {"CUSTOM_DEVICE_NAME=NONE\r\nDEVICE_NAME=KORVANTELIS-ABC123@X1\r\nINTERNAL_MODEL=\r\n", "ABC123", nullptr},
        {"CUSTOM_DEVICE_NAME=none\nDEVICE_NAME=XYZ\n", "XYZ", nullptr},
        {"CUSTOM_DEVICE_NAME=None\n", "", "Find Device Name failed.\n"},
        {"DEVICE_NAME=XYZ\nCUSTOM_DEVICE_NAME=MyCam\n", "MyCam", nullptr},
        {"DEVICE_NAME=XYZ\nINTERNAL_MODEL=IM-7\nCUSTOM_DEVICE_NAME=\n", "IM-7", nullptr},
        {"X_DEVICE_NAME=BAD\nDEVICE_NAME=GOOD\n", "GOOD", nullptr},
        {"\0\0\0DEVICE_NAME=Z1\n"s, "Z1", nullptr},  // an item may follow a zero byte
        {"DEVICE_NAME=ABC\r\n", "ABC", nullptr},
        {"DEVICE_NAME=ABC\n", "ABC", nullptr},
        {"DEVICE_NAME=AB\nC\r\n", "AB", nullptr},  // the first line end counts
        {"DEVICE_NAME=\n", "", nullptr},
        {"DEVICE_NAME=" + kValue70 + "\n", kValue70.substr(0, 63), nullptr},
        {"DEVICE_NAME=ABC", "", "Get item end position error.\n"},
        {"DEVICE_NAME=ABC\0\n"s, "", "Get item end position error.\n"},  // not past a zero byte
        {std::string(4096 - 18, '\0') + "CUSTOM_DEVICE_NAME", "", "Get item end position error.\n"},
        {"DEVICE_NAME\nNEXT\n", "", "pcBeginPoint > pcEndPoint"},
    };
    for (const auto &c : aCases) {
        SCOPED_TRACE(c.block.substr(0, 40));
        EXPECT_EQ(ProductNameOf(c.block), c.name);
        EXPECT_EQ(ErrorsFrom("cap_GetDevNameFromElecTag"), c.pcError ? c.pcError : "") << log.Dump();
    }
}

// The tag is on eMMC when the platform says so, else on NAND; a failed read
// leaves the product name empty and fails the check code.
TEST_F(IdentityTest, TagStorage) {
    HOST_SetMemType(1);
    root.Write("/dev/mmcblk0p2", TagImage("DEVICE_NAME=EMMC\n", "checkcode=E1\n"));
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=NAND\n"), "EMMC");
    EXPECT_EQ(CopyOut(3, CAP_GetCheckCode), std::pair(0, "E1\0x"s));
    HOST_SetMemType(0);
    HOST_SetMemReadFail(1);
    EXPECT_EQ(ProductNameOf("DEVICE_NAME=NAND\n"), "");
    EXPECT_TRUE(log.HasFrom("cap_GetDevNameFromElecTag", kError, "Read nand or emmc fail!\n"));
    EXPECT_EQ(CopyOut(3, CAP_GetCheckCode).first, -1);
    EXPECT_TRUE(log.HasFrom("CAP_GetCheckCode", kError, "Read nand or emmc fail!\n"));
}

// ---- check code ------------------------------------------------------------

// From the second block, read at each call, the key only where an item
// starts; a code of the buffer's size or more fills it without a terminator.
TEST_F(IdentityTest, CheckCode) {
    std::string code = "0123456789ABCDEF0123456789abcdef";
    root.Write("/dev/mtd2", TagImage("", "checkcode=" + code + "\r\n"));
    EXPECT_EQ(CopyOut(16, CAP_GetCheckCode), std::pair(0, code.substr(0, 16) + "x"));
    EXPECT_EQ(CopyOut(64, CAP_GetCheckCode), std::pair(0, code + std::string(32, '\0') + "x"));

    const struct {
        std::string block;
        int iRet;
        const char *pcResult;  // the code, or the error message
    } aCases[] = {
        {"checkcode=CHECK\n", 0, "CHECK"},
        {"mycheckcode=BAD\ncheckcode=GOOD\n", 0, "GOOD"},
        {"other=1\n", -1, "Find Check Code failed.\n"},
        {"checkcode=\r\n", -1, "Find Check Code failed.\n"},
        {"checkcode=ABC", -1, "Get item end position error.\n"},
        {"checkcode\nABC\n", -1, "pcBeginPoint > pcEndPoint"},
    };
    for (const auto &c : aCases) {
        SCOPED_TRACE(c.block);
        root.Write("/dev/mtd2", TagImage("checkcode=IDENT\n", c.block));
        log.Clear();
        char acBuf[8] = {0};
        EXPECT_EQ(CAP_GetCheckCode(acBuf, sizeof(acBuf)), c.iRet);
        if (c.iRet == 0)
            EXPECT_STREQ(acBuf, c.pcResult);
        else
            EXPECT_TRUE(log.HasFrom("CAP_GetCheckCode", kError, c.pcResult)) << log.Dump();
    }
    char acBuf[8];
    EXPECT_EQ(CAP_GetCheckCode(nullptr, 8), -2);
    EXPECT_EQ(CAP_GetCheckCode(acBuf, 0), -2);
    EXPECT_TRUE(log.Contains("Input param error, pcCheckCode:"));
    EXPECT_TRUE(log.Contains(", iCheckCodeLen = 0.\n"));
}

// ---- serial number ---------------------------------------------------------

TEST_F(IdentityTest, SerialDefaultCutToTheBufferAndZeroFilled) {
    EXPECT_EQ(CopyOut(10, CAP_GetSerialNum), std::pair(0, "012345678\0x"s));
    EXPECT_TRUE(log.HasFrom("cap_ReadSerialNum", kWarn, "No serial number in rfid,use default serial number.\n"));
    root.Write("/tmp/sysinfo/sn", "");
    EXPECT_EQ(CopyOut(32, CAP_GetSerialNum), std::pair(0, "0123456789abcdefghij" + std::string(12, '\0') + "x"));
    EXPECT_TRUE(log.Has(kWarn, "read serial number failed,use default serial number.\n"));
}

// Read at each call, without start-up; at most 32 bytes of the file count.
TEST_F(IdentityTest, SerialFromTheFile) {
    std::string serial(40, 'S');
    serial[31] = 'E';
    root.Write("/tmp/sysinfo/sn", serial);
    EXPECT_EQ(CopyOut(33, CAP_GetSerialNum), std::pair(0, serial.substr(0, 32) + "\0x"s));
    EXPECT_EQ(CopyOut(32, CAP_GetSerialNum).first, -1);
    root.Write("/tmp/sysinfo/sn", "SN0123456789");
    EXPECT_EQ(CopyOut(10, CAP_GetSerialNum), std::pair(-1, "SN0123456\0x"s));
    EXPECT_TRUE(log.HasFrom("cap_ReadSerialNum", kWarn,
                            "Buffer for serial number too short,part of sn number may be missed\n"));
    EXPECT_TRUE(log.HasFrom("CAP_GetSerialNum", kError, "get serial numer error!\n"));
    EXPECT_EQ(CAP_GetSerialNum(nullptr, 8), -1);
    EXPECT_TRUE(log.HasFrom("CAP_GetSerialNum", kError, "stSerial empty!\n"));
    EXPECT_EQ(CopyOut(0, CAP_GetSerialNum), std::pair(-1, "x"s));
    EXPECT_TRUE(log.HasFrom("cap_ReadSerialNum", kError, "para out of range."));
    EXPECT_TRUE(log.HasFrom("CAP_GetSerialNum", kError, "get serial numer error!\n"));
}

}  // namespace

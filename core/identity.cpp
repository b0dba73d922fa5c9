// Who the device is: the device name and its parameter, the product name and
// check code of the electronic tag, the serial number, and their queries.
#include <stdint.h>
#include <string.h>
#include <unistd.h>

#include "core/core.h"
#include "platform/log.h"
#include "platform/sysfile.h"
#include "platform/text.h"

namespace {

constexpr char kDevNameFile[] = "/tmp/sysinfo/dev_name";
constexpr char kSerialFile[] = "/tmp/sysinfo/sn";
constexpr char kDefaultSerial[] = "0123456789abcdefghij";

// The tag: an identity block at 0 and a check-code block at 4096. A block is
// read with one byte more, which is then cleared, so the block is a string.
constexpr unsigned int kTagBlock = 4096;
constexpr unsigned int kIdentityOffset = 0;
constexpr unsigned int kCheckCodeOffset = 4096;
constexpr char kKorvantelis[] = "KORVANTELIS";

int ReadTagBlock(cap::Site site, unsigned int uiOffset, char (&acBlock)[kTagBlock + 1]) {
    memset(acBlock, 0, sizeof(acBlock));
    if (SYS_MEM_Read(cap_GetCapDev(), uiOffset, sizeof(acBlock), acBlock) != 0) {
        CAP_LOG_AT(site, cap::kLogError, "Read nand or emmc fail!\n");
        return -1;
    }
    acBlock[kTagBlock] = '\0';
    return 0;
}

// The first place where an item of this key starts: the start of the block,
// right after a zero byte or right after a line feed. A key inside another
// key ("DEVICE_NAME" in "CUSTOM_DEVICE_NAME") is no item of it.
// The zeros between runs of text, most of a block, are passed over a word at
// a time: a key that is absent costs a pass over the text, not over every byte.
const char *FindTagKey(const char (&acBlock)[kTagBlock + 1], const char *pcKey) {
    size_t ulKeyLen = strlen(pcKey);
    const char *pcEnd = acBlock + kTagBlock;
    const char *pc = acBlock;
    while (pc < pcEnd) {
        if (*pc == '\0') {
            uint64_t ulWord;
            while (pcEnd - pc >= 8 && (memcpy(&ulWord, pc, 8), ulWord == 0)) pc += 8;
            while (pc < pcEnd && *pc == '\0') ++pc;
            continue;
        }
        // pc begins a run (the block ends in a zero byte, so every run ends
        // in one); an item starts there and after each line feed within it.
        for (;;) {
            if (strncmp(pc, pcKey, ulKeyLen) == 0) return pc;
            const char *pcLf = strchr(pc, '\n');
            if (pcLf == nullptr) {
                pc += strlen(pc);
                break;
            }
            pc = pcLf + 1;
            if (*pc == '\0') break;
        }
    }
    return nullptr;
}

// One item of a tag block: where its value begins and the line ends found
// from the key onward (each null when absent). The item and its line end lie
// within one run of text.
struct TagItem {
    const char *pcBegin;  // null when the run ends at the key or its separator
    const char *pcCrLf;
    const char *pcLf;
};

TagItem ReadTagItem(const char *pcKey, size_t ulKeyLen) {
    TagItem stItem{};
    // Key, one separator character, then the value; a run that ends before
    // the separator has no value (and no line end either).
    if (pcKey[ulKeyLen] != '\0') stItem.pcBegin = pcKey + ulKeyLen + 1;
    stItem.pcCrLf = strstr(pcKey, "\r\n");
    stItem.pcLf = strchr(pcKey, '\n');
    return stItem;
}

// A value is empty when it begins right at a line end.
bool IsEmptyValue(const TagItem &stItem) {
    return stItem.pcBegin != nullptr &&
           (stItem.pcBegin == stItem.pcCrLf || stItem.pcBegin == stItem.pcLf);
}

// A name that is empty or says "NONE", "None" or "none" is no name.
bool IsRejectedName(const TagItem &stItem) {
    if (IsEmptyValue(stItem)) return true;
    if (stItem.pcBegin == nullptr) return false;
    return strncmp(stItem.pcBegin, "NONE", 4) == 0 || strncmp(stItem.pcBegin, "None", 4) == 0 ||
           strncmp(stItem.pcBegin, "none", 4) == 0;
}

// The value of a chosen item up to its line end (or pcStop when that comes
// first), at most ulMax characters of it, to the caller's buffer of ulSize
// bytes, zero-filled; or -1 with its message.
int CopyTagValue(cap::Site site, const TagItem &stItem, const char *pcStop, char *pcOut,
                 size_t ulSize, size_t ulMax) {
    const char *pcEnd = stItem.pcCrLf;
    if (pcEnd == nullptr || (stItem.pcLf != nullptr && stItem.pcLf < pcEnd)) pcEnd = stItem.pcLf;
    if (pcEnd == nullptr) {
        CAP_LOG_AT(site, cap::kLogError, "Get item end position error.\n");
        return -1;
    }
    if (pcStop != nullptr && pcStop < pcEnd) pcEnd = pcStop;
    if (stItem.pcBegin == nullptr || stItem.pcBegin > pcEnd) {
        CAP_LOG_AT(site, cap::kLogError, "pcBeginPoint > pcEndPoint");
        return -1;
    }
    size_t ulLen = static_cast<size_t>(pcEnd - stItem.pcBegin);
    if (ulLen > ulMax) ulLen = ulMax;
    memset(pcOut, 0, ulSize);
    memcpy(pcOut, stItem.pcBegin, ulLen);
    return 0;
}

// The checks the identity readers make of their caller's buffer, in this
// order: a null buffer -2 with NullMsg, a size below 1 -4.
template <cap::LogText NullMsg>
int CheckOutBuffer(cap::Site site, const char *pcBuf, int iSize) {
    if (pcBuf == nullptr) {
        CAP_LOG_AT(site, cap::kLogError, NullMsg);
        return -2;
    }
    if (iSize <= 0) {
        CAP_LOG_AT(site, cap::kLogError, "para out of range.");
        return -4;
    }
    return 0;
}

// Read a small file of the device into acBuf, which stays terminated (see
// cap::ReadSmallFile: during start-up the device name is read once).
using cap::kNoFile;

template <size_t N>
long ReadSmallFile(const char *pcPath, char (&acBuf)[N]) {
    return cap::ReadSmallFile(pcPath, acBuf, N);
}

// The ulRead characters read to a caller's buffer of ulSize (>= 1) bytes,
// terminated; when they do not all fit, the first ulSize-1 and false.
bool CopyRead(char *pcDst, size_t ulSize, const char *pcSrc, size_t ulRead) {
    const bool bFits = ulRead < ulSize;
    cap::CopyText(pcDst, pcSrc, bFits ? ulRead : ulSize - 1);
    return bFits;
}

}  // namespace

int cap_GetDeviceName(int iSize, char *pcDevName) {
    int iRet = CheckOutBuffer<"para is null!\n">(CAP_HERE, pcDevName, iSize);
    if (iRet != 0) return iRet;
    char acName[CAP_NAME_LEN] = {0};
    long lRead = 0;
    const char *pcOverride = cap::DeviceNameOverride();
    if (pcOverride != nullptr) {
        // The host named the device itself: that is the file's content.
        strncpy(acName, pcOverride, sizeof(acName) - 1);
        lRead = static_cast<long>(strlen(acName));
    } else {
        lRead = ReadSmallFile(kDevNameFile, acName);
        if (lRead == kNoFile) {
            CAP_LOG(cap::kLogError, "No device name in rfid\n");
            return -1;
        }
    }
    if (lRead <= 0) {
        CAP_LOG(cap::kLogError, "Read dev_name failed\n");
        return -1;
    }
    if (!CopyRead(pcDevName, static_cast<size_t>(iSize), acName, static_cast<size_t>(lRead))) {
        CAP_LOG(cap::kLogError, "Buffer for device name too short, part of it may be missed\n");
        return -1;
    }
    return 0;
}

int cap_GetDeviceParam(int iSize, char *pcDevParam) {
    int iRet = CheckOutBuffer<"para is null!\n">(CAP_HERE, pcDevParam, iSize);
    if (iRet != 0) return iRet;
    char acName[CAP_NAME_LEN] = {0};
    if (cap_GetDeviceName(sizeof(acName), acName) != 0) {
        CAP_LOG(cap::kLogError, "Read device name failed. \n");
        return -1;
    }
    const char *pcAt = strchr(acName, '@');
    if (pcAt == nullptr) {
        CAP_LOG(cap::kLogDebug, "No device param exist. \n");
        return 0;
    }
    cap::CopyOutText(pcDevParam, static_cast<size_t>(iSize), pcAt + 1);
    return 0;
}

const char *cap_GetCapDev(void) { return SYS_MEM_GetType() == 0 ? "/dev/mtd2" : "/dev/mmcblk0p2"; }

int cap_GetDevNameFromElecTag(int iSize, char *pcDevName) {
    if (pcDevName == nullptr || iSize <= 0) {
        CAP_LOG(cap::kLogError, "Input param error, pcDevName:%p.\n", static_cast<void *>(pcDevName));
        return -1;
    }
    char acBlock[kTagBlock + 1];
    if (ReadTagBlock(CAP_HERE, kIdentityOffset, acBlock) != 0) return -1;

    // The custom name, else the internal model, else the device name.
    const char *pcCustom = FindTagKey(acBlock, "CUSTOM_DEVICE_NAME");
    const char *pcInternal = FindTagKey(acBlock, "INTERNAL_MODEL");
    const char *pcDevice = FindTagKey(acBlock, "DEVICE_NAME");
    TagItem stItem{};
    const char *pcStop = nullptr;
    bool bChosen = false;
    if (pcCustom != nullptr) {
        stItem = ReadTagItem(pcCustom, strlen("CUSTOM_DEVICE_NAME"));
        bChosen = !IsRejectedName(stItem);
    }
    if (!bChosen && pcInternal != nullptr) {
        stItem = ReadTagItem(pcInternal, strlen("INTERNAL_MODEL"));
        bChosen = !IsRejectedName(stItem);
    }
    if (!bChosen && pcDevice != nullptr) {
        stItem = ReadTagItem(pcDevice, strlen("DEVICE_NAME"));
        // A name the maker prefixed: the prefix and its separator go.
        if (stItem.pcBegin != nullptr &&
            strncmp(stItem.pcBegin, kKorvantelis, sizeof(kKorvantelis) - 1) == 0 &&
            stItem.pcBegin[sizeof(kKorvantelis) - 1] != '\0')
            stItem.pcBegin += sizeof(kKorvantelis);
        // The device name's '@' part is no part of the product name.
        pcStop = strchr(pcDevice, '@');
        bChosen = true;
    }
    if (!bChosen) {
        CAP_LOG(cap::kLogError, "Find Device Name failed.\n");
        return -1;
    }
    return CopyTagValue(CAP_HERE, stItem, pcStop, pcDevName, static_cast<size_t>(iSize),
                        static_cast<size_t>(iSize) - 1);
}

int cap_ReadSerialNum(char *pcSerial, unsigned short usSize) {
    const int iRet = CheckOutBuffer<"null ptr.">(CAP_HERE, pcSerial, usSize);
    if (iRet != 0) return iRet;
    // One byte more than is read keeps the number terminated.
    char acSerial[33] = {0};
    const long lRead = ReadSmallFile(kSerialFile, acSerial);
    if (lRead <= 0) {
        if (lRead == kNoFile)
            CAP_LOG(cap::kLogWarn, "No serial number in rfid,use default serial number.\n");
        else
            CAP_LOG(cap::kLogWarn, "read serial number failed,use default serial number.\n");
        // The default number, cut to the buffer and zero-filled up to its end.
        CopyRead(pcSerial, usSize, kDefaultSerial, usSize - 1u);
        return 0;
    }
    if (!CopyRead(pcSerial, usSize, acSerial, static_cast<size_t>(lRead))) {
        CAP_LOG(cap::kLogWarn, "Buffer for serial number too short,part of sn number may be missed\n");
        return -1;
    }
    return 0;
}

extern "C" DEVCAP_API int CAP_GetProductName(unsigned short usSize, char *pcDevName) {
    if (pcDevName == nullptr) {
        CAP_LOG(cap::kLogError, "CAP_GetProductName para is ptr null");
        return -2;
    }
    if (usSize == 0) {
        CAP_LOG(cap::kLogError, " para is out of range.");
        return -2;
    }
    cap::CopyOutText(pcDevName, usSize, g_pstBoardCap->acProductName);
    return 0;
}

namespace {

// A stored identity text to the caller: at most size-1 characters,
// zero-filled after a shorter text, terminated at size-1.
template <cap::LogText NullMsg>
int IdentityOut(cap::Site site, const char *pcText, int iSize, char *pcBuf) {
    if (pcBuf == nullptr) {
        CAP_LOG_AT(site, cap::kLogError, NullMsg);
        return -2;
    }
    if (iSize < 1) {
        CAP_LOG_AT(site, cap::kLogError, "para out of range.");
        return -4;
    }
    cap::CopyText(pcBuf, pcText, static_cast<size_t>(iSize) - 1);
    return 0;
}

}  // namespace

extern "C" DEVCAP_API int CAP_GetDeviceName(int iSize, char *pcDevName) {
    return IdentityOut<"Input param error.\n">(CAP_HERE, g_pstBoardCap->acDevName, iSize, pcDevName);
}

extern "C" DEVCAP_API int CAP_GetDeviceParam(int iSize, char *pcDevParam) {
    return IdentityOut<"Input param error.\n">(CAP_HERE, g_pstBoardCap->acDevParam, iSize,
                                               pcDevParam);
}

extern "C" DEVCAP_API int CAP_GetSerialNum(char *pcSerial, unsigned short usSize) {
    if (pcSerial == nullptr) {
        CAP_LOG(cap::kLogError, "stSerial empty!\n");
        return -1;
    }
    if (cap_ReadSerialNum(pcSerial, usSize) != 0) {
        CAP_LOG(cap::kLogError, "get serial numer error!\n");
        return -1;
    }
    return 0;
}

extern "C" DEVCAP_API int CAP_GetCheckCode(char *pcCheckCode, int iCheckCodeLen) {
    if (pcCheckCode == nullptr || iCheckCodeLen <= 0) {
        CAP_LOG(cap::kLogError, "Input param error, pcCheckCode:%p, iCheckCodeLen = %d.\n",
                static_cast<void *>(pcCheckCode), iCheckCodeLen);
        return -2;
    }
    char acBlock[kTagBlock + 1];
    if (ReadTagBlock(CAP_HERE, kCheckCodeOffset, acBlock) != 0) return -1;
    const char *pcKey = FindTagKey(acBlock, "checkcode");
    TagItem stItem{};
    if (pcKey != nullptr) stItem = ReadTagItem(pcKey, strlen("checkcode"));
    if (pcKey == nullptr || IsEmptyValue(stItem)) {
        CAP_LOG(cap::kLogError, "Find Check Code failed.\n");
        return -1;
    }
    // A code of the buffer's size or more fills it without a terminator.
    return CopyTagValue(CAP_HERE, stItem, nullptr, pcCheckCode, static_cast<size_t>(iCheckCodeLen),
                        static_cast<size_t>(iCheckCodeLen));
}

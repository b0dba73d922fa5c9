// Start-up: the record and its pointers, the device name decision and the
// order of the stages with the message of the first that fails.
#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "fixture.h"

using namespace devcap_test;

namespace {

struct Msg {
    const char *fn;
    int level;
    const char *text;
};

class StartupTest : public CapTest {
protected:
    // Start-up on a product of its own root (files of earlier runs gone).
    int InitFresh(const Product &p, const std::function<void(const TempRoot &)> &extra = nullptr) {
        fresh.reset();  // its end unsets the root
        fresh = std::make_unique<TempRoot>();
        WriteProduct(*fresh, p);
        if (extra) extra(*fresh);
        log.Clear();
        return CAP_CapInit();
    }
    std::string LastError() const {
        std::string text;
        for (const auto &e : log.Entries()) text = e.level == kError ? e.text : text;
        return text;
    }
    // The messages occur in this order (others may come between them).
    bool InOrder(const std::vector<Msg> &msgs) const {
        size_t i = 0;
        for (const auto &e : log.Entries())
            i += i < msgs.size() && e.fn == msgs[i].fn && e.level == msgs[i].level && e.text == msgs[i].text;
        return i == msgs.size();
    }
    std::unique_ptr<TempRoot> fresh;
};

// Descriptors the process has open.
size_t OpenDescriptors() {
    size_t n = 0;
    for ([[maybe_unused]] const auto &e : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

TEST_F(StartupTest, DefaultProductStartsAndSetsThePointers) {
    product.tagIdentity = "DEVICE_NAME=P1\n";
    ASSERT_EQ(Init(), 0);
    EXPECT_EQ(g_pstDevCap, &g_stDevCap);
    EXPECT_EQ(static_cast<void *>(g_pstCapFiles), static_cast<void *>(g_pstDevCap));
    EXPECT_EQ(reinterpret_cast<char *>(g_pstBoardCap), reinterpret_cast<char *>(g_pstDevCap) + 660);
    EXPECT_EQ(g_pstSensorCap, &g_stDevCap.stSensorCap);
    EXPECT_EQ(g_pstLensCap, &g_stDevCap.stLensCap);
    EXPECT_EQ(g_pstPatchCap, &g_stDevCap.stPatchCap);
    EXPECT_STREQ(g_pstBoardCap->acDevName, "MODEL1");
    EXPECT_STREQ(g_pstBoardCap->acBoardType, "B1");
    EXPECT_STREQ(g_pstBoardCap->acProductName, "P1");
    EXPECT_EQ(LastError(), "");
}

TEST_F(StartupTest, SecondCallStartsFromAClearedRecord) {
    product.index = R"({"version": 7, "board": "B1", "ISP_INFO": [
        {"sensor": "imx327", "lens": "fixed"}, {"sensor": "imx327", "lens": "fixed"}]})";
    ASSERT_EQ(Init(), 0);
    g_pstBoardCap->acBoardReserved[0] = 'x';
    product.index = R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}]})";
    ASSERT_EQ(Init(), 0);
    EXPECT_EQ(CAP_GetSensorNum(), 1);
    EXPECT_EQ(CAP_GetIndexCapVersion(), 0);
    EXPECT_STREQ(g_pstCapFiles->aacSensorPath[1], "");
    EXPECT_EQ(g_pstBoardCap->acBoardReserved[0], 0);
}

// Who the device is, by equipment mode (asked once per start-up; only 1
// means it), the dev_name file and the default product folder.
TEST_F(StartupTest, DeviceNameDecision) {
    const Msg kEquipment = {"CAP_CapInit", kInfo, "Equipment Mode."};
    const Msg kDefault = {"CAP_CapInit", kInfo, "cap_GetDeviceName return value error.use DEFAULT type\n"};
    const struct {
        int iMode;
        const char *pcFile;  // null: no dev_name file
        const char *pcFolder;
        bool bDefaultDir;  // "/usr/bin/IPC-DEFAULT" exists besides the folder
        int iRet;
        const char *pcName, *pcProduct, *pcParam;
        std::vector<Msg> msgs;
        const char *pcAbsent;
    } aCases[] = {
        {0, nullptr, "IPC-DEFAULT", false, 0, "IPC-DEFAULT", "XYZ", "",
         {{"cap_GetDeviceName", kError, "No device name in rfid\n"}, kDefault}, "Equipment Mode."},
        {0, "", "IPC-DEFAULT", false, 0, "IPC-DEFAULT", "XYZ", "",
         {{"cap_GetDeviceName", kError, "Read dev_name failed\n"}, kDefault}, "Equipment Mode."},
        // A factory image: the default folder is the device; file and tag unread.
        {1, "MODEL1@LV", "IPC-DEFAULT", false, 0, "IPC-DEFAULT", "", "", {kEquipment}, "No device name"},
        {1, "MODEL1@LV", "MODEL1@LV", false, 0, "MODEL1@LV", "XYZ", "LV", {kEquipment}, "equipment mode without"},
        {1, nullptr, "MODEL1", false, -1, "", "XYZ", "",
         {kEquipment, {"CAP_CapInit", kError, "equipment mode without IPC-DEFAULT and rfid.\n"},
          {"CAP_CapInit", kError, "Parse Hardware index fail!\n"}},
         "use DEFAULT type"},
        {2, "MODEL1", "MODEL1", true, 0, "MODEL1", "XYZ", "", {}, "Equipment Mode."},
    };
    for (const auto &c : aCases) {
        SCOPED_TRACE(std::string("mode ") + std::to_string(c.iMode) + " folder " + c.pcFolder);
        HOST_SetEquipmentMode(c.iMode);
        Product p = product;
        p.tagIdentity = "DEVICE_NAME=XYZ\n";
        p.devName = c.pcFile ? c.pcFile : "";
        p.folder = c.pcFolder;
        unsigned long ulCalls = HOST_GetEquipmentModeCalls();
        EXPECT_EQ(InitFresh(p, [&](const TempRoot &r) {
                      if (c.pcFile != nullptr && *c.pcFile == '\0') r.Write("/tmp/sysinfo/dev_name", "");
                      if (c.bDefaultDir) r.Mkdir("/usr/bin/IPC-DEFAULT");
                  }),
                  c.iRet);
        EXPECT_EQ(HOST_GetEquipmentModeCalls() - ulCalls, 1u);
        EXPECT_STREQ(g_pstBoardCap->acDevName, c.pcName);
        EXPECT_STREQ(g_pstBoardCap->acProductName, c.pcProduct);
        EXPECT_STREQ(g_pstBoardCap->acDevParam, c.pcParam);
        EXPECT_TRUE(InOrder(c.msgs) && !log.Contains(c.pcAbsent)) << log.Dump();
    }
}

// The stages run in order; the first that fails ends start-up with its code
// and message, and nothing after it runs: the sensor mode (stage 4), the
// field of view (stage 5) and the patch's LED count (stage 6) stay unset,
// and the paths of stage 2 are set up to the one that failed.
TEST_F(StartupTest, FirstFailingStageEndsStartUp) {
    const char *apcStageError[] = {
        "", "Parse Hardware index fail!\n", "Get capa files path fail!\n", "CAP_BoardCapInit return value error.\n",
        "CAP_SensorInitAll return value error.\n", "CAP_LensCapInit return value error.\n",
        "CAP_PatchCapInit return value error.\n"};
    const char *kFiles = "cap_GetCapFilesPath", *kOne = "cap_GetOneCapFilesPath";
    const struct {
        std::function<void(Product &)> setup;
        int iStage, iRet;
        int iPathsSet;  // of board, sensor 0, lens 0, patch, in this order
        std::vector<Msg> msgs;
    } aCases[] = {
        {[](Product &p) { p.index = ""; }, 1, -1, 0,
         {{kOne, kError, "/usr/bin/MODEL1/hardwareindex.json PATH error!\n"},
          {"cap_ParseHardwareFromFile", kError, "Init hardwareindex Path Fail ! \n"},
          {"cap_ParseHardwareIndex", kError, "cap_GetHardwareJson fail!\n"}}},
        {[](Product &p) { p.index = "{ broken"; }, 1, -1, 0,
         {{"cap_ParseHardwareFromFile", kError, "patch Json is Null."},
          {"cap_ParseHardwareIndex", kError, "cap_GetHardwareJson fail!\n"}}},
        {[](Product &p) { p.index = R"(["not", "an", "object"])"; }, 1, -1, 0,
         {{"cap_ParseHardwareFromFile", kError, "patch Json is Null."}}},
        {[](Product &p) { p.index = R"({"ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}]})"; }, 2, -4, 0,
         {{kFiles, kError, "Init Board Path Fail ! \n"}}},
        {[](Product &p) { p.board = ""; }, 2, -1, 1,
         {{kOne, kError, "/usr/bin/hardware/board/B1/cap_board.json PATH error!\n"},
          {kFiles, kError, "Init Board Path Fail ! \n"}}},
        {[](Product &p) {
             p.index = R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}, {"lens": "fixed"}]})";
         },
         2, -4, 2,
         {{kOne, kError, " cap_GetOneCapFilesPath para is invalid!\n"},
          {kFiles, kError, "Init Sensor Path Fail ! \n"}}},
        {[](Product &p) { p.lenses.clear(); }, 2, -1, 3,
         {{kOne, kError, "/usr/bin/hardware/lens/fixed/cap_lens.json PATH error!\n"},
          {kFiles, kError, "Init Lens Path Fail ! \n"}}},
        {[](Product &p) { p.patch = ""; }, 2, -1, 4, {{kFiles, kError, "Init Patch Path Fail ! \n"}}},
        {[](Product &p) { p.board = "{ not json"; }, 3, -1, 4, {}},
        {[](Product &p) { p.sensors = {{"imx327", "nope"}}; }, 4, -1, 4, {}},
        {[](Product &p) { p.lenses = {{"fixed", "nope"}}; }, 5, -1, 4, {}},
        {[](Product &p) { p.patch = "nope"; }, 6, -1, 4, {}},
    };
    for (const auto &c : aCases) {
        SCOPED_TRACE(&c - aCases);
        Product p = product;
        p.patch = R"({"LedInfo": {"LedNum": 2}})";
        c.setup(p);
        // Files found to exist are held open for their parsers; whatever a
        // failed stage left unread is closed when start-up returns.
        const size_t ulFds = OpenDescriptors();
        EXPECT_EQ(InitFresh(p), c.iRet);
        EXPECT_EQ(OpenDescriptors(), ulFds);
        EXPECT_EQ(LastError(), apcStageError[c.iStage]);
        EXPECT_TRUE(InOrder(c.msgs)) << log.Dump();
        const char *apcPaths[] = {g_pstCapFiles->acBoardPath, g_pstCapFiles->aacSensorPath[0],
                                  g_pstCapFiles->aacLensPath[0], g_pstCapFiles->acPatchPath};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(*apcPaths[i] != '\0', i < c.iPathsSet) << "path " << i;
        EXPECT_EQ(CAP_GetSensorType(0), c.iStage > 1 ? CAP_SENSOR_IMX327 : CAP_SENSOR_INVALID);
        EXPECT_EQ(CAP_GetSensorMode(0), c.iStage > 4 ? CAP_SENSOR_MODE_1080PL : CAP_SENSOR_MODE_INVALID);
        EXPECT_EQ(g_pstLensCap->adFovAngle[0], c.iStage > 5 ? 92.5 : 0.0);
        EXPECT_EQ(CAP_GetLedNum(), 0);
    }
}

// Each file is opened once: the device name serves the name and its
// parameter, and a file found to exist is parsed from the same opening. Two
// channels naming one sensor and one lens each read that file (inotify folds
// their like events together, so those files are not counted).
TEST_F(StartupTest, OpensEachFileOnce) {
    Product p = product;
    p.devName = p.folder = "MODEL1@LV";
    p.index = R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"},
                                             {"sensor": "imx327", "lens": "fixed"}]})";
    fresh = std::make_unique<TempRoot>();
    WriteProduct(*fresh, p);
    const std::map<std::string, int> files = {
        {"/tmp/sysinfo/dev_name", 1},
        {"/usr/bin/MODEL1@LV/hardwareindex.json", 1},
        {"/usr/bin/hardware/board/B1/cap_board.json", 1},
        {"/usr/bin/MODEL1@LV/cap_patch.json", 1},
    };
    const int iNotify = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(iNotify, 0);
    std::map<int, std::string> watched;
    for (const auto &[path, n] : files)
        watched[inotify_add_watch(iNotify, fresh->HostPath(path).c_str(), IN_OPEN | IN_CLOSE)] = path;
    const size_t ulFds = OpenDescriptors();

    ASSERT_EQ(CAP_CapInit(), 0) << log.Dump();

    std::map<std::string, int> opened, closed;
    alignas(inotify_event) char acEvents[8192];
    for (ssize_t n; (n = read(iNotify, acEvents, sizeof(acEvents))) > 0;) {
        for (char *pc = acEvents; pc < acEvents + n;) {
            const auto *pstEvent = reinterpret_cast<const inotify_event *>(pc);
            opened[watched[pstEvent->wd]] += (pstEvent->mask & IN_OPEN) != 0;
            closed[watched[pstEvent->wd]] += (pstEvent->mask & IN_CLOSE) != 0;
            pc += sizeof(inotify_event) + pstEvent->len;
        }
    }
    EXPECT_EQ(OpenDescriptors(), ulFds);
    close(iNotify);
    for (const auto &[path, n] : files) {
        EXPECT_EQ(opened[path], n) << path;
        EXPECT_EQ(closed[path], n) << path;
    }
    EXPECT_STREQ(g_pstBoardCap->acDevName, "MODEL1@LV");
    EXPECT_STREQ(g_pstBoardCap->acDevParam, "LV");
    EXPECT_EQ(CAP_GetSensorMode(0), CAP_SENSOR_MODE_1080PL);
    EXPECT_EQ(CAP_GetSensorMode(1), CAP_SENSOR_MODE_1080PL);
    EXPECT_EQ(g_pstLensCap->adFovAngle[1], 92.5);
}

}  // namespace

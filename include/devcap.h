/*
 * devcap - hardware capability library of the camera firmware.
 *
 * The host calls CAP_CapInit() once, before any query, on a thread of its own
 * choosing. It works out which product this is, reads the product's capability
 * files into the global record g_stDevCap and from then on every CAP_ query only
 * reads that record (CAP_GetSerialNum, CAP_GetCheckCode and CAP_GetResolution
 * also consult their source at each call). Queries may run on any number of
 * threads once CAP_CapInit has returned.
 *
 * Results: 0 success, -1 general failure, -2 null pointer argument, -4 argument
 * out of range or empty text, unless a query says otherwise below.
 *
 * The record layout below is part of the interface: field order, widths and
 * natural alignment are fixed, and hosts may read the record through the
 * exported region pointers.
 */
#ifndef DEVCAP_H
#define DEVCAP_H

/* Version of this interface. The build reads the number from these three
 * lines (the library's file name and soname, the packages, pkg-config and
 * the CMake package carry it); the soname changes with the major number. */
#define DEVCAP_VERSION_MAJOR 1
#define DEVCAP_VERSION_MINOR 0
#define DEVCAP_VERSION_PATCH 0
/* One number for preprocessor tests: 10203 is 1.2.3. */
#define DEVCAP_VERSION \
    (DEVCAP_VERSION_MAJOR * 10000 + DEVCAP_VERSION_MINOR * 100 + DEVCAP_VERSION_PATCH)
/* "1.0.0" */
#define DEVCAP_VERSION_TEXT_(a, b, c) #a "." #b "." #c
#define DEVCAP_VERSION_TEXT(a, b, c) DEVCAP_VERSION_TEXT_(a, b, c)
#define DEVCAP_VERSION_STRING \
    DEVCAP_VERSION_TEXT(DEVCAP_VERSION_MAJOR, DEVCAP_VERSION_MINOR, DEVCAP_VERSION_PATCH)

#if defined(__GNUC__)
#define DEVCAP_API __attribute__((visibility("default")))
#else
#define DEVCAP_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

struct json_object;

/* ------------------------------------------------------------------------ */
/* Enumerations. Every enumeration value is held in an unsigned 32-bit field. */
/* ------------------------------------------------------------------------ */

typedef unsigned int CameraType;
enum { CAP_CAMERA_DOME = 0, CAP_CAMERA_BULLET = 1, CAP_CAMERA_BOX = 2, CAP_CAMERA_PTZ = 3,
       CAP_CAMERA_ROBOT = 4, CAP_CAMERA_INVALID = 5 };

typedef unsigned int SocType;
enum { CAP_SOC_HI3516AV200 = 0, CAP_SOC_HI3519AV100 = 1, CAP_SOC_HI3516DV300 = 2,
       CAP_SOC_HI3516CV500 = 3, CAP_SOC_HI3559AV100 = 4, CAP_SOC_HI3516AV300 = 5,
       CAP_SOC_FUHAN8856 = 6, CAP_SOC_FUHAN8852 = 7, CAP_SOC_AMBACV25 = 8, CAP_SOC_AMBACV28 = 9,
       CAP_SOC_AMBACV22 = 10, CAP_SOC_INVALID = 11 };

typedef unsigned int MotorType;
enum { CAP_MOTOR_AN41908A = 0, CAP_MOTOR_MS41908 = 1, CAP_MOTOR_DRV8837 = 2, CAP_MOTOR_INVALID = 3 };

typedef unsigned int HardCtlType;
enum { CAP_HARDCTL_SOC = 0, CAP_HARDCTL_FPGA = 1, CAP_HARDCTL_INVALID = 2 };

/* The value equals the bus number; buses 4 to 10 have no member. */
typedef unsigned int FpgaI2cBus;
enum { CAP_FPGA_I2C0 = 0, CAP_FPGA_I2C1 = 1, CAP_FPGA_I2C2 = 2, CAP_FPGA_I2C3 = 3,
       CAP_FPGA_I2C11 = 11, CAP_FPGA_I2C_INVALID = 12 };

typedef unsigned int AlarmType;
enum { CAP_ALARM_GPIO = 0, CAP_ALARM_MCU = 1, CAP_ALARM_I2C = 2, CAP_ALARM_INVALID = 3 };

typedef unsigned int IrisType;
enum { CAP_IRIS_FIXED = 0, CAP_IRIS_OPEN_CLOSE = 1, CAP_IRIS_LINEAR = 2, CAP_IRIS_SOC_CTL = 3,
       CAP_IRIS_NONE = 4, CAP_IRIS_INVALID = 5 };

typedef unsigned int IrcutType;
enum { CAP_IRCUT_VIR141_AR = 0, CAP_IRCUT_DC = 1, CAP_IRCUT_T5291ICR = 2, CAP_IRCUT_PE457POL = 3,
       CAP_IRCUT_VIR141_POLAR = 4, CAP_IRCUT_T5215ICR = 5, CAP_IRCUT_NONE = 6,
       CAP_IRCUT_INVALID = 7 };

/* Members begin at 3; no text yields 0, 1 or 2. */
typedef unsigned int VideoType;
enum { CAP_VIDEO_SDI = 3, CAP_VIDEO_CVBS = 4, CAP_VIDEO_LCD = 5, CAP_VIDEO_HDMI = 6,
       CAP_VIDEO_INVALID = 7 };

typedef unsigned int CvbsType;
enum { CAP_CVBS_ADV7393 = 0, CAP_CVBS_GM7121 = 1, CAP_CVBS_INVALID = 2 };

typedef unsigned int WifiType;
enum { CAP_WIFI_NONE = 0, CAP_WIFI_USB = 1, CAP_WIFI_SERIAL = 2, CAP_WIFI_INVALID = 3 };

/* 0 is "no mode": both the default and the answer for an unrecognised text. */
typedef unsigned int WifiMode;
enum { CAP_WIFI_MODE_NONE = 0, CAP_WIFI_MODE_AP = 1, CAP_WIFI_MODE_STA = 2,
       CAP_WIFI_MODE_APSTA = 3 };

typedef unsigned int DevPosition;
enum { CAP_POS_FRONT = 0, CAP_POS_BACK = 1, CAP_POS_LEFT = 2, CAP_POS_RIGHT = 3, CAP_POS_UP = 4,
       CAP_POS_DOWN = 5, CAP_POS_INVALID = 6 };

typedef unsigned int McuType;
enum { CAP_MCU_DRIVER_GD = 0, CAP_MCU_DRIVER_ST = 1, CAP_MCU_ALARM_GD = 2, CAP_MCU_ALARM_NT = 3,
       CAP_MCU_WIPER_NT = 4, CAP_MCU_WIPER_ST = 5, CAP_MCU_INVALID = 6 };

typedef unsigned int FanHeatCtlType;
enum { CAP_FANHEAT_NONE = 0, CAP_FANHEAT_GPIO = 1, CAP_FANHEAT_MCU = 2, CAP_FANHEAT_INVALID = 3 };

/* From a number of bits: 8, 16, 32, 64. */
typedef unsigned int MemWidth;
enum { CAP_MEM_WIDTH_8 = 0, CAP_MEM_WIDTH_16 = 1, CAP_MEM_WIDTH_32 = 2, CAP_MEM_WIDTH_64 = 3,
       CAP_MEM_WIDTH_INVALID = 4 };

/* From a number of megabytes: 256 to 4096. */
typedef unsigned int RamSize;
enum { CAP_RAM_256M = 0, CAP_RAM_512M = 1, CAP_RAM_1024M = 2, CAP_RAM_2048M = 3,
       CAP_RAM_4096M = 4, CAP_RAM_INVALID = 5 };

/* Audio codec; no text selects 2, the default. */
typedef unsigned int AudioSocType;
enum { CAP_AUDIO_ES8311 = 0, CAP_AUDIO_ES8388 = 1, CAP_AUDIO_SOC_NONE = 2 };

/* Value 14 has no name and is never produced. */
typedef unsigned int SensorType;
enum { CAP_SENSOR_IMX385 = 0, CAP_SENSOR_IMX185 = 1, CAP_SENSOR_IMX327 = 2, CAP_SENSOR_IMX335 = 3,
       CAP_SENSOR_OS08A10 = 4, CAP_SENSOR_OS02C10 = 5, CAP_SENSOR_SC4210 = 6,
       CAP_SENSOR_IMX334 = 7, CAP_SENSOR_SC2210 = 8, CAP_SENSOR_SC4238 = 9,
       CAP_SENSOR_IMX307 = 10, CAP_SENSOR_IMX265 = 11, CAP_SENSOR_IMX305 = 12,
       CAP_SENSOR_OS04A10 = 13, CAP_SENSOR_SC200AI = 15, CAP_SENSOR_SC500AI = 16,
       CAP_SENSOR_GC2053 = 17, CAP_SENSOR_IMX485 = 18, CAP_SENSOR_INVALID = 19 };

/* The last pair is swapped: "4m2688_1520ph" is 27, "4m2688_1520pl" is 28. */
typedef unsigned int SensorMode;
enum { CAP_SENSOR_MODE_NORMAL = 0, CAP_SENSOR_MODE_720PL = 1, CAP_SENSOR_MODE_720PH = 2,
       CAP_SENSOR_MODE_1080PL = 3, CAP_SENSOR_MODE_1080PH = 4, CAP_SENSOR_MODE_960PL = 5,
       CAP_SENSOR_MODE_960PH = 6, CAP_SENSOR_MODE_3M1536PL = 7, CAP_SENSOR_MODE_3M1536PH = 8,
       CAP_SENSOR_MODE_3M1296PL = 9, CAP_SENSOR_MODE_3M1296PH = 10,
       CAP_SENSOR_MODE_5M1920PL = 11, CAP_SENSOR_MODE_5M1920PH = 12,
       CAP_SENSOR_MODE_5M1944PL = 13, CAP_SENSOR_MODE_5M1944PH = 14,
       CAP_SENSOR_MODE_5M1728PL = 15, CAP_SENSOR_MODE_5M1728PH = 16,
       CAP_SENSOR_MODE_4M1520PL = 17, CAP_SENSOR_MODE_4M1520PH = 18,
       CAP_SENSOR_MODE_8M2160PL = 19, CAP_SENSOR_MODE_8M2160PH = 20,
       CAP_SENSOR_MODE_12M3000PL = 21, CAP_SENSOR_MODE_12M3000PH = 22,
       CAP_SENSOR_MODE_4M1440PL = 23, CAP_SENSOR_MODE_4M1440PH = 24,
       CAP_SENSOR_MODE_9M2160PL = 25, CAP_SENSOR_MODE_9M2160PH = 26,
       CAP_SENSOR_MODE_4M2688_1520PH = 27, CAP_SENSOR_MODE_4M2688_1520PL = 28,
       CAP_SENSOR_MODE_INVALID = 29 };

typedef unsigned int LensType;
enum { CAP_LENS_UNION_T5183 = 0, CAP_LENS_MUXIA_35X = 1, CAP_LENS_USER = 2, CAP_LENS_YT3010 = 3,
       CAP_LENS_HD0271 = 4, CAP_LENS_FIXED = 5, CAP_LENS_25X_F028 = 6, CAP_LENS_24X_F063 = 7,
       CAP_LENS_YT50011 = 8, CAP_LENS_28X_F147X = 9, CAP_LENS_32X_F127X = 10,
       CAP_LENS_YT30031 = 11, CAP_LENS_YT30021 = 12, CAP_LENS_UNION_T5097 = 13,
       CAP_LENS_UNION_T5291 = 14, CAP_LENS_DF033 = 15, CAP_LENS_YT10093 = 16,
       CAP_LENS_YT10112 = 17, CAP_LENS_YT10069 = 18, CAP_LENS_YT10068 = 19,
       CAP_LENS_UNION_T5188 = 20, CAP_LENS_F130X = 21, CAP_LENS_UNION_T5215 = 22,
       CAP_LENS_F139 = 23, CAP_LENS_YT30033 = 24, CAP_LENS_FG20060 = 25, CAP_LENS_INVALID = 26 };

/* There is no member for 4 mm. */
typedef unsigned int FixDistance;
enum { CAP_FIX_2_8MM = 0, CAP_FIX_3_6MM = 1, CAP_FIX_6MM = 2, CAP_FIX_8MM = 3, CAP_FIX_12MM = 4,
       CAP_FIX_BOX = 5, CAP_FIX_INVALID = 6 };

/* Answer of CAP_GetFocusType. */
typedef unsigned int FocusType;
enum { CAP_FOCUS_FIXED = 0, CAP_FOCUS_ZOOM_FOCUS = 1, CAP_FOCUS_FOCUS_ONLY = 2,
       CAP_FOCUS_NONE = 3 };

typedef unsigned int BallType;
enum { CAP_BALL_EIGHT = 0, CAP_BALL_SIX = 1, CAP_BALL_SEVEN = 2, CAP_BALL_INVALID = 3 };

/* 0, 2, 3, 12, 13, 17, 18 and 21 have no name; 24 also marks an empty LED slot. */
typedef unsigned int LedType;
enum { CAP_LED_GPIOLED = 1, CAP_LED_WHITENEAR = 4, CAP_LED_WHITEMID = 5, CAP_LED_WHITEFAR = 6,
       CAP_LED_IRNEAR = 7, CAP_LED_IRMID = 8, CAP_LED_IRFAR = 9, CAP_LED_SOFTNEAR = 10,
       CAP_LED_MIX = 11, CAP_LED_CONST = 14, CAP_LED_SUN_FLI = 15, CAP_LED_FRE_FLI = 16,
       CAP_LED_L6D30BW = 19, CAP_LED_ITWLD2 = 20, CAP_LED_ALERT = 22,
       CAP_LED_ALERT_WHITENEAR = 23, CAP_LED_INVALID = 24 };

/* Any unknown text gives "pwm"; 4 only stands for no text at all. */
typedef unsigned int LedHardCtlType;
enum { CAP_LEDCTL_GPIO = 0, CAP_LEDCTL_PWM = 1, CAP_LEDCTL_485 = 2, CAP_LEDCTL_I2C = 3,
       CAP_LEDCTL_INVALID = 4 };

/* 0 is "none" and marks an empty laser slot. */
typedef unsigned int LaserDistance;
enum { CAP_LASER_NONE = 0, CAP_LASER_500M = 1, CAP_LASER_1000M = 2 };

/* ------------------------------------------------------------------------ */
/* The capability record                                                    */
/* ------------------------------------------------------------------------ */

#define CAP_MAX_CHANNEL      4   /* sensor / lens channels */
#define CAP_PATH_LEN         60
#define CAP_NAME_LEN         64
#define CAP_BOARD_TYPE_LEN   20
#define CAP_SENSOR_NAME_LEN  10
#define CAP_LENS_NAME_LEN    12
#define CAP_NODE_LEN         10
#define CAP_ALARM_SLOTS      8
#define CAP_LENS_PIN_SLOTS   12
#define CAP_MOTOR_SLOTS      4
#define CAP_UART_PORTS       4
#define CAP_IRIS_SLOTS       4
#define CAP_IRIS_GPIOS       4
#define CAP_IRCUT_SLOTS      4
#define CAP_IRCUT_GPIOS      10
#define CAP_VIDEO_SLOTS      4
#define CAP_TEMP_NODE_LEN    40
#define CAP_AXES             3
#define CAP_ECOMPASS_INTS    4
#define CAP_PTZ_GPIOS        4
#define CAP_LED_SLOTS        10
#define CAP_PATCH_SLOTS      4

/* Paths of the capability files (device paths, at most 58 characters). */
typedef struct {
    char acBoardPath[CAP_PATH_LEN];
    char aacSensorPath[CAP_MAX_CHANNEL][CAP_PATH_LEN];
    char aacLensPath[CAP_MAX_CHANNEL][CAP_PATH_LEN];
    char acPatchPath[CAP_PATH_LEN];
    char acHardwareIndexPath[CAP_PATH_LEN];
} CapFiles;

/* Where a peripheral sits on an I2C bus. A file array [a, b, c] lands as
 * usVal0 = a, usVal2 = b, usVal1 = c. */
typedef struct {
    unsigned short usVal0;
    unsigned short usVal1;
    unsigned short usVal2;
} I2cInfo;

typedef struct {
    AlarmType enAlarmInType;
    AlarmType enAlarmOutType;
    int aiAlarmInGpio[CAP_ALARM_SLOTS];
    int aiAlarmOutGpio[CAP_ALARM_SLOTS];
    unsigned short usAlarmInNum;
    unsigned short usAlarmOutNum;
    I2cInfo stAlarmInI2cInfo;
    I2cInfo stAlarmOutI2cInfo;
} AlarmCap;

typedef struct {
    char aacDevNode[CAP_UART_PORTS][CAP_NODE_LEN];
    int aiDirectionGpio[CAP_UART_PORTS];
    unsigned char ucNum;
} UartPort;

typedef struct {
    UartPort stUart485;
    UartPort stUart232;
    UartPort stUart422;
} UartCap;

typedef struct {
    IrisType aenIrisType[CAP_IRIS_SLOTS];
    int aaiIrisGpioCtl[CAP_IRIS_SLOTS][CAP_IRIS_GPIOS];
    unsigned short usIrisNum;
} IrisCap;

typedef struct {
    IrcutType aenIrcutType[CAP_IRCUT_SLOTS];
    int aaiIrcutGpioCtl[CAP_IRCUT_SLOTS][CAP_IRCUT_GPIOS];
    unsigned int uiIrcutNum;
} IrcutCap;

typedef struct {
    VideoType aenVideoType[CAP_VIDEO_SLOTS];
    unsigned short ausVideoMaxChannel[CAP_VIDEO_SLOTS];
    unsigned short usVideoOutNum;
} VideoCap;

typedef struct {
    unsigned int bMicInSup;
    unsigned int bLineInSup;
    unsigned int bSpeakerSup;
    unsigned char ucMicInChn;
    unsigned char ucLineInChn;
    unsigned char ucAudioInDevNo;
    unsigned char ucAudioOutDevNo;
    unsigned char ucAudioOutNum;
    AudioSocType enAudioSocType;
    int iMicLineSwitchGpio;
} AudioCap;

typedef struct {
    char acTempDeviceNode[CAP_TEMP_NODE_LEN];
} TemperatureCap;

typedef struct {
    unsigned int bCvbsSupport;
    CvbsType enCvbsSocType;
    HardCtlType enCvbsHardCtl;
    I2cInfo stCvbsI2cInfo;
    int iCvbsResetGpio;
} CvbsCap;

typedef struct {
    unsigned int bWifiSupport;
    WifiType enWifiType;
    char acWifiDeviceNode[CAP_NODE_LEN];
    WifiMode enWifiModel;
} SnifferCap;

typedef struct {
    unsigned int bAccelerateSupport;
    DevPosition aenAcceleratePosition[CAP_AXES];
    I2cInfo stAccelerateI2cInfo;
} AccelerateCap;

typedef struct {
    unsigned int bEcompassSupport;
    DevPosition aenEcompassPosition[CAP_AXES];
    I2cInfo stEcompassI2cInfo;
    int iEcompassResetGpio;
    int aiEcompassIntGpio[CAP_ECOMPASS_INTS];
} EcompassCap;

typedef struct {
    int iBallMaxAngle;
    McuType enAlarmBoardType;
    McuType enDriverBoardType;
    McuType enWiperBoardType;
    int iDriverBoardReset;
    int iAlarmBoardReset;
    int iWiperBoardReset;
    FanHeatCtlType enFanCtlType;
    FanHeatCtlType enHeatCtlType;
    FanHeatCtlType enGlassHeatCtlType;
    int iGlassHeatGpio;
    int aiGlassHeatTempThreshold[2];
    int aiFanGpioCtl[CAP_PTZ_GPIOS];
    int aiHeatGpioCtl[CAP_PTZ_GPIOS];
    char acDriverBoardNode[CAP_NODE_LEN];
    char acAlarmBoardNode[CAP_NODE_LEN];
    char acWiperBoardNode[CAP_NODE_LEN];
} PtzCap;

/* Device identity, then the board capability. */
typedef struct {
    char acDevName[CAP_NAME_LEN];
    char acDevParam[CAP_NAME_LEN];
    char acProductName[CAP_NAME_LEN];
    char acBoardType[CAP_BOARD_TYPE_LEN];
    char acBoardReserved[64];
    unsigned int bTempSupport;
    CameraType enCameraType;
    SocType enSocType;
    int iResetGpio;
    unsigned int uiHWVersionGpio;
    HardCtlType enSensorHardCtl;
    MotorType aenMotorType[CAP_MOTOR_SLOTS];
    RamSize enRamSize;
    unsigned char ucSdSlotNum;
    unsigned short usIndexVersion;
    MemWidth enMemWidth;
    unsigned int bDoubleIntfSup;
    FpgaI2cBus enFpgaCtlI2c;
    int aiLensPinsA[CAP_LENS_PIN_SLOTS];
    int aiLensPinsB[CAP_LENS_PIN_SLOTS];
    unsigned int bTempHumiditySup;
    AlarmCap stAlarm;
    UartCap stUart;
    IrisCap stIris;
    IrcutCap stIrcut;
    VideoCap stVideo;
    AudioCap stAudio;
    TemperatureCap stTemperature;
    CvbsCap stCvbs;
    SnifferCap stSniffer;
    AccelerateCap stAccelerate;
    EcompassCap stEcompass;
    PtzCap stPtz;
} BoardCap;

typedef struct {
    unsigned short usSensorNum;
    char aacSensorName[CAP_MAX_CHANNEL][CAP_SENSOR_NAME_LEN];
    SensorType aeSensorType[CAP_MAX_CHANNEL];
    SensorMode aeSensorMode[CAP_MAX_CHANNEL];
    unsigned int uiSensorReserved;
} SensorCap;

typedef struct {
    LensType aeLensType[CAP_MAX_CHANNEL];
    char aacLensName[CAP_MAX_CHANNEL][CAP_LENS_NAME_LEN];
    FixDistance aeFixDistance[CAP_MAX_CHANNEL];
    char aacFixDistanceName[CAP_MAX_CHANNEL][CAP_LENS_NAME_LEN];
    char aacLensName2[CAP_MAX_CHANNEL][CAP_LENS_NAME_LEN];
    double adFovAngle[CAP_MAX_CHANNEL];
    unsigned short usLensNum;
} LensCap;

/* A pair whose second value is 0 marks an empty LED range slot. */
typedef struct {
    int iRangeMin;
    int iRangeMax;
} LedRange;

typedef struct {
    unsigned short usEnableNearMidFar; /* bit 2 near, bit 1 middle, bit 0 far */
    LedType aeLedType[CAP_LED_SLOTS];
    int aiLedGpioCtl[CAP_LED_SLOTS];
    LedHardCtlType aeLedHardCtl[CAP_LED_SLOTS];
    LedRange astLedRange[CAP_LED_SLOTS];
    int aiLedFreq[CAP_LED_SLOTS];
    unsigned short usLedNum;
} LedInfoCap;

typedef struct {
    unsigned char aucPatchReserved[64];
    unsigned int bPoeSupport;
    unsigned int bGyroscopeSup;
    unsigned int bGpsSupport;
    unsigned int bPhotoresistanceSup;
    unsigned int bWiperSupport;
    unsigned int bSnifferSupport;
    unsigned int bEcompassSup;
    unsigned int bAccelerateSup;
    unsigned int abOpticsDefogSup[CAP_PATCH_SLOTS];
    unsigned int bReverse;
    unsigned int bLaserSupport;
    BallType eBallType;
    LedInfoCap stLedInfo;
    int aiIrcutDelay[CAP_PATCH_SLOTS];
    LaserDistance aeLaserDistance[CAP_PATCH_SLOTS];
} PatchCap;

typedef struct {
    CapFiles stCapFiles;
    BoardCap stBoardCap;
    SensorCap stSensorCap;
    LensCap stLensCap;
    PatchCap stPatchCap;
} DevCap;

/* The record and its region pointers; the pointers are null until CAP_CapInit. */
extern DEVCAP_API DevCap g_stDevCap;
extern DEVCAP_API DevCap *g_pstDevCap;
extern DEVCAP_API CapFiles *g_pstCapFiles;
extern DEVCAP_API BoardCap *g_pstBoardCap;
extern DEVCAP_API SensorCap *g_pstSensorCap;
extern DEVCAP_API LensCap *g_pstLensCap;
extern DEVCAP_API PatchCap *g_pstPatchCap;

/* ------------------------------------------------------------------------ */
/* Start-up                                                                 */
/* ------------------------------------------------------------------------ */

/* Fill the record: identity, hardware index, paths, board, sensors, lenses,
 * patch. 0, or the code of the first stage that failed. Calls from several
 * threads at once run one after another, each on descriptors of its own.
 * A query that runs while a call fills the record is the caller's concern:
 * queries belong after CAP_CapInit has returned. */
DEVCAP_API int CAP_CapInit(void);

/* Largest capability file read, in bytes; a larger one counts as unreadable. */
#define CAP_FILE_SIZE_MAX (1024 * 1024)

/* Host conveniences for tools and tests, which run the library on a copy of
 * a camera's file system; camera firmware never calls them. Call them before
 * CAP_CapInit, on the thread that calls it.
 *
 * CAP_SetRootDir: every file the library opens itself (the device name and
 * serial number files, the capability files) is opened under this directory;
 * null or "" restores the plain paths. The paths the record stores, the
 * queries hand out and the log shows stay device paths. It does not redirect
 * the platform: SYS_MEM_Read still receives the device path unchanged
 * ("/dev/mtd2", "/dev/mmcblk0p2"), so a host that reads raw partitions from
 * files roots those reads itself, and SYS_IsEquipmentMode and SYS_MEM_GetType
 * answer as the host decides. */
DEVCAP_API void CAP_SetRootDir(const char *pcRoot);
/* CAP_SetDeviceNameOverride: take this device name (at most 63 bytes are
 * used) instead of reading the dev_name file, which is then not opened; null
 * reads the file again. Only the name is replaced: the serial number and the
 * electronic tag are still read, and in equipment mode the default product
 * folder still decides the name. */
DEVCAP_API void CAP_SetDeviceNameOverride(const char *pcName);

/* ------------------------------------------------------------------------ */
/* Device identity, index and paths                                         */
/* ------------------------------------------------------------------------ */

/* Product name from the electronic tag; null -2, size 0 -2. */
DEVCAP_API int CAP_GetProductName(unsigned short usSize, char *pcDevName);
/* Device name; null -2, size < 1 -4. Always terminated. */
DEVCAP_API int CAP_GetDeviceName(int iSize, char *pcDevName);
/* Text after the first '@' of the device name; null -2, size < 1 -4. */
DEVCAP_API int CAP_GetDeviceParam(int iSize, char *pcDevParam);
/* Serial number, read at each call (default "0123456789abcdefghij");
 * null -1; cut to fit: -1. */
DEVCAP_API int CAP_GetSerialNum(char *pcSerial, unsigned short usSize);
/* Check code of the tag, read at each call; null or size < 1 -2; not found -1.
 * A code of size characters or more fills the buffer without terminator. */
DEVCAP_API int CAP_GetCheckCode(char *pcCheckCode, int iCheckCodeLen);
/* Board type of the hardware index; size < 1 -4 (tested first), null -1. */
DEVCAP_API int CAP_GetBoardType(int iSize, char *pcBoardType);
/* "version" of the hardware index (0 when absent). */
DEVCAP_API unsigned short CAP_GetIndexCapVersion(void);
/* Product folder name derived from the device name; null -2, size 0 -4. */
DEVCAP_API int CAP_GetProductFolder(unsigned short usSize, char *pcFolder);
/* ISP configuration folder of a channel, "sensor-lens[-distance]";
 * null -2, channel > 3 or size 0 -4. */
DEVCAP_API int CAP_GetConfigIspFolder(unsigned short usChn, unsigned short usSize, char *pcFolder);

/* ------------------------------------------------------------------------ */
/* Board: top level                                                         */
/* ------------------------------------------------------------------------ */

DEVCAP_API int CAP_GetCameraType(void);              /* CameraType, default 5 */
DEVCAP_API int CAP_GetSocType(void);                 /* SocType, default 0 */
DEVCAP_API int CAP_GetResetGpio(void);               /* board reset GPIO, -1 none */
DEVCAP_API int CAP_GetSensorHardCtlType(void);       /* HardCtlType, default 0 */
DEVCAP_API int CAP_GetMotorType(int iIndex);         /* MotorType of slot 0..3; else -4 */
DEVCAP_API int CAP_GetRamSize(void);                 /* RamSize, default 5 */
DEVCAP_API int CAP_GetSdCardSlotNum(void);           /* number of SD slots */
DEVCAP_API unsigned int CAP_GetHWVersionGpio(void);  /* four GPIOs packed, first in top byte */
DEVCAP_API int CAP_GetMemWidth(void);                /* MemWidth, default 2 */
DEVCAP_API int CAP_GetMaxElevationAngle(void);       /* ball's maximum elevation angle */
DEVCAP_API int CAP_IsDoubleIntfSupport(void);        /* double interface, 0/1 */
DEVCAP_API int CAP_GetFpgaCtlI2cNum(void);           /* FpgaI2cBus, default 12 */
DEVCAP_API int CAP_IsTemperatureAndHumiditySupport(void); /* 0/1 */
/* Lens pins 0 or above in groups A and B (all 12 slots counted); null -2. */
DEVCAP_API int CAP_GetLensPinsNum(unsigned int *puiNumA, unsigned int *puiNumB);
/* Pin uiIndex (0..11) of group 0 (A) or 1 (B); else -4. */
DEVCAP_API int CAP_GetLensPins(unsigned int uiIndex, unsigned int uiGroup);
/* First uiNum pins of both groups; uiNum > 12 -1 (tested first), null -2. */
DEVCAP_API int CAP_GetLensPinsMul(unsigned int uiNum, int *piPinsA, int *piPinsB);

/* ------------------------------------------------------------------------ */
/* Board: alarm and serial ports                                            */
/* ------------------------------------------------------------------------ */

DEVCAP_API int CAP_GetAlarmInType(void);             /* AlarmType of the inputs */
DEVCAP_API int CAP_GetAlarmOutType(void);            /* AlarmType of the outputs */
DEVCAP_API int CAP_GetAlarmInNum(void);              /* number of alarm inputs */
DEVCAP_API int CAP_GetAlarmOutNum(void);             /* number of alarm outputs */
DEVCAP_API int CAP_GetUart485Num(void);              /* number of RS-485 ports */
DEVCAP_API int CAP_GetUart232Num(void);              /* number of RS-232 ports */
DEVCAP_API int CAP_GetUart422Num(void);              /* number of RS-422 ports */
/* GPIO of one slot, -1 empty; index outside the slots -4. */
DEVCAP_API int CAP_GetAlarmInWithGpio(int iGpioNum);         /* slots 0..7 */
DEVCAP_API int CAP_GetAlarmOutWithGpio(int iGpioNum);        /* slots 0..7 */
DEVCAP_API int CAP_GetUart485DirectionGpio(int iGpioNum);    /* slots 0..3 */
DEVCAP_API int CAP_GetUart232DirectionGpio(int iGpioNum);    /* slots 0..3 */
DEVCAP_API int CAP_GetUart422DirectionGpio(int iGpioNum);    /* slots 0..3 */
/* First iNum slots; count out of range -4 (tested first), null -2. */
DEVCAP_API int CAP_GetAlarmInWithGpioMul(int iNum, int *piGpio);        /* 1..8 */
DEVCAP_API int CAP_GetAlarmOutWithGpioMul(int iNum, int *piGpio);       /* 1..8 */
DEVCAP_API int CAP_GetUart485DirectionGpioMul(int iNum, int *piGpio);   /* 1..4 */
DEVCAP_API int CAP_GetUart232DirectionGpioMul(int iNum, int *piGpio);   /* 1..4 */
DEVCAP_API int CAP_GetUart422DirectionGpioMul(int iNum, int *piGpio);   /* 1..4 */
/* Configured GPIO alarm lines (0 for a side not wired by GPIO); null -2. */
DEVCAP_API int CAP_GetAlarmGpioNum(unsigned int *puiInNum, unsigned int *puiOutNum);
/* I2C attachment of the alarm inputs / outputs; null -2. */
DEVCAP_API int CAP_GetAlarmInWithI2cInfo(I2cInfo *pstI2cInfo);
DEVCAP_API int CAP_GetAlarmOutWithI2cInfo(I2cInfo *pstI2cInfo);
/* Device node of port usIndex; null -2, index > 3 or size 0 -4. Terminated. */
DEVCAP_API int CAP_GetUart485DeviceNode(unsigned short usIndex, unsigned short usLen, char *pcBuf);
DEVCAP_API int CAP_GetUart232DeviceNode(unsigned short usIndex, unsigned short usLen, char *pcBuf);
DEVCAP_API int CAP_GetUart422DeviceNode(unsigned short usIndex, unsigned short usLen, char *pcBuf);
/* All four 10-byte node slots of a port kind into pcBuf (40 bytes); null -2. */
DEVCAP_API int CAP_GetUart485DeviceNodeAll(char *pcBuf);
DEVCAP_API int CAP_GetUart232DeviceNodeAll(char *pcBuf);
DEVCAP_API int CAP_GetUart422DeviceNodeAll(char *pcBuf);

/* ------------------------------------------------------------------------ */
/* Board: iris, IR-cut, video, audio                                        */
/* ------------------------------------------------------------------------ */

DEVCAP_API unsigned short CAP_GetIrisNum(void);      /* number of irises */
DEVCAP_API int CAP_GetIrisType(int iIrisNum);        /* IrisType of iris 0..3; else -4 */
DEVCAP_API int CAP_GetIrisCtlGpioNum(int iIrisNum);  /* leading GPIOs of iris 0..3; else -4 */
/* GPIO iGpioNum (0..3) of iris iIrisNum (0..3), iris tested first; else -4. */
DEVCAP_API int CAP_GetIrisCtlWithGpio(int iIrisNum, int iGpioNum);
/* First iIrisNum x iGpioNum entries of the iris GPIO table, row-major;
 * null -2 (tested first), counts outside 1..4 -4. */
DEVCAP_API int CAP_GetIrisCtlWithGpioMul(int iIrisNum, int iGpioNum, int *piGpio);
DEVCAP_API unsigned short CAP_GetIrcutNum(void);     /* number of IR-cut filters */
DEVCAP_API int CAP_GetIrcutType(int iIrcutNum);      /* IrcutType of filter 0..3; else -4 */
DEVCAP_API int CAP_GetIrcutCtlGpioNum(int iIrcutNum); /* leading GPIOs of filter 0..3; else -4 */
/* GPIO iGpioNum (0..9) of filter iIrcutNum (0..3), GPIO tested first; else -4. */
DEVCAP_API int CAP_GetIrcutCtlWithGpio(int iIrcutNum, int iGpioNum);
/* First iIrcutNum x iGpioNum entries of the IR-cut GPIO table (rows of 10);
 * null -2 (tested first), filters outside 1..4 or GPIOs outside 1..10 -4. */
DEVCAP_API int CAP_GetIrcutCtlWithGpioMul(int iIrcutNum, int iGpioNum, int *piGpio);
DEVCAP_API unsigned short CAP_GetVideoOutNum(void);  /* number of video outputs */
DEVCAP_API int CAP_IsVideoOutSupport(void);          /* 1 when any video output */
DEVCAP_API int CAP_GetVideoType(unsigned short usIndex); /* VideoType of output 0..3; else -4 */
/* Max channels of output 0..3 (unset: 2 for 0, 3 for 1, 0 for 2 and 3); else 65532. */
DEVCAP_API unsigned short CAP_GetVideoMaxChannel(int iIndex);
DEVCAP_API int CAP_IsAudioMicInSupport(void);        /* microphone input, 0/1 */
DEVCAP_API int CAP_IsAudioLineInSupport(void);       /* line input, 0/1 */
DEVCAP_API int CAP_IsAudioSpeakerSupport(void);      /* speaker, 0/1 */
DEVCAP_API int CAP_GetAudioMicInChannel(void);       /* microphone input channel */
DEVCAP_API int CAP_GetAudioLineInChannel(void);      /* line input channel */
DEVCAP_API int CAP_GetAudioInDevNO(void);            /* audio input device number */
DEVCAP_API int CAP_GetAudioOutDevNO(void);           /* audio output device number */
DEVCAP_API int CAP_GetAudioOutNum(void);             /* number of audio outputs */
DEVCAP_API int CAP_IsAudioOutSupport(void);          /* 1 when any audio output */
DEVCAP_API int CAP_IsAudioSupport(void);             /* output, line or mic input present */
DEVCAP_API int CAP_GetAudioSocType(void);            /* AudioSocType, default 2 */
DEVCAP_API int CAP_GetMinLineSwitchGpio(void);       /* mic/line switch GPIO, -1 none */

/* ------------------------------------------------------------------------ */
/* Board: temperature, CVBS, Wi-Fi, accelerometer, e-compass                */
/* ------------------------------------------------------------------------ */

DEVCAP_API int CAP_IsTempSupport(void);              /* temperature sensor, 0/1 */
/* Temperature sensor device path "dir/name/"; null -2, size 0 -4. */
DEVCAP_API int CAP_GetTemperatureDeviceNoe(unsigned short usLen, char *pcBuf);
DEVCAP_API int CAP_IsCvbsSupport(void);              /* CVBS encoder (patch may override) */
DEVCAP_API int CAP_GetCvbsSocType(void);             /* CvbsType, default 0 */
DEVCAP_API int CAP_GetCvbsHardCtl(void);             /* HardCtlType, default 2 */
DEVCAP_API int CAP_GetCvbsResetGpio(void);           /* encoder reset GPIO, -1 none */
DEVCAP_API int CAP_GetCvbsSocCtlWithI2cInfo(I2cInfo *pstI2cInfo); /* null -2 */
DEVCAP_API int CAP_GetWifiType(void);                /* WifiType, default 2 */
DEVCAP_API int CAP_GetWifiModel(void);               /* WifiMode, default 0 */
/* Wi-Fi module device node; null -2, size 0 -4. */
DEVCAP_API int CAP_GetWifiDeviceNode(unsigned short usLen, char *pcBuf);
/* Axis directions (DevPosition) of the accelerometer; any null -1. */
DEVCAP_API int CAP_GetAcceleratePosition(DevPosition *penPosX, DevPosition *penPosY,
                                         DevPosition *penPosZ);
DEVCAP_API int CAP_GetAccelerateI2cInfo(I2cInfo *pstI2cInfo); /* null -2 */
DEVCAP_API int CAP_IsEcompasSupport(void);           /* board file's e-compass flag */
/* Axis directions (DevPosition) of the e-compass; any null -1. */
DEVCAP_API int CAP_GetEcompassPosition(DevPosition *penPosX, DevPosition *penPosY,
                                       DevPosition *penPosZ);
DEVCAP_API int CAP_GetEcompassI2cInfo(I2cInfo *pstI2cInfo);   /* null -2 */
DEVCAP_API int CAP_GetEcompassGpioReset(void);       /* e-compass reset GPIO, -1 none */
DEVCAP_API int CAP_GetEcompassINTGpioNum(void);      /* leading interrupt GPIOs, 0..4 */
DEVCAP_API int CAP_GetEcompassINTGpio(int iGpioNum); /* interrupt GPIO 0..3; else -4 */
/* First iGpioNum interrupt GPIOs; count outside 1..4 -4 (tested first), null -2. */
DEVCAP_API int CAP_GetEcompassINTGpioMul(int iGpioNum, int *piGpio);

/* ------------------------------------------------------------------------ */
/* Board: pan-tilt                                                          */
/* ------------------------------------------------------------------------ */

DEVCAP_API int CAP_GetAlarmBoardType(void);          /* McuType, default 6 */
DEVCAP_API int CAP_GetDriverBoardType(void);         /* McuType, default 6 */
DEVCAP_API int CAP_GetWiperBoardType(void);          /* McuType, default 6 */
DEVCAP_API int CAP_GetDriverBoardReset(void);        /* reset GPIO, -1 none */
DEVCAP_API int CAP_GetAlarmBoardReset(void);         /* reset GPIO, -1 none */
DEVCAP_API int CAP_GetWiperBoardReset(void);         /* reset GPIO, -1 none */
DEVCAP_API int CAP_GetFanCtlType(void);              /* FanHeatCtlType, default 0 */
DEVCAP_API int CAP_GetHeatCtlType(void);             /* FanHeatCtlType, default 0 */
DEVCAP_API int CAP_GetGlassHeatCtlType(void);        /* FanHeatCtlType, default 0 */
DEVCAP_API int CAP_GetGlassHeatGpioCtl(void);        /* window heater GPIO, -1 none */
DEVCAP_API int CAP_GetTempLowerThreshold(void);      /* window heating lower threshold */
DEVCAP_API int CAP_GetTempUpperThreshold(void);      /* window heating upper threshold */
DEVCAP_API int CAP_GetFanGpioCtlNum(void);           /* leading fan GPIOs, 0..4 */
DEVCAP_API int CAP_GetHeatGpioCtlNum(void);          /* leading heater GPIOs, 0..4 */
DEVCAP_API int CAP_GetFanGpioCtl(int iGpioNum);      /* fan GPIO 0..3; else -4 */
DEVCAP_API int CAP_GetHeatGpioCtl(int iGpioNum);     /* heater GPIO 0..3; else -4 */
/* Device node of a pan-tilt board; null -2; size < 1 -4 (wiper: outside 1..10). */
DEVCAP_API int CAP_GetDriverBoardNode(int iLen, char *pcBuf);
DEVCAP_API int CAP_GetAlarmBoardNode(int iLen, char *pcBuf);
DEVCAP_API int CAP_GetWiperBoardNode(int iLen, char *pcBuf);

/* ------------------------------------------------------------------------ */
/* Sensors                                                                  */
/* ------------------------------------------------------------------------ */

DEVCAP_API unsigned short CAP_GetSensorNum(void);    /* number of sensors */
DEVCAP_API int CAP_GetSensorType(int iIndex);        /* SensorType of slot 0..3; else 19 */
/* SensorType of slots 0..iNum-1; count outside 1..4 -4 (tested first), null -2. */
DEVCAP_API int CAP_GetSensorTypeMul(int iNum, SensorType *penType);
DEVCAP_API int CAP_GetSensorMode(int iIndex);        /* SensorMode of slot 0..3; else -4 */
/* Resolution class in units of 10 000 pixels (0 unknown); index outside 0..3 -4. */
DEVCAP_API int CAP_GetResolution(int iIndex);

/* ------------------------------------------------------------------------ */
/* Lenses                                                                   */
/* ------------------------------------------------------------------------ */

DEVCAP_API unsigned short CAP_GetLensNum(void);      /* number of lenses */
DEVCAP_API int CAP_GetLensType(int iIndex);          /* LensType of slot 0..3; else 26 */
/* LensType of slots 0..iNum-1; count outside 1..4 -4 (tested first), null -2. */
DEVCAP_API int CAP_GetLensTypeMul(int iNum, LensType *penType);
DEVCAP_API int CAP_GetFocusDistance(int iIndex);     /* FixDistance; index >= lens count -1 */
DEVCAP_API double CAP_GetFovAngle(int iIndex);       /* field of view; index >= lens count -1.0 */
DEVCAP_API int CAP_GetFocusType(int iIndex);         /* FocusType; index >= lens count 3 */
DEVCAP_API int CAP_IsZoomSupport(int iIndex);        /* 0/1; index >= lens count 0 */
DEVCAP_API int CAP_IsFocusSupport(int iIndex);       /* 0/1; index >= lens count 0 */

/* ------------------------------------------------------------------------ */
/* Supplementary lights                                                     */
/* ------------------------------------------------------------------------ */

/* LedType of an LED type name; unknown 24, null 24 (logged). */
DEVCAP_API LedType CAP_MatchLedType(const char *pcVal);
DEVCAP_API int CAP_GetLedType(int iIndex);           /* LedType of slot 0..9; else -1 */
DEVCAP_API int CAP_GetLedHardCtlType(int iIndex);    /* LedHardCtlType of slot 0..9; else -1 */
DEVCAP_API int CAP_GetLedCtlWithGpio(int iIndex);    /* GPIO of slot 0..9; else -4 */
DEVCAP_API int CAP_GetLedFreq(int iIndex);           /* frequency of slot 0..9; else -4 */
/* Range pair of slot 0..9; null -2 (tested first), index -4. */
DEVCAP_API int CAP_GetLedRange(int iIndex, int *piRangeMin, int *piRangeMax);
/* First iNum slots (1..10); count -4 (tested first), null -2. */
DEVCAP_API int CAP_GetLedTypeMul(int iNum, LedType *penType);
DEVCAP_API int CAP_GetLedCtlWithGpioMul(int iNum, int *piGpio);
DEVCAP_API int CAP_GetLedFreqMul(int iNum, int *piFreq);
/* First iNum range pairs (1..10); null -2 (tested first), count -4. */
DEVCAP_API int CAP_GetLedRangeMul(int iNum, int *piRangeMin, int *piRangeMax);
DEVCAP_API unsigned short CAP_GetLedTypeNum(void);   /* leading slots with a type */
DEVCAP_API unsigned short CAP_GetLedGpioNum(void);   /* leading slots with a GPIO */
DEVCAP_API int CAP_GetLedFreqNum(void);              /* leading slots with a frequency */
DEVCAP_API int CAP_GetLedRangeNum(void);             /* leading slots with a range */
DEVCAP_API unsigned short CAP_GetLedNum(void);       /* "LedNum" as given */
/* Near, middle and far enable bits as 0/1; any null -2. */
DEVCAP_API int CAP_GetNearMidFarEnable(unsigned short *pusNear, unsigned short *pusMid,
                                       unsigned short *pusFar);

/* ------------------------------------------------------------------------ */
/* Product patch                                                            */
/* ------------------------------------------------------------------------ */

DEVCAP_API int CAP_IsPoeSupport(void);               /* power over Ethernet, 0/1 */
DEVCAP_API int CAP_IsGyroscopeSup(void);             /* gyroscope, 0/1 */
DEVCAP_API int CAP_IsGpsSupport(void);               /* GPS, 0/1 */
DEVCAP_API int CAP_IsPhotoresistanceSup(void);       /* light sensor, 0/1 */
DEVCAP_API int CAP_IsWiperSupport(void);             /* wiper, 0/1 */
DEVCAP_API int CAP_IsSnifferSupport(void);           /* Wi-Fi sniffer, 0/1 */
DEVCAP_API int CAP_IsEcompassSupport(void);          /* patch file's e-compass flag */
DEVCAP_API int CAP_IsAccelerateSupport(void);        /* accelerometer, 0/1 */
DEVCAP_API int CAP_IsReverseSupport(void);           /* reverse, 0/1 */
DEVCAP_API int CAP_GetBallType(void);                /* BallType, default 3 */
DEVCAP_API int CAP_IsOpticsDefogSup(int iIndex);     /* defog of channel 0..3; else -1 */
DEVCAP_API int CAP_GetIrcutDelay(int iIndex);        /* delay of IR-cut 0..3; else -1 */
DEVCAP_API int CAP_GetLaserDistanceInfo(unsigned char ucIndex); /* LaserDistance 0..3; else -4 */
DEVCAP_API int CAP_GetLaserInfoNum(void);            /* leading lasers with a reach */
DEVCAP_API int CAP_IsLaserSupport(void);             /* 1 when any laser reach */

/* ------------------------------------------------------------------------ */
/* Operations other modules of the firmware call                            */
/* ------------------------------------------------------------------------ */

DEVCAP_API int cap_BoardCapInit(void);
DEVCAP_API int cap_SensorInitAll(void);
DEVCAP_API int cap_LensInitAll(void);
DEVCAP_API int cap_PatchCapInit(void);
DEVCAP_API int cap_ParseLedInfo(struct json_object *pstJsonVal);
DEVCAP_API void cap_WarnStrOverflow(const char *pcStr, unsigned long ulSize);

#ifdef __cplusplus
}
#endif

#endif /* DEVCAP_H */

// Message texts that programs outside the library read back: the devcap
// tool recognises them in the log to tell where start-up stands and what a
// message is about, and tests compare with them. The library logs them from
// here (CAP_LOG takes a constant of this header as it takes a literal), so a
// reader of the log and the library cannot disagree about a text. The texts
// are kept verbatim, odd spellings included (see platform/log.h).
//
// The texts of the stage failures stand in the stage table, core/stages.h.
#pragma once

namespace cap::msg {

// Stage 2, once per capability file (and in stage 1 for the index): the path
// built, and the error when no file is there.
inline constexpr char kCapPath[] = "pcOutCapPath = %s\n";
inline constexpr char kPathError[] = "%s PATH error!\n";
// A path asked for with an empty name (no "board", an entry without "sensor"
// or "lens", a channel beyond the record's).
inline constexpr char kEmptyName[] = " cap_GetOneCapFilesPath para is invalid!\n";

// Stage 1 and 2 steps that fail after one of the messages above.
inline constexpr char kIndexPathFail[] = "Init hardwareindex Path Fail ! \n";
inline constexpr char kIndexFail[] = "cap_GetHardwareJson fail!\n";
inline constexpr char kBoardPathFail[] = "Init Board Path Fail ! \n";
inline constexpr char kSensorPathFail[] = "Init Sensor Path Fail ! \n";
inline constexpr char kLensPathFail[] = "Init Lens Path Fail ! \n";
inline constexpr char kFolderPathFail[] = "Get Cap_path.json Folder Path Fail ! \n";
inline constexpr char kPatchPathFail[] = "Init Patch Path Fail ! \n";

// A capability file that is missing, unreadable or not JSON, one text per
// file kind (the index's too begins with "patch").
inline constexpr char kIndexNotJson[] = "patch Json is Null.";
inline constexpr char kBoardNotJson[] = "Board Json is Null.";
inline constexpr char kBoardNotObject[] = "Board Json is not an object.";
inline constexpr char kSensorNotJson[] = "Sensor Json is Null.";
inline constexpr char kLensNotJson[] = "Lens Cap is null.";
inline constexpr char kPatchNotJson[] = "Patch Json is Null.";

// A text longer than its field (the text, its length, the field's size), and
// an array longer than its field (the key, its length, the slots kept).
inline constexpr char kTextOverflow[] = "%s size = %lu is overflow of %lu\n";
inline constexpr char kSurplusElements[] = "key=%s has %u elements, only %u kept.\n";

// Every integer member at the top of the board file, whatever its key.
inline constexpr char kBoardIntTrace[] = "key=%s,val=%d";

}  // namespace cap::msg

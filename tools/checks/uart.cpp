// The board's serial ports: uart-port-missing (a port kind left out of
// "Uart", for which the device logs an error at every start-up) and
// uart-direction (a port without its direction GPIO: a port object given
// replaces the whole port, so a direction GPIO it does not list reads 0, a
// real line).
#include "checks/checks.h"
#include "devcap.h"

namespace devcap_tool::lint {

namespace {

const struct {
    const char *pcKey;
    const char *pcName;
} kPorts[] = {{"Uart485", "RS-485"}, {"Uart422", "RS-422"}, {"Uart232", "RS-232"}};

}  // namespace

void CheckUart(const CapFile &file, FindingSink &sink) {
    if (file.enKind != FileKind::kBoard || !file.json.bDeviceReads) return;
    const JsonMember *pUart = file.json.root.FindMember("Uart");
    if (pUart == nullptr || !pUart->value.Is(JsonKind::kObject)) return;
    const std::string &strRel = file.strRel;
    for (const auto &port : kPorts) {
        const JsonMember *pPort = pUart->value.FindMember(port.pcKey);
        if (pPort == nullptr) {
            sink.Add(check::kUartPortMissing, strRel, pUart->stKeyPos, "Uart",
                     "\"Uart\" leaves out \"" + std::string(port.pcKey) + "\": the device answers no " + port.pcName +
                         " port but logs an error at every start-up; for a board without one write \"" + port.pcKey +
                         "\": {\"DeviceNode\": [], \"DirectionGpio\": [-1, -1, -1, -1]}")
                .bKeyless = true;
            continue;
        }
        if (!pPort->value.Is(JsonKind::kObject)) continue;  // the model's wrong type
        const JsonValue *pNodes = pPort->value.Find("DeviceNode");
        const JsonMember *pDir = pPort->value.FindMember("DirectionGpio");
        const size_t ulPorts = pNodes != nullptr && pNodes->Is(JsonKind::kArray) ? pNodes->items.size() : 0;
        const size_t ulDirs = pDir != nullptr && pDir->value.Is(JsonKind::kArray) ? pDir->value.items.size() : 0;
        const std::string strPort = model::JoinPath("Uart", port.pcKey);
        for (size_t i = ulDirs; i < ulPorts && i < CAP_UART_PORTS; ++i) {
            const JsonValue &node = pNodes->items[i];
            const std::string strNode = node.Is(JsonKind::kString) ? " (\"" + node.strText + "\")" : "";
            sink.Add(check::kUartDirection, strRel, pDir != nullptr ? pDir->stKeyPos : pPort->stKeyPos,
                     pDir != nullptr ? model::JoinPath(strPort, "DirectionGpio") : strPort,
                     port.pcName + std::string(" port ") + std::to_string(i) + strNode +
                         " has no direction GPIO: the device answers GPIO 0, a real line; write -1 for a port "
                         "without one");
        }
    }
}

}  // namespace devcap_tool::lint

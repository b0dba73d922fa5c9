// isp-info-count: more "ISP_INFO" entries than the device has channels.
#include "checks/checks.h"
#include "devcap.h"

namespace devcap_tool::lint {

void CheckChannels(const Product &p, FindingSink &sink) {
    if (!p.pIndex->json.bDeviceReads) return;
    const JsonValue *pIsp = p.pIndex->json.root.Find("ISP_INFO");
    if (pIsp == nullptr || pIsp->items.size() <= CAP_MAX_CHANNEL) return;
    const size_t ulNum = pIsp->items.size();
    Finding &f = sink.Add(check::kIspInfoCount, p.pIndex->strRel, pIsp->items[CAP_MAX_CHANNEL].stPos,
                          model::JoinPath("ISP_INFO", std::to_string(CAP_MAX_CHANNEL)),
                          "\"ISP_INFO\" has " + std::to_string(ulNum) + " entries but the device has " +
                              std::to_string(CAP_MAX_CHANNEL) + " channels: entries after the " +
                              std::to_string(CAP_MAX_CHANNEL) + "th are not read, while the channel count is " +
                              std::to_string(ulNum) + ", so stage 2 finds no name for channel " +
                              std::to_string(CAP_MAX_CHANNEL) + " and start-up fails");
    f.bKeyless = true;
}

}  // namespace devcap_tool::lint

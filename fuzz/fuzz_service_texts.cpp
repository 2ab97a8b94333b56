// Bytes from the network for the services: a headline file split into lines, a daytime reply
// cut into Greenwich and Moscow time, a time server's address. Each result is checked against
// its promise.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "services/ClockTexts.h"
#include "services/HeadlineText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);

    for (const std::string& line : plivant::SplitHeadlineLines(bytes)) {
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) std::abort();
    }

    std::string greenwich = plivant::GreenwichTime(bytes);
    if (greenwich.size() > 5 || (greenwich.empty() && !bytes.empty())) std::abort();
    if (auto moscow = plivant::MoscowTime(greenwich)) {
        if (moscow->empty() || moscow->size() > 5) std::abort();
    }

    plivant::TimeServer server = plivant::ParseTimeServer(bytes);
    if (server.Host.size() > bytes.size() || server.Port.empty()) std::abort();
    return 0;
}

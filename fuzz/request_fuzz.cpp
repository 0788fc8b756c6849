// The school server's request parser on any line a client may send, and the
// program's readers of the server's replies. A results line the parser takes must
// come out of the record again as the same line.
#include "net/protocol.h"
#include "net/replies.h"
#include "net/results_line.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The server hands the parser what comes before the first CR LF.
    const vimo::net::ParsedRequest parsed =
        vimo::net::parse_request(bytes.substr(0, bytes.find("\r\n")));
    if (parsed.request && parsed.request->command == vimo::net::Command::Rcw) {
        const std::string again =
            vimo::net::results_request(parsed.request->credentials, parsed.request->record);
        const vimo::net::ParsedRequest reparsed =
            vimo::net::parse_request(std::string_view(again).substr(0, again.size() - 2));
        if (!reparsed.request || !(reparsed.request->record == parsed.request->record))
            std::abort();
    }
    vimo::net::parse_login_reply(bytes);
    vimo::net::parse_lessons_reply(bytes);
    vimo::net::whole_results_file(bytes);
    return 0;
}

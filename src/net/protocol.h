#pragma once
// The school server's protocol, shared by the program and vimo-server. A request is
// one line: a four-character command ("LOG:") and fields, each followed by "#",
// nothing escaped, ended by CR LF. Each request has a connection of its own.

#include "results/cw_info.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo::net {

inline constexpr int kDefaultPort = 9099;
// A request line longer than this (without its CR LF) is refused unread.
inline constexpr std::size_t kMaxRequestLine = 64 * 1024;
// The most records an upload (PCW:) may hold.
inline constexpr std::size_t kMaxUploadRecords = 2000;
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kTrue = "TRUE";
inline constexpr std::string_view kFalse = "FALSE";

enum class Command { Log, Pcw, Gcw, Gui, Gil, Rcw, Chp };

// "LOG:" ... "CHP:".
std::string_view command_text(Command command);
std::optional<Command> command_of(std::string_view text);

// What every request but CHP: carries first: the learner's login and password and the
// course variant's results-file code ("v1r2_55").
struct Credentials {
    std::string login;
    std::string password;
    std::string code;
    bool operator==(const Credentials&) const = default;
};

// Request lines as the program sends them, CR LF included.
std::string credentials_request(Command command, const Credentials& credentials);
std::string results_request(const Credentials& credentials, const cw_Info& record);
std::string password_change_request(std::string_view login, std::string_view old_password,
                                    std::string_view new_password);

// The blanks the program removes from a typed login or password: every byte up to
// and including the space, at both ends.
std::string_view trim_blanks(std::string_view text);

// A request as the server reads it. A login never holds "#", a course code neither,
// and the results line has a fixed number of fields, so the password is what lies
// between the first field and those counted from the end, "#" and all.
struct Request {
    Command command = Command::Log;
    Credentials credentials;  // for CHP: login and old password; code empty
    std::string new_password; // CHP: only
    cw_Info record;           // RCW: only: the results line
};

// Why a line is not a request; the server answers FALSE or closes.
struct RequestError {
    std::string reason;
};

struct ParsedRequest {
    std::optional<Request> request;
    RequestError error; // when request is empty
};
// `line` without its CR LF.
ParsedRequest parse_request(std::string_view line);

} // namespace vimo::net

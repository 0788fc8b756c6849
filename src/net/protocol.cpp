#include "net/protocol.h"

#include "net/fields.h"
#include "net/results_line.h"

#include <array>

namespace vimo::net {

namespace {

constexpr std::array<std::pair<Command, std::string_view>, 7> kCommands{{
    {Command::Log, "LOG:"},
    {Command::Pcw, "PCW:"},
    {Command::Gcw, "GCW:"},
    {Command::Gui, "GUI:"},
    {Command::Gil, "GIL:"},
    {Command::Rcw, "RCW:"},
    {Command::Chp, "CHP:"},
}};

ParsedRequest refused(std::string reason) {
    return {std::nullopt, {std::move(reason)}};
}

// The text between the first "#" and the field `from_end` places before the end
// (1: the last field), the "#"s inside included.
std::string middle(const std::vector<std::string_view>& fields, std::size_t from_end) {
    std::string text;
    for (std::size_t i = 1; i + from_end < fields.size(); ++i) {
        if (i > 1) text += '#';
        text += fields[i];
    }
    return text;
}

} // namespace

std::string_view command_text(Command command) {
    for (const auto& [c, text] : kCommands)
        if (c == command) return text;
    return {};
}

std::optional<Command> command_of(std::string_view text) {
    for (const auto& [c, name] : kCommands)
        if (name == text) return c;
    return std::nullopt;
}

std::string credentials_request(Command command, const Credentials& c) {
    return std::string(command_text(command)) + join_fields({c.login, c.password, c.code}) +
           std::string(kLineEnd);
}

std::string results_request(const Credentials& c, const cw_Info& record) {
    return std::string(command_text(Command::Rcw)) + join_fields({c.login, c.password, c.code}) +
           results_line(record) + std::string(kLineEnd);
}

std::string password_change_request(std::string_view login, std::string_view old_password,
                                    std::string_view new_password) {
    return std::string(command_text(Command::Chp)) +
           join_fields({std::string(login), std::string(old_password), std::string(new_password)}) +
           std::string(kLineEnd);
}

std::string_view trim_blanks(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

ParsedRequest parse_request(std::string_view line) {
    if (line.size() < 4) return refused("no command");
    const std::optional<Command> command = command_of(line.substr(0, 4));
    if (!command) return refused("unknown command");
    const std::string_view body = line.substr(4);
    if (!body.empty() && body.back() != '#') return refused("a field without its #");
    const std::vector<std::string_view> fields = split_fields(body);
    const std::size_t trailing = *command == Command::Rcw ? kResultsLineFields + 1 : 1;
    if (fields.size() < trailing + 2) return refused("missing fields");

    Request request;
    request.command = *command;
    request.credentials.login = std::string(fields.front());
    request.credentials.password = middle(fields, trailing);
    if (*command == Command::Chp) {
        request.credentials.login = std::string(trim_blanks(request.credentials.login));
        request.credentials.password = std::string(trim_blanks(request.credentials.password));
        request.new_password = std::string(trim_blanks(fields.back()));
    } else {
        request.credentials.code = std::string(fields[fields.size() - trailing]);
    }
    if (request.credentials.login.empty()) return refused("an empty login");
    if (*command != Command::Chp && request.credentials.code.empty())
        return refused("an empty course code");
    if (*command == Command::Rcw) {
        const std::vector<std::string_view> line_fields(fields.end() - kResultsLineFields,
                                                        fields.end());
        std::optional<cw_Info> record = record_of_results_fields(line_fields);
        if (!record) return refused("a results line that is no record");
        request.record = std::move(*record);
    }
    return {std::move(request), {}};
}

} // namespace vimo::net

#include "net/replies.h"

#include "net/fields.h"
#include "net/protocol.h"

#include <climits>

namespace vimo::net {

namespace {

// The next line of bytes ending in CR LF, advancing `rest`; nullopt when none is whole.
std::optional<std::string_view> next_line(std::string_view& rest) {
    const std::size_t end = rest.find(kLineEnd);
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end + kLineEnd.size());
    return line;
}

ParsedLessons lessons_error(std::string text) {
    return {std::nullopt, std::move(text)};
}

} // namespace

std::string login_reply_line(const LoginReply& r) {
    return join_fields({std::to_string(r.status), r.has_results ? "1" : "0",
                        std::to_string(r.field_3), std::to_string(r.field_4),
                        std::to_string(r.typing), std::to_string(r.dictionary)}) +
           std::string(kLineEnd);
}

ParsedLoginReply parse_login_reply(std::string_view line) {
    if (line.ends_with(kLineEnd)) line.remove_suffix(kLineEnd.size());
    std::vector<std::string_view> fields = split_fields(line);
    fields.resize(6);
    LoginReply reply;
    reply.status = fields[0] == "0"   ? LoginReply::Refused
                   : fields[0] == "2" ? LoginReply::NoAccess
                                      : LoginReply::Accepted;
    reply.has_results = fields[1] != "0";
    int* const values[] = {&reply.field_3, &reply.field_4, &reply.typing, &reply.dictionary};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto value = parse_integer(fields[i + 2], INT_MIN, INT_MAX);
        if (!value)
            return {std::nullopt,
                    "'" + std::string(fields[i + 2]) + "' is not a valid integer value"};
        *values[i] = static_cast<int>(*value);
    }
    return {reply, {}};
}

std::string lessons_reply(const std::vector<PreparedLesson>& lessons) {
    const std::string end(kLineEnd);
    std::string bytes = std::to_string(lessons.size()) + end;
    for (const PreparedLesson& lesson : lessons) {
        bytes += join_fields({lesson.name, std::to_string(lesson.exercises.size())}) + end;
        for (const LessonExercise& exercise : lesson.exercises)
            bytes += join_fields({std::to_string(exercise.number), exercise.name}) + end;
    }
    return bytes;
}

ParsedLessons parse_lessons_reply(std::string_view rest) {
    const auto count_line = next_line(rest);
    if (!count_line) return lessons_error("no lesson count");
    const auto count = parse_integer(*count_line, 0, 100'000);
    if (!count) return lessons_error("a lesson count that is no number");
    std::vector<PreparedLesson> lessons;
    for (std::int64_t i = 0; i < *count; ++i) {
        const auto head = next_line(rest);
        if (!head) return lessons_error("the lessons end early");
        const std::vector<std::string_view> fields = split_fields(*head);
        const auto exercises =
            fields.size() == 2 ? parse_integer(fields[1], 0, 100'000) : std::nullopt;
        if (!exercises) return lessons_error("a lesson line that is not name#count#");
        PreparedLesson lesson{std::string(fields[0]), {}};
        for (std::int64_t j = 0; j < *exercises; ++j) {
            const auto line = next_line(rest);
            if (!line) return lessons_error("a lesson's exercises end early");
            const std::vector<std::string_view> parts = split_fields(*line);
            const auto number =
                parts.size() == 2 ? parse_integer(parts[0], INT_MIN, INT_MAX) : std::nullopt;
            if (!number) return lessons_error("an exercise line that is not number#name#");
            lesson.exercises.push_back({static_cast<int>(*number), std::string(parts[1])});
        }
        lessons.push_back(std::move(lesson));
    }
    if (!rest.empty()) return lessons_error("bytes after the last lesson");
    return {std::move(lessons), {}};
}

std::optional<std::vector<cw_Info>> whole_results_file(std::string_view bytes) {
    if (bytes.size() % kCwInfoSize != 0) return std::nullopt;
    if (bytes.size() / kCwInfoSize > kMaxUploadRecords) return std::nullopt;
    std::vector<cw_Info> records;
    records.reserve(bytes.size() / kCwInfoSize);
    for (std::size_t at = 0; at < bytes.size(); at += kCwInfoSize) {
        DecodedCwInfo decoded = decode_cw_info(bytes.substr(at, kCwInfoSize));
        if (decoded.malformed) return std::nullopt;
        records.push_back(std::move(decoded.record));
    }
    return records;
}

} // namespace vimo::net

#pragma once
// The server's replies: the login reply line, the prepared lessons after GIL:, and the
// results upload of PCW: as the server checks it.

#include "results/cw_info.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo::net {

// LOG: reply fields 1 to 6.
struct LoginReply {
    enum Status { Refused = 0, Accepted = 1, NoAccess = 2 };
    int status = Refused;
    bool has_results = false;
    int field_3 = 0;
    int field_4 = 0;
    int typing = 1;     // 0 forbids typing tasks inside exercises
    int dictionary = 1; // 0 hides the sentence screen's dictionary button
    bool operator==(const LoginReply&) const = default;
};

// "1#1#0#0#1#1#" and CR LF.
std::string login_reply_line(const LoginReply& reply);

struct ParsedLoginReply {
    std::optional<LoginReply> reply;
    std::string error; // a field 3 to 6 that is no decimal integer
};
// As the program reads it: a field is the text before its "#"; a missing field reads
// as empty; field 1 "0" and "2" are the refusals, anything else accepts; field 2 "0"
// says no results, anything else says results; fields 3 to 6 must be integers.
ParsedLoginReply parse_login_reply(std::string_view line);

// Prepared lessons: texts are Windows-1250 bytes without "#", CR or LF.
struct LessonExercise {
    int number = 0;
    std::string name;
    bool operator==(const LessonExercise&) const = default;
};
struct PreparedLesson {
    std::string name;
    std::vector<LessonExercise> exercises;
    bool operator==(const PreparedLesson&) const = default;
};

// The lesson count on a line; per lesson "name#n#" and n lines "number#name#"; every
// line ends in CR LF. The server then closes the connection.
std::string lessons_reply(const std::vector<PreparedLesson>& lessons);

struct ParsedLessons {
    std::optional<std::vector<PreparedLesson>> lessons;
    std::string error;
};
// All bytes received up to the close.
ParsedLessons parse_lessons_reply(std::string_view bytes);

// The records of a results file; nullopt unless it is whole: a multiple of 560 bytes,
// at most kMaxUploadRecords records, each readable without cutting a text.
std::optional<std::vector<cw_Info>> whole_results_file(std::string_view bytes);

} // namespace vimo::net

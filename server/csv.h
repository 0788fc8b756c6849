#pragma once
// RFC 4180 CSV: the learner import reads it, the results export writes it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo::server {

struct CsvRow {
    int line = 0; // where the row starts, from 1
    std::vector<std::string> fields;
};

struct CsvRead {
    std::vector<CsvRow> rows;
    std::optional<int> error_line; // a quoted field that never ends, or a stray quote
    std::string error;
};
// Rows end in CR LF or LF; a last row without its line end counts too.
CsvRead read_csv(std::string_view text);

// One row, fields quoted where they hold a comma, a quote, CR or LF; ends in CR LF.
std::string csv_row(const std::vector<std::string>& fields);

} // namespace vimo::server

#include "server/csv.h"

namespace vimo::server {

CsvRead read_csv(std::string_view text) {
    CsvRead read;
    CsvRow row;
    std::string field;
    int line = 1;
    bool quoted = false;     // inside a quoted field
    bool was_quoted = false; // the field so far was a quoted one
    bool row_started = false;
    row.line = 1;
    const auto end_field = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
        was_quoted = false;
    };
    const auto end_row = [&] {
        end_field();
        read.rows.push_back(std::move(row));
        row = CsvRow{};
        row_started = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!row_started) {
            row.line = line;
            row_started = true;
        }
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++line;
                field += c;
            }
            continue;
        }
        if (c == '"') {
            if (!field.empty() || was_quoted) {
                read.error_line = line;
                read.error = "a quote inside an unquoted field";
                return read;
            }
            quoted = was_quoted = true;
        } else if (c == ',') {
            end_field();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        } else if (c == '\n') {
            end_row();
            ++line;
        } else if (was_quoted) {
            read.error_line = line;
            read.error = "text after a closing quote";
            return read;
        } else {
            field += c;
        }
    }
    if (quoted) {
        read.error_line = row.line;
        read.error = "a quoted field that never ends";
        return read;
    }
    if (row_started) end_row();
    return read;
}

std::string csv_row(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        const std::string& f = fields[i];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            out += f;
            continue;
        }
        out += '"';
        for (const char c : f) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out + "\r\n";
}

} // namespace vimo::server

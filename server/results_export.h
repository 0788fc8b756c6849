#pragma once
// vimo-server results export: the learners' records as CSV (RFC 4180, UTF-8, with a
// header row) or JSON, texts converted from the records' Windows-1250 bytes.

#include "server/arguments.h"
#include "server/database.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace vimo::server {

// The column names, in order.
const std::vector<std::string>& export_columns();

// Options --format csv|json, --learner, --class, --course.
void results_export(Database& db, const Arguments& args, std::ostream& out);

} // namespace vimo::server

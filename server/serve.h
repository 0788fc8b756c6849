#pragma once
// vimo-server serve --db DB [--listen ADDR:PORT] [--idle-timeout SECONDS]
// [--max-connections N]: prints "listening on ADDR:PORT", serves until SIGTERM or
// SIGINT, finishes the requests in flight and returns 0.

#include <string>
#include <vector>

namespace vimo::server {

int run_serve(const std::vector<std::string>& words);

} // namespace vimo::server

#pragma once
// The one place where Windows-1250 text meets the rest of the system.

#include <string>
#include <string_view>

namespace vimo {

// Windows-1250 bytes to UTF-8. Bytes the code page leaves undefined become U+FFFD.
std::string cp1250_to_utf8(std::string_view text);
// Windows-1252 bytes (the Western code page of the French course's words) to UTF-8.
std::string cp1252_to_utf8(std::string_view text);
// UTF-8 to Windows-1250. Characters the code page cannot hold become "?".
std::string utf8_to_cp1250(std::string_view text);

} // namespace vimo

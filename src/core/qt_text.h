#pragma once
// Conversions to and from QString for the places where text is painted or shown.

#include "core/uni.h"

#include <QString>

namespace vimo {

// The units of a UTF-16 byte string up to its first U+0000 (as a painted wide
// string ends there); a dangling odd byte is ignored.
QString uni_to_qstring(std::string_view uni);
// The UTF-16 byte string of a QString (no trailing U+0000).
UniString qstring_to_uni(const QString& text);
// Windows-1250 bytes as a QString.
QString cp1250_to_qstring(std::string_view text);

} // namespace vimo

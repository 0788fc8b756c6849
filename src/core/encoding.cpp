#include "core/encoding.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace vimo {

namespace {

// One iconv conversion descriptor, closed when it goes out of scope.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == kInvalid) {
            throw std::runtime_error(std::string("no converter from ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    iconv_t get() const { return m_cd; }

private:
    static inline const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);
    iconv_t m_cd = kInvalid;
};

// Length of the UTF-8 sequence that starts at text[0], as far as it is well formed, so
// that skipping a character the target cannot hold never swallows the next one.
std::size_t utf8_sequence_length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t expected = 1;
    if (lead >= 0xF8) {
        expected = 1;
    } else if (lead >= 0xF0) {
        expected = 4;
    } else if (lead >= 0xE0) {
        expected = 3;
    } else if (lead >= 0xC0) {
        expected = 2;
    }
    std::size_t length = 1;
    while (length < expected && length < text.size() &&
           (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

using SkipLength = std::size_t (*)(std::string_view);

std::size_t one_byte(std::string_view) {
    return 1;
}

// Converts text whole; an input character the converter rejects is skipped and
// replacement written in its place.
std::string convert(const Converter& converter, std::string_view text, std::string_view replacement,
                    SkipLength skip_length) {
    std::string out(text.size() * 2 + 16, '\0');
    char* in_ptr = const_cast<char*>(text.data());
    std::size_t in_left = text.size();
    std::size_t written = 0;

    while (in_left > 0) {
        char* out_ptr = out.data() + written;
        std::size_t out_left = out.size() - written;
        const std::size_t result = iconv(converter.get(), &in_ptr, &in_left, &out_ptr, &out_left);
        written = out.size() - out_left;
        if (result != static_cast<std::size_t>(-1)) break;

        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // EILSEQ (a character that is undefined or cannot be held) or EINVAL (a
        // sequence cut off at the end of the text).
        const std::size_t skipped =
            errno == EINVAL ? in_left : skip_length(std::string_view(in_ptr, in_left));
        in_ptr += skipped;
        in_left -= skipped;
        if (out.size() - written < replacement.size()) out.resize(out.size() * 2);
        written += replacement.copy(out.data() + written, replacement.size());
    }
    out.resize(written);
    return out;
}

// ASCII reads the same in every code page and in UTF-8: most course texts need no
// converter at all.
bool is_ascii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Opening a converter costs more than most conversions, and loaders convert thousands
// of short texts: each thread keeps one per direction, reset before every use.
const Converter& reset(const Converter& converter) {
    iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
    return converter;
}

} // namespace

std::string cp1250_to_utf8(std::string_view text) {
    if (is_ascii(text)) return std::string(text);
    thread_local const Converter converter("UTF-8", "WINDOWS-1250");
    return convert(reset(converter), text, "\xEF\xBF\xBD", one_byte);
}

std::string cp1252_to_utf8(std::string_view text) {
    if (is_ascii(text)) return std::string(text);
    thread_local const Converter converter("UTF-8", "WINDOWS-1252");
    return convert(reset(converter), text, "\xEF\xBF\xBD", one_byte);
}

std::string utf8_to_cp1250(std::string_view text) {
    if (is_ascii(text)) return std::string(text);
    thread_local const Converter converter("WINDOWS-1250", "UTF-8");
    return convert(reset(converter), text, "?", utf8_sequence_length);
}

} // namespace vimo

#include "audio/wav_file.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>

namespace vimo {

namespace {

std::uint32_t u32(std::string_view bytes, std::size_t at) {
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

std::uint16_t u16(std::string_view bytes, std::size_t at) {
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

void put_u32(std::string& out, std::uint32_t value) {
    char le[4];
    qToLittleEndian<quint32>(value, le);
    out.append(le, 4);
}

void put_u16(std::string& out, std::uint16_t value) {
    char le[2];
    qToLittleEndian<quint16>(value, le);
    out.append(le, 2);
}

WavFormat format_at(std::string_view bytes, std::size_t at) {
    return {.channels = u16(bytes, at + 2),
            .sample_rate = static_cast<int>(u32(bytes, at + 4)),
            .byte_rate = static_cast<int>(std::min<std::uint32_t>(u32(bytes, at + 8), INT32_MAX)),
            .block_align = u16(bytes, at + 12),
            .bits = u16(bytes, at + 14)};
}

// The fmt and data chunks of a RIFF/WAVE file, if both are there.
std::optional<WavLayout> chunk_layout(std::string_view bytes) {
    if (bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return std::nullopt;
    std::optional<WavFormat> format;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = u32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= bytes.size())
            format = format_at(bytes, body);
        if (id == "data" && format) {
            WavLayout layout;
            layout.format = *format;
            layout.data_offset = body;
            layout.declared_size = size;
            layout.data_size = std::min(size, bytes.size() - body);
            return layout;
        }
        // Chunks are padded to an even size.
        const std::size_t next = body + size + (size % 2);
        if (next <= at) break;
        at = next;
    }
    return std::nullopt;
}

} // namespace

std::optional<WavLayout> read_wav_layout(std::string_view bytes) {
    if (bytes.size() < kCanonicalWavHeader) return std::nullopt;
    if (std::optional<WavLayout> chunks = chunk_layout(bytes)) return chunks;
    // The fixed layout: format at 20, data size at 40, samples from 44.
    WavLayout layout;
    layout.format = format_at(bytes, 20);
    layout.data_offset = kCanonicalWavHeader;
    layout.declared_size = u32(bytes, 40);
    layout.data_size = std::min(layout.declared_size, bytes.size() - kCanonicalWavHeader);
    return layout;
}

WavFormat recording_format() {
    return {.channels = 1, .sample_rate = 22050, .byte_rate = 44100, .block_align = 2, .bits = 16};
}

std::string wav_bytes(const WavFormat& format, std::string_view samples) {
    std::string out;
    out.reserve(kCanonicalWavHeader + samples.size());
    out += "RIFF";
    put_u32(out, static_cast<std::uint32_t>(36 + samples.size()));
    out += "WAVEfmt ";
    put_u32(out, 16);
    put_u16(out, 1); // PCM
    put_u16(out, static_cast<std::uint16_t>(format.channels));
    put_u32(out, static_cast<std::uint32_t>(format.sample_rate));
    put_u32(out, static_cast<std::uint32_t>(format.byte_rate));
    put_u16(out, static_cast<std::uint16_t>(format.block_align));
    put_u16(out, static_cast<std::uint16_t>(format.bits));
    out += "data";
    put_u32(out, static_cast<std::uint32_t>(samples.size()));
    out.append(samples);
    return out;
}

long long wav_duration_ms(const WavLayout& layout) {
    if (layout.format.byte_rate <= 0) return 0;
    return static_cast<long long>(layout.data_size) * 1000 / layout.format.byte_rate;
}

std::optional<long long> wav_file_duration_ms(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    const std::optional<WavLayout> layout = read_wav_layout(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!layout) return std::nullopt;
    return wav_duration_ms(*layout);
}

} // namespace vimo

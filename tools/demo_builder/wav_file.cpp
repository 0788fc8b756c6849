#include "demo_builder/wav_file.h"

#include <QtEndian>

namespace vimo {

namespace {

constexpr int k_channels = 1;
constexpr int k_bits = 16;
constexpr int k_pcm = 1;
constexpr int k_bytes_per_second = k_wav_sample_rate * k_channels * k_bits / 8;

quint32 u32_at(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 u16_at(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

void put_u32(QByteArray& bytes, quint32 value) {
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

void put_u16(QByteArray& bytes, quint16 value) {
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

bool tag_at(const QByteArray& bytes, int offset, const char* tag) {
    return bytes.mid(offset, 4) == QByteArray(tag, 4);
}

QString format_problem(const QByteArray& bytes) {
    if (u32_at(bytes, 16) != 16) return QStringLiteral("the fmt chunk is not 16 bytes");
    if (u16_at(bytes, 20) != k_pcm) return QStringLiteral("not PCM");
    if (u16_at(bytes, 22) != k_channels) return QStringLiteral("not mono");
    if (u32_at(bytes, 24) != k_wav_sample_rate) return QStringLiteral("not 22050 Hz");
    if (u32_at(bytes, 28) != k_bytes_per_second || u16_at(bytes, 32) != k_bits / 8) {
        return QStringLiteral("inconsistent byte rate or block size");
    }
    if (u16_at(bytes, 34) != k_bits) return QStringLiteral("not 16-bit");
    return {};
}

} // namespace

QString canonical_wav_problem(const QByteArray& bytes) {
    if (bytes.size() < k_wav_header_size) return QStringLiteral("shorter than a WAV header");
    if (!tag_at(bytes, 0, "RIFF") || !tag_at(bytes, 8, "WAVE") || !tag_at(bytes, 12, "fmt ")) {
        return QStringLiteral("not a RIFF WAVE file starting with its fmt chunk");
    }
    if (!tag_at(bytes, 36, "data")) return QStringLiteral("the data chunk does not start at 36");
    if (const QString problem = format_problem(bytes); !problem.isEmpty()) return problem;
    const qint64 data = u32_at(bytes, 40);
    if (data + k_wav_header_size != bytes.size() || u32_at(bytes, 4) != bytes.size() - 8) {
        return QStringLiteral("chunk sizes do not match the file length");
    }
    return {};
}

qint64 wav_duration_ms(const QByteArray& bytes) {
    if (bytes.size() < k_wav_header_size) return 0;
    return static_cast<qint64>(u32_at(bytes, 40)) * 1000 / k_bytes_per_second;
}

QByteArray canonical_wav(const std::vector<qint16>& samples) {
    const auto data = static_cast<quint32>(samples.size() * sizeof(qint16));
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(k_wav_header_size + data));
    bytes.append("RIFF");
    put_u32(bytes, data + k_wav_header_size - 8);
    bytes.append("WAVEfmt ");
    put_u32(bytes, 16);
    put_u16(bytes, k_pcm);
    put_u16(bytes, k_channels);
    put_u32(bytes, k_wav_sample_rate);
    put_u32(bytes, k_bytes_per_second);
    put_u16(bytes, k_channels * k_bits / 8);
    put_u16(bytes, k_bits);
    bytes.append("data");
    put_u32(bytes, data);
    for (const qint16 sample : samples)
        put_u16(bytes, static_cast<quint16>(sample));
    return bytes;
}

} // namespace vimo

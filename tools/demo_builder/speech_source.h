#pragma once
// The recordings of the demo course are synthesised from readable sources in
// demo/speech/*.txt (UTF-8). Each entry names the course file it becomes, the voice
// and the words:
//
//   # a comment
//   Teksty_wav\1.wav = en-gb = Hi, my name is Tom
//       and I work in a small bookshop.
//   Dialogi\cafe_01.wav = en-gb+f3@140 = Good morning.
//
// The file is a path relative to the course root ("\" or "/" between folders) ending
// in ".wav" (a recording) or ".mpg" (a film: a drawn picture with the speech as its
// sound). The voice is an espeak-ng voice name, optionally followed by "@" and the
// speed in words per minute. Everything after the second "=" is the text; indented
// lines that follow continue it (joined with one space) up to a blank line or a
// comment.

#include <QByteArray>
#include <QList>
#include <QString>

namespace vimo {

// The source folder holding the speech sources.
inline constexpr auto k_speech_folder = "speech";
// A little slower than espeak-ng's own 175, for learners.
inline constexpr int k_default_speech_speed = 150;

struct SpeechEntry {
    QString file;   // the source it comes from
    int line = 0;   // 1-based line of the entry's first line
    QString output; // relative to the course root, "/" between folders
    QString voice;
    int speed = k_default_speech_speed;
    QString text;

    bool is_film() const { return output.endsWith(QLatin1String(".mpg")); }
};

// The entries of one source. Throws DemoSourceError naming file and line for bad
// UTF-8, a line that is neither an entry nor a continuation, a bad file name, voice or
// speed, and an entry without text.
QList<SpeechEntry> read_speech_source(const QByteArray& bytes, const QString& file);

// The entries of every *.txt in folder, by file name. Throws DemoSourceError as
// above, and naming the later line when two entries write the same course file
// (compared without regard to letter case, as the course's file access does).
QList<SpeechEntry> read_speech_sources(const QString& folder);

} // namespace vimo

#pragma once
// Synthesising the recordings and the film of the demo course (sources: see
// speech_source.h) with espeak-ng, sox and ffmpeg.
//
// A recording is spoken by espeak-ng, then sox pads it with a little silence and
// writes it as 16-bit mono 22050 Hz PCM with the canonical 44-byte header. A film is
// the drawn street scene (film_scene.h) at 25 frames a second with that recording as
// its sound, written by ffmpeg as an MPEG-1 program stream (mpeg1video + mp2).
//
// The output folder keeps a stamp per course file (k_speech_stamps); an entry whose
// stamp matches and whose file exists is not made again, so rebuilds are quick.

#include <QString>
#include <QStringList>

namespace vimo {

inline constexpr auto k_speech_stamps = ".speech-stamps";

struct SpeechBuild {
    QStringList written; // course files made in this run
    int unchanged = 0;   // entries skipped because their stamp matched
};

// Makes every entry of source_dir/speech in output_dir. Throws DemoSourceError naming
// the entry's source file and line when a tool fails or writes something unexpected.
SpeechBuild build_demo_speech(const QString& source_dir, const QString& output_dir);

} // namespace vimo

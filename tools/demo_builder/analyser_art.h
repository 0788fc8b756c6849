#pragma once
// The pictures of the speech analyser: its background in every interface language's
// folder (titled and captioned there, the two waveform views framed, the button places
// left plain), and the record and loudspeaker buttons under the course root, shared by
// all languages.

#include "demo_builder/artwork.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace vimo {

// mowa.bmp, 560 by 360, opaque.
QImage draw_analyser_background(const ArtWording& wording);

// The record button idle, under the mouse and recording, and the loudspeaker that plays
// the learner's take: 40 by 40, keyed (bottom-left pixel) for the background's ground.
enum class AnalyserButton { microphone, microphone_over, microphone_on, speaker };
QImage draw_analyser_button(AnalyserButton button);

// Writes mowa.bmp into language_gfx_folder (a language folder's gfx_r/); returns the path.
QStringList write_analyser_language_pictures(const QString& language_gfx_folder,
                                             const ArtWording& wording);
// Writes mikrofon.bmp, mikrofon_nad.bmp, mikrofon_on.bmp and glosnik.bmp into
// course_root/gfx_r/; returns the paths.
QStringList write_analyser_pictures(const QString& course_root);

} // namespace vimo

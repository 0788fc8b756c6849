#pragma once
// Turning the demo/ source folder into the files of a runnable demo course.
//
// Every top-level folder of the source names the rule its files follow:
//   utf16/<path>  UTF-8 text written as a course text file (UTF-16LE, FF FE, CR LF)
//   cp1250/<path> UTF-8 text written as Windows-1250 with CR LF; @COURSE_ROOT@ becomes
//                 the absolute path of the output folder ending with "/"
//   copy/<path>   copied byte for byte
//   art/          the wording of the drawn pictures (see artwork.h)
//   speech/       the recordings and the film, synthesised (see speech_build.h)
// The pictures that the tables name are drawn from the tables themselves
// (course_pictures.h).
// Outputs land at <output>/<path>. Each is replaced atomically, and nothing else in the
// output folder is touched, so data a learner created in the demo course survives.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vimo {

// The source folder holding the wording of the pictures.
inline constexpr auto k_art_folder = "art";
// Replaced in Windows-1250 sources by the absolute output folder ending with "/".
inline constexpr auto k_course_root_token = "@COURSE_ROOT@";

// The absolute form of folder, ending with "/".
QString course_root_path(const QString& folder);

// Replaces the file at path (creating its folder) by way of a temporary file in the
// same folder that is renamed over it. Throws DemoSourceError naming path on failure.
void write_file_atomically(const QString& path, const QByteArray& bytes);

// Converts or copies every text and verbatim source of source_dir into output_dir and
// returns the paths written. Throws DemoSourceError for a bad source or an unknown
// top-level folder.
QStringList build_demo_texts(const QString& source_dir, const QString& output_dir);

} // namespace vimo

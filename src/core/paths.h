#pragma once
// Course paths as the course files and the program write them ("Lang_r\0\gfx_r\x.bmp",
// any letter case, "\" or "/") resolved to files of this machine. Every file access
// goes through resolve_path, so a course copied from a Windows medium works unchanged.
// Paths are UTF-8 byte strings, the local file-name encoding; text read from
// Windows-1250 files is converted before it becomes part of a path.

#include <string>
#include <string_view>

namespace vimo {

// "\" becomes "/", repeated separators collapse, a trailing separator is dropped
// (except for the root "/").
std::string normalize_separators(std::string_view path);

// The path of an existing file or folder that the course path names: each component
// that does not exist with that exact case is matched case-insensitively among the
// entries of its folder. Components that match nothing are kept as written, so the
// result is also the path to create a new file at.
std::string resolve_path(std::string_view path);

// True when resolve_path(path) names an existing file or folder.
bool path_exists(std::string_view path);

// How problems name a course file: its resolved path relative to the course root,
// "/"-separated and spelled as found on disk (the whole path when it lies elsewhere).
std::string course_relative_name(const std::string& course_root, const std::string& path);

// The folder part of path, up to and including its last "/" or "\" ("" if none).
std::string folder_of(std::string_view path);

} // namespace vimo

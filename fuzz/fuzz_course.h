#pragma once
// A course folder for a fuzzing process: each input becomes one course file, a loader
// reads it, and the problems it reports (the expected outcome for most inputs) are
// dropped. What the fuzzer looks for is a crash, a sanitizer report or a hang.

#include "core/course_loaders.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace vimo::fuzz {

using Loader = void (*)(const Config&, CourseTables&, CourseProblems&);

// The input as a UTF-16 course file: the byte-order mark, then the bytes.
std::string utf16_file(const std::uint8_t* data, std::size_t size);
// The input as an 8-bit file, unchanged.
std::string plain_file(const std::uint8_t* data, std::size_t size);

// A loader and the course file (relative to the course root) it reads.
struct Target {
    const char* file = "";
    Loader loader = nullptr;
};

// Writes bytes as each target's file and runs its loader on fresh tables.
void load(const std::string& bytes, std::initializer_list<Target> targets);

} // namespace vimo::fuzz

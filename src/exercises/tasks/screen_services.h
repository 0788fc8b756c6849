#pragma once
// What every exercise screen is made with: the course, the shared pictures, help and
// message window, the one table of painted instruction words, the engine's random
// source and clock, and the shared player. The program makes one and hands it to each
// screen it creates; tests make their own.

namespace vimo {

struct CourseState;
class TMyImageList;
class HelpLinks;
class TForm20;
class InstructionWordTable;
class RandomSource;
class Clock;
class SoundService;
struct Settings;

struct ScreenServices {
    const CourseState& course;
    const TMyImageList& pictures;
    HelpLinks& help;
    TForm20& messages;
    InstructionWordTable& instructions;
    RandomSource& random;
    const Clock& clock;
    SoundService& sound;
    const Settings& settings; // the learner's: letter case in the answers
};

} // namespace vimo

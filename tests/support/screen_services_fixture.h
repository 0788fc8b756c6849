#pragma once
// Everything an exercise screen is made with, for the screen tests: a temporary
// course, its state, an empty picture list, help that notes what was asked, a message
// window, an instruction table, scripted random draws, a fixed clock and the sound
// service that the whole test program shares (a player is costly to set up).

#include "controls/MyImageList.h"
#include "controls/button_pictures.h"
#include "controls/message_window.h"
#include "core/course_state.h"
#include "core/settings.h"
#include "core/sound.h"
#include "exercises/tasks/screen_services.h"
#include "exercises/tasks/text_painter.h"
#include "support/fixed_sources.h"
#include "support/recording_help.h"
#include "support/temp_course.h"

#include <QCoreApplication>
#include <chrono>
#include <vector>

namespace vimo::test {

inline SoundService& shared_sound() {
    // Parented to the application, so it goes with the application's end.
    static SoundOutputs outputs{[](const std::string&) {}};
    static SoundService* sound = new SoundService(
        outputs, [](const std::string&) {}, qApp);
    return *sound;
}

struct ScreenServicesFixture {
    explicit ScreenServicesFixture(std::vector<int> draws = {0}) : random(std::move(draws)) {
        course.config.course_root = files.root();
    }

    TempCourse files;
    CourseState course;
    TMyImageList pictures;
    RecordingHelp help;
    TForm20 messages{course.config, &pictures, button_picture::exit};
    InstructionWordTable instructions;
    ScriptedRandom random;
    FixedClock clock{std::chrono::sys_days{std::chrono::year{2026} / 12 / 10} +
                     std::chrono::hours{12}};
    Settings settings;
    ScreenServices services{course, pictures, help,           messages, instructions,
                            random, clock,    shared_sound(), settings};
};

} // namespace vimo::test

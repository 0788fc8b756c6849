#pragma once
// What the stand-alone exercise screens are made with besides the services every
// exercise screen shares: the two voice recorders, the answer popup, and the program's
// side of a result, the dictionary and leaving.

#include "exercises/stand_alone/item_result.h"
#include "exercises/tasks/screen_services.h"
#include "exercises/tasks/text_painter.h"

#include <functional>

namespace vimo {

class Recorder;
class TForm6;

struct StandAloneLinks {
    // Stores a result of the open item and saves the learner's files.
    std::function<void(const ItemResult& result)> record;
    // The screen closed: the screen underneath shows the new marks.
    std::function<void()> closed;
    DictionaryOpen look_up;           // a right-clicked word
    std::function<void()> dictionary; // the dictionary button: the full window
};

struct StandAloneServices {
    ScreenServices& screen;
    Recorder& recorder_a; // tells the learner of each failing step
    Recorder& recorder_b; // silent
    TForm6& answer_popup; // "Twoja odpowiedź"
    StandAloneLinks links;
};

} // namespace vimo

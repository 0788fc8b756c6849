#pragma once
// How a screen reaches the help: F1 opens a help page, a help button shows a help
// text of the information window. The program's help windows implement it; until a
// window is there, NoHelp leaves the request unanswered.

#include "core/uni.h"

#include <string>

namespace vimo {

class HelpLinks {
public:
    virtual ~HelpLinks() = default;
    // page: relative to the course root, "\" separated, optionally with "#anchor"
    // ("Htm_r\h_log.html").
    virtual void open_help_page(const std::string& page) = 0;
    // key: the information window's text key, "HH_" followed by an interface text.
    virtual void show_help_text(const UniString& key) = 0;
};

class NoHelp final : public HelpLinks {
public:
    void open_help_page(const std::string&) override {}
    void show_help_text(const UniString&) override {}
};

} // namespace vimo

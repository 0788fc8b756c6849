#pragma once
// HelpLinks that note what the screens asked for.

#include "core/help_links.h"
#include "core/qt_text.h"

#include <string>
#include <vector>

namespace vimo::test {

class RecordingHelp final : public HelpLinks {
public:
    void open_help_page(const std::string& page) override { pages.push_back(page); }
    void show_help_text(const UniString& key) override {
        texts.push_back(uni_to_qstring(key).toStdString());
    }
    std::vector<std::string> pages;
    std::vector<std::string> texts; // UTF-8
};

} // namespace vimo::test

#pragma once
// HelpLinks that note what the screens asked for: the help pages, and the help-text
// keys ("HH_" + an interface text, UTF-16 bytes).

#include "core/help_links.h"
#include "core/qt_text.h"

#include <string>
#include <vector>

namespace vimo::test {

class RecordingHelp final : public HelpLinks {
public:
    void open_help_page(const std::string& page) override { pages.push_back(page); }
    void show_help_text(const UniString& key) override { keys.push_back(key); }
    // The keys as UTF-8 text.
    std::vector<std::string> key_texts() const {
        std::vector<std::string> texts;
        for (const UniString& key : keys)
            texts.push_back(uni_to_qstring(key).toStdString());
        return texts;
    }
    std::vector<std::string> pages;
    std::vector<UniString> keys;
};

} // namespace vimo::test

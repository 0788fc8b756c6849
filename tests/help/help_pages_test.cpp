// The demo course's help pages: every page and anchor that the screens open with F1
// is there, and every picture and the style sheet of the pages load.
#include "help/help_window.h"
#include "help_fixture.h"
#include "html/html_viewer.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <gtest/gtest.h>

namespace vimo {
namespace {

const char* const k_f1_pages[] = {
    "Htm_r\\h_index.html",
    "Htm_r\\h_index_en.html",
    "Htm_r\\h_dorvi.html",
    "Htm_r\\h_comp.html#wybor",
    "Htm_r\\h_rep.html",
    "Htm_r\\h_log.html",
    "Htm_r\\h_pres.html",
    "Htm_r\\h_comp.html#filmy",
    "Htm_r\\h_comp.html#dd",
    "Htm_r\\h_comp.html#ddv",
    "Htm_r\\h_comp.html#h",
    "Htm_r\\h_comp.html#dialogi",
    "Htm_r\\h_comp.html#slowka",
    "Htm_r\\h_comp.html#zdania",
    "Htm_r\\h_comp.html#e3",
    "Htm_r\\h_comp.html#nagrywanie",
    "Htm_r\\h_comp.html#rozumienie",
    "Htm_r\\h_comp.html#ciekawostki",
    "Htm_r\\h_comp.html#listy",
    "Htm_r\\h_pomoc.html",
    "Htm_r\\h_ana.html",
};

// The pictures a page shows, each loaded through the viewer.
int missing_pictures(const QTextDocument& document) {
    int missing = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat()) continue;
            const QUrl name(format.toImageFormat().name());
            const QVariant picture = document.resource(QTextDocument::ImageResource, name);
            if (picture.value<QImage>().isNull()) ++missing;
        }
    }
    return missing;
}

class DemoHelpPages : public ::testing::Test {
protected:
    void SetUp() override {
        state.config.course_root = std::string(VIMO_DEMO_COURSE) + "/";
        state.texts.load(state.config.language_path("infa_ru.txt"));
        load_button_pictures(buttons, state.config.language_path(""));
        messages = std::make_unique<TForm20>(state.config, &buttons, button_picture::close);
        help = std::make_unique<THelpForm>(state, buttons, *messages);
    }
    void TearDown() override { help->close(); }

    CourseState state;
    TMyImageList buttons;
    std::unique_ptr<TForm20> messages;
    std::unique_ptr<THelpForm> help;
};

TEST_F(DemoHelpPages, EveryF1PageAndAnchorIsThereWithItsPicturesAndStyle) {
    for (const std::string page : k_f1_pages) {
        SCOPED_TRACE(page);
        help->open_help_page(page);
        const HtmlViewer& viewer = help->viewer();
        ASSERT_FALSE(viewer.currentFile().empty());
        const PageAddress address = split_page_address(page);
        if (!address.anchor.empty()) {
            EXPECT_EQ(find_anchor(*viewer.document(), QString::fromStdString(address.anchor)),
                      QString::fromStdString(address.anchor));
        }
        EXPECT_EQ(missing_pictures(*viewer.document()), 0);
        // The style sheet gives the headings its colour.
        const QTextBlock first = viewer.document()->begin();
        EXPECT_EQ(first.charFormat().foreground().color(), QColor(0x0b, 0x22, 0x38));
    }
}

TEST_F(DemoHelpPages, EveryLinkOfTheIndexesLeadsToAPage) {
    for (const char* index : {"Htm_r\\h_index.html", "Htm_r\\h_index_en.html"}) {
        help->open_help_page(index);
        QStringList links;
        const QTextDocument& document = *help->viewer().document();
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QString href = it.fragment().charFormat().anchorHref();
                if (!href.isEmpty() && !links.contains(href)) links << href;
            }
        }
        EXPECT_GT(links.size(), 10) << index;
        for (const QString& link : links) {
            SCOPED_TRACE(link.toStdString());
            help->open_help_page(index);
            ASSERT_TRUE(help->viewer().followLink(link));
            const PageAddress address = split_page_address(link.toStdString());
            if (!address.anchor.empty()) {
                EXPECT_FALSE(
                    find_anchor(*help->viewer().document(), QString::fromStdString(address.anchor))
                        .isEmpty());
            }
        }
    }
}

} // namespace
} // namespace vimo

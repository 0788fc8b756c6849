#pragma once
// TSlownikForm: the dictionary window. The small layout shows the entries of a word
// right-clicked in an exercise; the full layout lists an index letter or the result of
// a search in the headwords or the translations. Made once; slownik_open shows it,
// application-modal and without blocking the caller. The check boxes and the result
// list keep their state while the program runs.

#include "controls/MyImageList.h"
#include "core/course_state.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionary_layout.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace vimo {

class TFOM_Cb;
class TFcsFontPanel;
class TTransparentButton;
class TUniLabel;

// The fonts of the dictionary's lists: Verdana (DejaVu Sans where Verdana is absent).
QFont dictionary_font(DictionaryFont font);

// Widths in those fonts, measured on device.
class QtDictionaryMeasure final : public DictionaryMeasure {
public:
    explicit QtDictionaryMeasure(const QWidget& device) : m_device(device) {}
    int width(const UniString& text, DictionaryFont font) const override;

private:
    const QWidget& m_device;
};

class TSlownikForm : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSmallSize{400, 150};
    static constexpr QSize kFullSize{649, 420};
    static constexpr int kLetterCount = 26; // lbl_1 (A) .. lbl_26 (Z); lbl_24 (X) never shows
    // From this many results on the full list has its scroll bar.
    static constexpr int kScrollFrom = 15;
    static constexpr int kPageResults = 14; // ScrollBar1's large change

    // state gives the course root, language folder, course variant and interface texts;
    // pictures is the shared button list; table the dictionary. All outlive the window.
    TSlownikForm(const CourseState& state, const TMyImageList& pictures,
                 const DictionaryTable& table, QWidget* parent = nullptr);

    // Shows the window and returns at once. Mode 0: the small window on word (a
    // right-clicked word). Mode 1: the full window; without a word it lists the letter A,
    // with one it searches it.
    void slownik_open(int mode, const UniString& word = {});
    // Fills the result list for an index letter, or else for query, and repaints.
    void slownik_search(std::optional<char16_t> letter, const UniString& query);

    // What the window shows, for the screen's tests.
    int layoutMode() const { return m_mode; }
    const std::vector<int>& results() const { return m_results; }
    int firstVisible() const { return m_first; }
    DictionaryChecks checks() const;
    const QImage& backgroundPicture() const { return m_background; }
    std::vector<DictionaryText> fullListLayout() const;
    std::vector<DictionaryText> smallListLayout() const;

    QLineEdit& searchField() { return *m_search; }
    QScrollBar& scrollBar() { return *m_scroll; }
    TFOM_Cb& headwordsBox() { return *m_headwords; }
    TFOM_Cb& translationsBox() { return *m_translations; }
    TFOM_Cb& wholeWordsBox() { return *m_whole_words; }
    TFcsFontPanel& fontPanel() { return *m_font_panel; }
    TTransparentButton& searchButton() { return *m_search_button; }
    TTransparentButton& moreButton() { return *m_more; }
    TTransparentButton& exitButton() { return *m_exit; }
    TTransparentButton& smallExitButton() { return *m_exit_small; }
    QWidget& fullList() { return *m_list; }
    QWidget& smallList() { return *m_small_list; }
    // lbl_1 .. lbl_26 by letter 'a' .. 'z', lbl_27 ("...") by kOtherEntriesLetter.
    QLabel& indexLabel(char16_t letter);
    const QLabel* highlightedLabel() const { return m_highlighted; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void create_full_controls();
    void create_index_labels();
    void create_check_boxes();
    void hide_controls();
    void lay_out();
    void show_scroll_bar();
    void show_font_panel();
    void paint_list(QPainter& painter, const std::vector<DictionaryText>& texts) const;

    void index_label_click(char16_t letter);
    void search_field_click();
    void btn_wiecejClick();
    void Fom_slowkaClick();
    void Fom_tlumaczeniaClick();

    const CourseState& m_state;
    const DictionaryTable& m_table;
    std::vector<int> m_results;
    int m_first = 0;
    int m_mode = kSmallWindow;
    QLabel* m_highlighted = nullptr;
    QImage m_background;

    QWidget* m_drag_strip = nullptr;
    QLineEdit* m_search = nullptr;
    TTransparentButton* m_search_button = nullptr;
    TFcsFontPanel* m_font_panel = nullptr;
    TUniLabel* m_heading = nullptr; // label3
    TUniLabel* m_headwords_label = nullptr;
    TUniLabel* m_translations_label = nullptr;
    TUniLabel* m_whole_words_label = nullptr;
    TFOM_Cb* m_headwords = nullptr;
    TFOM_Cb* m_translations = nullptr;
    TFOM_Cb* m_whole_words = nullptr;
    std::array<QLabel*, kLetterCount> m_letters{};
    QLabel* m_others = nullptr; // lbl_27
    QWidget* m_list = nullptr;  // Pb
    QScrollBar* m_scroll = nullptr;
    TTransparentButton* m_exit = nullptr;
    QWidget* m_small_list = nullptr; // Pb2
    TTransparentButton* m_more = nullptr;
    TTransparentButton* m_exit_small = nullptr;
};

} // namespace vimo

#pragma once
// TOpcjeForm, the options screen: the current learner's settings (letter case,
// punctuation and letter count, the interface language, the repetitions), checked and
// saved on OK, left as they were on close.

#include "controls/MyImageList.h"
#include "core/course_state.h"
#include "core/help_links.h"
#include "core/settings.h"

#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QStyledItemDelegate>
#include <functional>
#include <map>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace vimo {

class TForm20;
class TTransparentButton;
class TUniLabel;

// The text an entry of the language list shows: its name, except that the Spanish
// folder calls itself "español".
QString language_entry_text(int folder_number, const QString& name);

// Paints the entries of the language list in Verdana at x = 4.
class LanguageItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// The language list, which draws its closed face like its entries.
class LanguageComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit LanguageComboBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TOpcjeForm : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kSize{399, 421};

    // Writes the settings file; throws FileWriteError when it cannot.
    using Save = std::function<void(const Settings& settings)>;
    // Switches the interface to this language folder number and reloads what depends
    // on it (the screen then reloads its own picture and texts).
    using LanguageChanged = std::function<void(int language)>;

    // The language list offers the language folders of the course root as it is now.
    TOpcjeForm(const CourseState& state, Settings& settings, const TMyImageList& buttons,
               TForm20& messages, HelpLinks& help, QWidget* parent = nullptr);

    void on_save(Save callback) { m_save = std::move(callback); }
    void on_language_changed(LanguageChanged callback) { m_language_changed = std::move(callback); }

    // Shows the screen modally; true when the settings were confirmed and saved.
    bool run();
    // Reloads the background and the label texts from the current language folder.
    void load_language_resources();

    // The folder number of each entry of the language list, in list order.
    const std::vector<int>& language_folders() const { return m_language_folders; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void create_rows();
    void create_fields();
    void fill_languages();
    void form_show();
    void set_controls();
    Settings settings_from_controls() const;
    void edited();
    void confirm();

    const CourseState& m_state;
    Settings& m_settings;
    TForm20& m_messages;
    HelpLinks& m_help;
    Save m_save;
    LanguageChanged m_language_changed;

    std::vector<int> m_language_folders;
    int m_remembered_language = 0;
    bool m_filling = false;
    bool m_confirmed = false;
    QImage m_background;

    QCheckBox* m_letter_case = nullptr;
    QCheckBox* m_count_letters = nullptr;
    QCheckBox* m_drag_drop = nullptr;
    QCheckBox* m_block_access = nullptr;
    QCheckBox* m_dictionary = nullptr;
    QCheckBox* m_animations = nullptr;
    QCheckBox* m_repetitions = nullptr;
    QCheckBox* m_when_interrupted = nullptr;
    LanguageComboBox* m_languages = nullptr;
    QLineEdit* m_threshold = nullptr;
    QLineEdit* m_interval = nullptr;
    std::vector<std::pair<TUniLabel*, int>> m_labels; // label and its interface text
    std::map<QObject*, QCheckBox*> m_label_boxes;     // labels a click on toggles a box
    std::vector<TUniLabel*> m_hidden_labels;
    TTransparentButton* m_ok = nullptr;
    TTransparentButton* m_close = nullptr;
    TTransparentButton* m_help_button = nullptr;
};

} // namespace vimo

#include "controls/special_letters.h"

#include <QApplication>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>
#include <array>

namespace vimo {

namespace {

struct LetterKey {
    int variant;
    char key; // the letter key, as its capital
    char16_t letter;
    char16_t capital;
};

constexpr std::array kLetterKeys{
    LetterKey{2, 'A', u'ä', u'Ä'}, LetterKey{2, 'E', u'ë', u'Ë'}, LetterKey{2, 'O', u'ö', u'Ö'},
    LetterKey{2, 'S', u'ß', u'ß'}, LetterKey{2, 'U', u'ü', u'Ü'},

    LetterKey{3, 'D', u'è', u'è'}, LetterKey{3, 'E', u'ç', u'ç'}, LetterKey{3, 'F', u'ë', u'ë'},
    LetterKey{3, 'I', u'î', u'î'}, LetterKey{3, 'L', u'û', u'û'}, LetterKey{3, 'O', u'ô', u'ô'},
    LetterKey{3, 'P', u'ù', u'ù'}, LetterKey{3, 'Q', u'â', u'â'}, LetterKey{3, 'R', u'é', u'é'},
    LetterKey{3, 'U', u'ï', u'ï'}, LetterKey{3, 'W', u'à', u'à'}, LetterKey{3, 'Y', u'ê', u'ê'},

    LetterKey{4, 'A', u'á', u'Á'}, LetterKey{4, 'E', u'é', u'É'}, LetterKey{4, 'I', u'í', u'Í'},
    LetterKey{4, 'N', u'ñ', u'Ñ'}, LetterKey{4, 'O', u'ó', u'Ó'}, LetterKey{4, 'P', u'ü', u'Ü'},
    LetterKey{4, 'Q', u'¡', u'¡'}, LetterKey{4, 'U', u'ú', u'Ú'}, LetterKey{4, 'W', u'¿', u'¿'},
    LetterKey{4, 'Y', u'ý', u'Ý'},
};

// The letter a key event types instead of its own character, decided by the key and
// the modifiers: with Ctrl held the event's text is a control character (or empty),
// and an input method may send any text at all.
std::optional<char16_t> letter_of(const QKeyEvent& event, int course_variant) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!modifiers.testFlag(Qt::ControlModifier)) return std::nullopt;
    if (modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier))
        return std::nullopt;
    return special_letter(course_variant, event.key(), modifiers.testFlag(Qt::ShiftModifier));
}

// Catches the keys before the edit's own shortcuts (Ctrl+A selects all, Ctrl+Z undoes)
// and the window's shortcuts take them, and types the letter in their place.
class SpecialLetterFilter : public QObject {
public:
    SpecialLetterFilter(QWidget* edit, std::function<int()> course_variant)
        : QObject(edit), m_course_variant(std::move(course_variant)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
        auto& key_event = static_cast<QKeyEvent&>(*event);
        const std::optional<char16_t> letter = letter_of(key_event, variant());
        if (!letter) return false;
        if (type == QEvent::ShortcutOverride) {
            // Accepted, the key comes to the edit as a key press instead of a shortcut.
            key_event.accept();
            return true;
        }
        const QString text{QChar(*letter)};
        QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(watched, &typed);
        return true;
    }

private:
    int variant() const { return m_course_variant ? m_course_variant() : 1; }

    std::function<int()> m_course_variant;
};

} // namespace

std::optional<char16_t> special_letter(int course_variant, int qt_key, bool shift) {
    for (const LetterKey& entry : kLetterKeys) {
        if (entry.variant != course_variant || qt_key != entry.key) continue;
        return shift ? entry.capital : entry.letter;
    }
    return std::nullopt;
}

void install_special_letters(QWidget* edit, std::function<int()> course_variant) {
    if (edit == nullptr) return;
    edit->installEventFilter(new SpecialLetterFilter(edit, std::move(course_variant)));
}

} // namespace vimo

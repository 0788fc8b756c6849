#include "demo_builder/artwork.h"
#include "demo_builder/source_text.h"

#include <array>
#include <set>

namespace vimo {

namespace {

struct TextKey {
    const char* name = "";
    QString ArtWording::*member = nullptr;
};

constexpr std::array k_text_keys{
    TextKey{"title", &ArtWording::title},
    TextKey{"subtitle", &ArtWording::subtitle},
    TextKey{"help", &ArtWording::help},
    TextKey{"options", &ArtWording::options},
    TextKey{"about_heading", &ArtWording::about_heading},
    TextKey{"about_line1", &ArtWording::about_line1},
    TextKey{"about_line2", &ArtWording::about_line2},
    TextKey{"website", &ArtWording::website},
    TextKey{"quit_question", &ArtWording::quit_question},
    TextKey{"yes", &ArtWording::yes},
    TextKey{"no", &ArtWording::no},
    TextKey{"button_ok", &ArtWording::button_ok},
    TextKey{"button_close", &ArtWording::button_close},
    TextKey{"button_new_learner", &ArtWording::button_new_learner},
    TextKey{"button_expand_all", &ArtWording::button_expand_all},
    TextKey{"button_collapse_all", &ArtWording::button_collapse_all},
    TextKey{"button_print", &ArtWording::button_print},
    TextKey{"button_delete_one", &ArtWording::button_delete_one},
    TextKey{"button_delete_all", &ArtWording::button_delete_all},
    TextKey{"button_check", &ArtWording::button_check},
    TextKey{"button_again", &ArtWording::button_again},
    TextKey{"button_glossary", &ArtWording::button_glossary},
    TextKey{"button_dictionary", &ArtWording::button_dictionary},
    TextKey{"button_tips", &ArtWording::button_tips},
    TextKey{"button_lessons", &ArtWording::button_lessons},
    TextKey{"button_repetitions", &ArtWording::button_repetitions},
    TextKey{"button_more", &ArtWording::button_more},
    TextKey{"button_translation", &ArtWording::button_translation},
    TextKey{"chooser_title", &ArtWording::chooser_title},
    TextKey{"column_exercise", &ArtWording::column_exercise},
    TextKey{"column_level", &ArtWording::column_level},
    TextKey{"column_done", &ArtWording::column_done},
    TextKey{"column_repetition", &ArtWording::column_repetition},
    TextKey{"column_score", &ArtWording::column_score},
    TextKey{"learner_question", &ArtWording::learner_question},
    TextKey{"learner_name", &ArtWording::learner_name},
    TextKey{"analyser_title", &ArtWording::analyser_title},
    TextKey{"analyser_model", &ArtWording::analyser_model},
    TextKey{"analyser_take", &ArtWording::analyser_take},
    TextKey{"analyser_outline", &ArtWording::analyser_outline},
};
constexpr auto k_language_key = "interface_language";
constexpr auto k_greetings_key = "greetings";

int language_number(const QString& value, const QString& file, int line) {
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < 0 || number > 4) {
        throw DemoSourceError(file, line,
                              QStringLiteral("interface_language must be a number 0 to 4"));
    }
    return number;
}

// Stores value under key; false when the key is not one of ours.
bool assign(ArtWording& wording, const QString& key, const QString& value, const QString& file,
            int line) {
    if (key == QLatin1String(k_language_key)) {
        wording.interface_language = language_number(value, file, line);
        return true;
    }
    if (key == QLatin1String(k_greetings_key)) {
        wording.greetings = value.split(u'|', Qt::SkipEmptyParts);
        for (QString& greeting : wording.greetings)
            greeting = greeting.trimmed();
        return true;
    }
    for (const TextKey& text_key : k_text_keys) {
        if (key != QLatin1String(text_key.name)) continue;
        wording.*text_key.member = value;
        return true;
    }
    return false;
}

QStringList all_key_names() {
    QStringList names{QLatin1String(k_language_key), QLatin1String(k_greetings_key)};
    for (const TextKey& text_key : k_text_keys)
        names << QLatin1String(text_key.name);
    return names;
}

} // namespace

ArtWording read_art_wording(const QByteArray& bytes, const QString& file) {
    const QStringList lines = decode_utf8_lines(bytes, file);
    ArtWording wording;
    std::set<QString> seen;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0) throw DemoSourceError(file, number, QStringLiteral("expected key=value"));
        const QString key = line.left(equals).trimmed();
        if (!seen.insert(key).second) {
            throw DemoSourceError(file, number, QStringLiteral("key %1 given twice").arg(key));
        }
        if (!assign(wording, key, line.mid(equals + 1).trimmed(), file, number)) {
            throw DemoSourceError(file, number, QStringLiteral("unknown key %1").arg(key));
        }
    }
    for (const QString& key : all_key_names()) {
        if (!seen.contains(key)) {
            throw DemoSourceError(file, 0, QStringLiteral("key %1 is missing").arg(key));
        }
    }
    return wording;
}

} // namespace vimo

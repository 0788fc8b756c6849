#include "capacity_course.h"

#include "core/course_loaders.h"
#include "core/encoding.h"
#include "results/results_store.h"

#include <QString>
#include <array>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace vimo {

namespace {

namespace shape = capacity_course;

static_assert(shape::records == kResultsCapacity, "a build must fill the results store");
static_assert(shape::lesson_groups == table_capacity::lesson_groups);
static_assert(shape::phrases == table_capacity::phrases);
static_assert(shape::comprehension_texts == table_capacity::comprehension_texts);
static_assert(shape::sentence_lines == table_capacity::sentence_lines);
static_assert(shape::comprehension_rows == table_capacity::comprehension_rows);
static_assert(shape::recording_rows == table_capacity::recording_rows);
static_assert(shape::drag_rows == table_capacity::drag_rows);
static_assert(shape::dialogues == table_capacity::dialogues);
static_assert(shape::lines_per_dialogue == table_capacity::lines_per_dialogue);
static_assert(shape::glossary_lines == table_capacity::glossary_lines);
static_assert(shape::tasks == 2 * shape::comprehension_texts);

using Lines = std::vector<std::string>; // UTF-8, without line ends

// ---------------------------------------------------------------------------------
// Encodings and files

std::string utf16le_bytes(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()) * 2);
    for (const QChar c : text) {
        bytes.push_back(static_cast<char>(c.unicode() & 0xFF));
        bytes.push_back(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

std::string utf16_file(const Lines& lines) {
    std::string bytes = "\xFF\xFE";
    for (const std::string& line : lines)
        bytes += utf16le_bytes(line + "\r\n");
    return bytes;
}

std::string cp1250_file(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += utf8_to_cp1250(line) + "\r\n";
    return bytes;
}

class CourseFolder {
public:
    explicit CourseFolder(const std::string& root) : m_root(root) {}

    void utf16(const std::string& name, const Lines& lines) const {
        write(name, utf16_file(lines));
    }
    void cp1250(const std::string& name, const Lines& lines) const {
        write(name, cp1250_file(lines));
    }

private:
    void write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path path = m_root / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + path.string());
    }

    std::filesystem::path m_root;
};

// ---------------------------------------------------------------------------------
// Numbers and wording shared by the tables

std::string padded(int value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width - static_cast<int>(text.size())), '0');
    return text;
}

std::string two_digits(int value) {
    return padded(value, 2);
}

// Entries are spread over every level and every lesson group.
int level_of(int n) {
    return (n - 1) % 4 + 1;
}

int group_of(int n) {
    return (n - 1) % shape::lesson_groups + 1;
}

template <std::size_t N> const char* pick(const std::array<const char*, N>& pool, int n) {
    return pool[static_cast<std::size_t>(n) % N];
}

std::string joined(const Lines& parts, char separator) {
    std::string text;
    for (const std::string& part : parts)
        text += part + separator;
    return text;
}

constexpr std::array<const char*, 8> kTopics = {
    "Dom i codzienność", "W mieście",       "Podróże i czas wolny", "Zakupy",
    "Praca i nauka",     "Zdrowie i sport", "Jedzenie i picie",     "Pogoda i przyroda"};

constexpr std::array<const char*, 8> kTitles = {
    "My morning",    "A bus ride to the centre", "A postcard from Gdansk", "Weekend plans",
    "At the doctor", "A job interview",          "Cooking for friends",    "A rainy holiday"};

// Sentences with the phrase the sentence screens ask for between "<" and ">".
constexpr std::array<const char*, 10> kSentences = {
    "I <usually> have breakfast at half past seven.",
    "My sister <never> drinks tea in the morning.",
    "We <leave the house> at a quarter past eight.",
    "Excuse me, is there a <bank> near here?",
    "Turn left at the <traffic lights> and go straight on.",
    "The post office is <opposite> the station.",
    "I'd like a <return> ticket to the city centre, please.",
    "Could you <speak more slowly>, please?",
    "The museum is <closed> on Mondays.",
    "Our flight <leaves> at half past nine."};

constexpr std::array<const char*, 10> kTranslations = {
    "Zwykle jem śniadanie o wpół do ósmej.",   "Moja siostra nigdy nie pije herbaty rano.",
    "Wychodzimy z domu kwadrans po ósmej.",    "Przepraszam, czy jest tu w pobliżu bank?",
    "Skręć w lewo na światłach i idź prosto.", "Poczta jest naprzeciwko dworca.",
    "Poproszę bilet powrotny do centrum.",     "Czy mógłbyś mówić wolniej?",
    "Muzeum jest nieczynne w poniedziałki.",   "Nasz samolot odlatuje o wpół do dziesiątej."};

std::string without_marks(std::string text) {
    std::erase_if(text, [](char c) { return c == '<' || c == '>'; });
    return text;
}

// ---------------------------------------------------------------------------------
// Configuration and language folder

Lines vr60_lines(const std::string& root) {
    return {"Lexaro Vimo - capacity course", "MR=" + root};
}

Lines prof_r_lines() {
    return {"Lexaro Vimo - Rozumienie ze słuchu (kurs pojemnościowy)", "1", "0"};
}

std::string group_id(int g) {
    return "GRUPA_" + two_digits(g);
}

std::string group_name(int g) {
    return std::string(pick(kTopics, g - 1)) + " " + std::to_string(g);
}

Lines lesson_group_lines() {
    Lines lines;
    for (int g = 1; g <= shape::lesson_groups; ++g)
        lines.push_back(joined({std::to_string(g), "x", group_id(g), group_name(g)}, '='));
    return lines;
}

Lines interface_text_lines() {
    Lines lines;
    for (int i = 1; i <= shape::interface_texts; ++i) {
        lines.push_back(joined({std::to_string(i), "tekst_" + std::to_string(i),
                                "<b> Tekst interfejsu " + std::to_string(i) +
                                    " </b> <br> Wybierz ćwiczenie i zatwierdź wybór."},
                               '='));
    }
    return lines;
}

std::string text_title(int n) {
    return std::string(pick(kTitles, n - 1)) + " " + std::to_string(n);
}

std::string catalogue_id(int entry);
std::string catalogue_title_prefix(int entry);
std::string word_list_name(int i);
std::string dialogue_name(int d);

Lines display_name_lines() {
    Lines lines;
    for (int g = 1; g <= shape::lesson_groups; ++g)
        lines.push_back(group_id(g) + "=" + group_name(g));
    for (int n = 1; n <= shape::comprehension_texts; ++n)
        lines.push_back(text_title(n) + "=Tekst " + std::to_string(n) + ": słuchanie");
    for (int e = 1; e <= shape::catalogue; ++e) {
        lines.push_back(catalogue_title_prefix(e) + catalogue_id(e) + "=Ćwiczenie " +
                        std::to_string(e));
    }
    for (int i = 1; i <= shape::letters; ++i)
        lines.push_back("L" + std::to_string(i) + "=List " + std::to_string(i));
    for (int i = 1; i <= shape::word_lists; ++i)
        lines.push_back("S" + word_list_name(i) + "=Słówka " + std::to_string(i));
    for (int d = 1; d <= shape::dialogues; ++d)
        lines.push_back(dialogue_name(d) + "=Dialog " + std::to_string(d));
    lines.push_back("Nazwa1 PL=Zadanie otwarte");
    return lines;
}

// ---------------------------------------------------------------------------------
// Phrases, comprehension texts, sentences

Lines phrase_lines() {
    constexpr std::array<const char*, 7> short_forms = {"'s",  "'re", "'ve", "'d",
                                                        "'ll", "'m",  "n't"};
    constexpr std::array<const char*, 7> long_forms = {" is",   " are", " have", " would",
                                                       " will", " am",  " not"};
    Lines lines;
    for (int i = 0; i < shape::phrases; ++i) {
        const std::string word = "word" + std::to_string(i / 7 + 1);
        lines.push_back(word + pick(short_forms, i) + "=" + word + pick(long_forms, i) + "=");
    }
    return lines;
}

Lines comprehension_text_lines() {
    Lines lines = {"/ number=level=group index=title="};
    for (int n = 1; n <= shape::comprehension_texts; ++n) {
        lines.push_back(joined({std::to_string(n), std::to_string(level_of(n)),
                                std::to_string(group_of(n)), text_title(n)},
                               '='));
    }
    return lines;
}

// Section s (0-based) has its own level, section number and group: the pair of its
// group and its section number is different for every s.
std::string section_code(int s) {
    return std::to_string(s % 4 + 1) + two_digits(s / shape::lesson_groups + 1) +
           two_digits(s % shape::lesson_groups + 1);
}

// The first sections take one line more, so that the lines fill the table exactly.
int lines_in_section(int s) {
    const int base = shape::sentence_lines / shape::sentence_sections;
    const int longer = shape::sentence_lines % shape::sentence_sections;
    return s < longer ? base + 1 : base;
}

// Fields 3 to 5: none, one, two, or only the last alternative filled.
std::string alternatives(int line, const std::string& plain) {
    switch (line % 4) {
    case 1:
        return "Contracted: " + plain + "===";
    case 2:
        return "Contracted: " + plain + "=Short: " + plain + "==";
    case 3:
        return "==Other: " + plain + "=";
    default:
        return "===";
    }
}

std::string sentence_line(int s, int line) {
    const std::string sentence = pick(kSentences, line);
    return section_code(s) + "=" + sentence + "=" + alternatives(line, without_marks(sentence)) +
           "zd" + std::to_string(s + 1) + "_" + std::to_string(line) +
           "==" + pick(kTranslations, line) + "=";
}

Lines sentence_lines() {
    Lines lines;
    for (int s = 0; s < shape::sentence_sections; ++s) {
        for (int line = 0; line < lines_in_section(s); ++line)
            lines.push_back(sentence_line(s, line));
    }
    return lines;
}

// ---------------------------------------------------------------------------------
// Catalogue and its row tables

struct CatalogueType {
    const char* code;
    char id_letter;
    const char* title_prefix;
};

constexpr std::array<CatalogueType, 4> kCatalogueTypes = {
    {{"11", 'p', "P"}, {"53", 'n', "ZDN_"}, {"60", 'd', "ZDD_"}, {"48", 'c', "C_"}}};
constexpr int kEntriesPerType = shape::catalogue / static_cast<int>(kCatalogueTypes.size());
static_assert(kEntriesPerType * 4 == shape::catalogue);

const CatalogueType& catalogue_type(int entry) {
    return kCatalogueTypes[static_cast<std::size_t>(entry - 1) % kCatalogueTypes.size()];
}

// The entry's place among the entries of its type, from 0.
int ordinal_in_type(int entry) {
    return (entry - 1) / static_cast<int>(kCatalogueTypes.size());
}

std::string catalogue_id(int entry) {
    return catalogue_type(entry).id_letter + padded(ordinal_in_type(entry) + 1, 3);
}

std::string catalogue_title_prefix(int entry) {
    return catalogue_type(entry).title_prefix;
}

// Every second entry writes its group the way a Windows medium often does: plus 59.
std::string catalogue_key(int entry) {
    const int group = group_of(entry) + (entry % 2 == 0 ? 59 : 0);
    return catalogue_id(entry) + catalogue_type(entry).code + two_digits(level_of(entry)) +
           two_digits(group);
}

constexpr int kRowsPerListening = shape::comprehension_rows / kEntriesPerType;
constexpr int kRowsPerRecording = shape::recording_rows / kEntriesPerType;
constexpr int kRowsPerDrag = shape::drag_rows / kEntriesPerType;

std::string comprehension_row_id(int row) {
    return "r" + padded(row, 4);
}

std::string recording_row_id(int row) {
    return "n" + padded(row, 4);
}

std::string drag_row_id(int row) {
    return padded(row, 5);
}

// The ids of rows first .. first + count - 1, each followed by "=".
template <typename Id> std::string row_ids(int first, int count, Id id) {
    std::string text;
    for (int row = first; row < first + count; ++row)
        text += id(row) + "=";
    return text;
}

std::string catalogue_material(int entry) {
    const int k = ordinal_in_type(entry);
    const std::string code = catalogue_type(entry).code;
    if (code == "11")
        return row_ids(k * kRowsPerListening + 1, kRowsPerListening, comprehension_row_id);
    if (code == "53")
        return row_ids(k * kRowsPerRecording + 1, kRowsPerRecording, recording_row_id);
    if (code == "60") return row_ids(k * kRowsPerDrag + 1, kRowsPerDrag, drag_row_id);
    return std::to_string(k + 1); // a curiosity text's number
}

Lines catalogue_lines() {
    Lines lines = {"* Capacity course: key line (id, type, level, group), three text lines, "
                   "a separator.",
                   "* Types: 11 listening, 53 recording, 60 drag and drop, 48 curiosity."};
    for (int e = 1; e <= shape::catalogue; ++e) {
        lines.push_back(catalogue_key(e));
        lines.push_back(text_title(e));
        lines.push_back("Posłuchaj i wybierz obrazek, który pasuje do nagrania.");
        lines.push_back(catalogue_material(e));
        lines.push_back("-----");
    }
    return lines;
}

// Every 50th row's course-language text starts with "Ć", which the loader keeps as is.
Lines comprehension_row_lines() {
    Lines lines;
    for (int row = 1; row <= shape::comprehension_rows; ++row) {
        const std::string id = comprehension_row_id(row);
        const std::string foreign = row % 50 == 0 ? "Ćma: a moth flies round the lamp."
                                                  : without_marks(pick(kSentences, row));
        lines.push_back(joined(
            {id, "roz_" + id, pick(kTranslations, row), foreign, "pic_" + std::to_string(row % 40),
             "pic_" + std::to_string(row % 37), "pic_" + std::to_string(row % 31)},
            '='));
    }
    return lines;
}

Lines recording_row_lines() {
    Lines lines;
    for (int row = 1; row <= shape::recording_rows; ++row) {
        const std::string id = recording_row_id(row);
        lines.push_back(id + "=zdn_" + id + "=" + without_marks(pick(kSentences, row)));
    }
    return lines;
}

Lines drag_row_lines() {
    Lines lines;
    for (int row = 1; row <= shape::drag_rows; ++row) {
        const std::string sentence = pick(kSentences, row);
        lines.push_back(drag_row_id(row) + "=" + sentence + "=" + without_marks(sentence) + "=");
    }
    return lines;
}

// ---------------------------------------------------------------------------------
// Dialogues, letters, glossary

// 35 dialogues offer three modes and 45 two, which together make the dialogue records.
constexpr std::array<const char*, 3> kThreeModes = {"TTTNN", "TNTNT", "NTTTN"};
constexpr std::array<const char*, 3> kTwoModes = {"TTNNN", "NNTNT", "TNNTN"};
constexpr int kThreeModeDialogues = shape::dialogue_modes - 2 * shape::dialogues;
static_assert(kThreeModeDialogues >= 0 && kThreeModeDialogues <= shape::dialogues);

std::string dialogue_modes(int d) {
    return d <= kThreeModeDialogues ? pick(kThreeModes, d) : pick(kTwoModes, d);
}

std::string dialogue_name(int d) {
    return "Dialogue " + std::to_string(d) + ": " + pick(kTitles, d);
}

std::string dialogue_header(int d) {
    return joined({"D", dialogue_name(d), std::to_string(level_of(d)), std::to_string(group_of(d)),
                   dialogue_modes(d), std::to_string(d % 2), "Bstation",
                   std::to_string((d - 1) % shape::glossary_lines + 1)},
                  '=');
}

std::string spoken_line(int d, int line) {
    constexpr std::array<const char*, 3> speakers = {"A", "B", "C"};
    constexpr std::array<const char*, 3> names = {"Anna", "Ben", "Clerk"};
    const std::string sentence = without_marks(pick(kSentences, d + line));
    return joined({pick(speakers, line), "dia" + std::to_string(d) + "_" + two_digits(line + 1),
                   std::string(pick(names, line)) + ": " + sentence, pick(kTranslations, d + line)},
                  '=');
}

Lines dialogue_lines() {
    Lines lines;
    for (int d = 1; d <= shape::dialogues; ++d) {
        lines.push_back(dialogue_header(d));
        for (int line = 0; line < shape::lines_per_dialogue; ++line)
            lines.push_back(spoken_line(d, line));
        lines.emplace_back();
    }
    return lines;
}

Lines letter_lines() {
    Lines lines;
    for (int i = 1; i <= shape::letters; ++i) {
        lines.push_back(joined({"list" + std::to_string(i), std::to_string(level_of(i)),
                                std::to_string(group_of(i)), std::to_string(i % 3 == 0 ? 0 : i),
                                "list nieformalny"},
                               '='));
    }
    return lines;
}

Lines glossary_lines() {
    Lines lines;
    for (int i = 1; i <= shape::glossary_lines; ++i) {
        lines.push_back(std::to_string(i) + "=<b> " + text_title(i) + " </b> [" +
                        std::to_string(level_of(i)) +
                        "] <br> <b> alarm clock </b> - budzik <br> <b> get dressed </b> - "
                        "ubierać się <br> <b> journey </b> - podróż, przejazd <br> <b> quiet "
                        "</b> - cichy, spokojny");
    }
    return lines;
}

// ---------------------------------------------------------------------------------
// Task list, open tasks

constexpr std::array<const char*, 8> kTaskKinds = {"MC", "TF", "DD", "HH", "WP", "DF", "DV", "ZDD"};

std::string task_header(int text, int task) {
    return joined({"T" + std::to_string(task), std::to_string(text), "tlo_" + std::to_string(text),
                   "Posłuchaj nagrania i wykonaj zadanie " + std::to_string(task) + ".",
                   "Listen and do task " + std::to_string(task) + ".",
                   "Listen to the recording and do task " + std::to_string(task) + ".", "", "14",
                   "28", "40"},
                  '#');
}

std::string task_content(const std::string& kind) {
    if (kind == "MC") {
        return "MC#Where does Tom work?=T_In a bookshop=In a library=In a café#What time does "
               "his alarm clock ring?=At six o'clock=T_At half past six=At seven o'clock#";
    }
    if (kind == "TF") {
        return "TF#Prawda#True#Wahr#Verdadero#Fałsz#False#Falsch#Falso#T_Tom works in York.#"
               "Tom gets up as soon as the alarm clock rings.#T_Tom listens to the radio.#";
    }
    return kind + "#W domu=make breakfast=get dressed=have a shower#W drodze=take the bus=buy "
                  "a newspaper=walk to the station#";
}

Lines task_lines() {
    Lines lines;
    constexpr int per_text = shape::tasks / shape::comprehension_texts;
    for (int text = 1; text <= shape::comprehension_texts; ++text) {
        for (int task = 1; task <= per_text; ++task) {
            const int n = (text - 1) * per_text + task;
            lines.push_back(task_header(text, task));
            lines.push_back(task_content(pick(kTaskKinds, n - 1)));
            lines.push_back(std::to_string((n - 1) % shape::glossary_lines + 1) +
                            "=0=80=120=0=0=0=0=0=0=");
            lines.push_back("-----");
        }
    }
    return lines;
}

Lines open_task_lines() {
    Lines lines = {"/ Open tasks: number=group index=level=Polish text=English text="};
    for (int i = 1; i <= shape::open_tasks; ++i) {
        lines.push_back(
            joined({std::to_string(i), std::to_string(group_of(i)), std::to_string(level_of(i)),
                    "Opisz swój typowy poranek (60–80 słów).",
                    "Describe your typical morning in 60-80 words."},
                   '='));
    }
    return lines;
}

// ---------------------------------------------------------------------------------
// Word lists

std::string word_list_name(int i) {
    return "w" + padded(i, 3);
}

// Line 2 as the results build reads it: the name (4), "cw", the level (2) and the
// group index plus 59 (2).
std::string word_list_code(int i) {
    return word_list_name(i) + "cw" + two_digits(level_of(i)) + two_digits(group_of(i) + 59);
}

std::string word_line(int i, int w) {
    return "01 " + padded(100000 + w, 6) + " 01 word " + std::to_string(w) + " =słowo " +
           std::to_string(w) + "=words " + std::to_string(w) + "==rzeczownik=" + word_list_name(i) +
           "_" + std::to_string(w) + ".wav=0===cw=0";
}

Lines word_list_lines(int i) {
    Lines lines = {"Słówka " + std::to_string(i) + " (words " + std::to_string(i) + ")",
                   word_list_code(i), "# Lines 1 to 10 are the header; the second names the list."};
    lines.resize(10);
    for (int w = 1; w <= shape::words_per_list; ++w)
        lines.push_back(word_line(i, w));
    return lines;
}

void write_word_lists(const CourseFolder& folder) {
    for (int i = 1; i <= shape::word_lists; ++i)
        folder.cp1250("cw_r/" + word_list_name(i) + ".bc4", word_list_lines(i));
}

} // namespace

void write_capacity_course(const std::string& root) {
    const CourseFolder folder(root);
    folder.cp1250("vr60.ini", vr60_lines(root));
    folder.cp1250("prof_r.txt", prof_r_lines());
    folder.utf16("Lang_r/0/infa_ru.txt", interface_text_lines());
    folder.utf16("Lang_r/0/nazwy_ru.txt", display_name_lines());
    folder.utf16("Lang_r/0/grau.txt", lesson_group_lines());
    folder.cp1250("ss_r.t", phrase_lines());
    folder.cp1250("rozumienia_a.txt", comprehension_text_lines());
    folder.utf16("zda_rozumu.txt", sentence_lines());
    folder.utf16("kurs_cwiczu.kvt", catalogue_lines());
    folder.utf16("kursu.roz", comprehension_row_lines());
    folder.utf16("kursu.zdn", recording_row_lines());
    folder.cp1250("kurs.zdd", drag_row_lines());
    folder.utf16("dialogi_au.txt", dialogue_lines());
    folder.cp1250("Listy_r/index.txt", letter_lines());
    folder.utf16("slowniczeku.txt", glossary_lines());
    folder.utf16("St_au.txt", task_lines());
    folder.cp1250("otwarte.txt", open_task_lines());
    write_word_lists(folder);
}

} // namespace vimo

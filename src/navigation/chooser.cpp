#include "navigation/chooser.h"

#include "core/dates.h"
#include "core/encoding.h"
#include "core/exercise_kinds.h"
#include "core/paths.h"
#include "core/qt_text.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <unordered_map>

namespace vimo {

namespace {

// The file names in a folder of the course, lower-cased, as the path resolver matches
// names whose case differs.
QSet<QString> folder_files(const Config& config, std::string_view folder) {
    const QDir dir(QString::fromStdString(resolve_path(config.course_path(folder))));
    QSet<QString> names;
    for (const QString& name : dir.entryList(QDir::Files))
        names.insert(name.toLower());
    return names;
}

constexpr int kFirstDialogueKind = 70;
constexpr int kLastDialogueKind = 74;
// Rows that start inside the 537-pixel list (the 27th is cut at its foot); the down
// arrow shows whenever a row lies below them, so that every row can be scrolled to.
constexpr int kRowsStartingInList = (537 + 19) / 20;

UniString cp1250_to_uni(std::string_view text) {
    return qstring_to_uni(cp1250_to_qstring(text));
}

std::string upper_ascii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// Only these prefixes make consecutive records of one name one item with rows.
// The task position the repetitions hold a row's task at, as its kind reports it: a
// text's task at its tab (also for a text of one task, shown as a single item), a mode
// at its mode, 0 for the kinds without one.
int repetition_task_pos(std::uint8_t kind_code, int ordinal) {
    const ExerciseKind* kind = exercise_kind(static_cast<char>(kind_code));
    return kind ? repetition_position(*kind, ordinal).value_or(0) : 0;
}

bool forms_runs(std::string_view name) {
    return name.starts_with("tek_") || name.starts_with("zda_") || name.starts_with("slo_");
}

int run_node_kind(std::string_view name) {
    if (name.starts_with("zda_")) return node_kind::sentences;
    if (name.starts_with("slo_")) return node_kind::vocabulary;
    return node_kind::undecided;
}

// Kind codes with a picture of their own in the kind-icon column.
bool has_kind_icon(int code) {
    const ExerciseKind* kind =
        code >= 0 && code < 256 ? exercise_kind(static_cast<char>(code)) : nullptr;
    return kind && kind->has_icon;
}

bool leaf_has_score(const ChooserNode& node) {
    return node.row_level != kLeafRow || kind_has_score(static_cast<char>(node.kind));
}

// The item's marks follow from its rows.
void aggregate_item(ChooserNode& item) {
    std::vector<int> scores;
    item.done = false;
    item.last_date.clear();
    for (const auto& row : item.children) {
        scores.push_back(row->score);
        item.done = item.done || row->done;
        item.last_date = std::max(item.last_date, row->last_date);
    }
    item.score = mean_score(scores);
}

template <typename Node> void collect_visible(Node& node, std::vector<Node*>& out) {
    for (const auto& child : node.children) {
        out.push_back(child.get());
        if (child->expanded) collect_visible<Node>(*child, out);
    }
}

} // namespace

ChooserNode* ChooserNode::add_child(std::unique_ptr<ChooserNode> child) {
    if (children.size() >= kMaxChildren) return nullptr;
    child->parent = this;
    children.push_back(std::move(child));
    return children.back().get();
}

UniString caption_to_paint(const ChooserNode& node) {
    if (node.row_level == kLeafRow && !node.is_single_item()) return node.caption;
    return uni_trim(node.caption);
}

TitleEncoding title_encoding(std::uint8_t kind) {
    return kind >= kFirstDialogueKind && kind <= kLastDialogueKind ? TitleEncoding::utf16
                                                                   : TitleEncoding::cp1250;
}

UniString display_title(std::string_view stored_title, TitleEncoding encoding,
                        const CourseState& course) {
    if (encoding == TitleEncoding::utf16) {
        const UniString title = uni_trim(stored_title);
        const std::string key = uni_narrow(title, 1, uni_unit_count(title));
        const std::optional<UniString> name = course.names.find(key);
        return name ? uni_trim(*name) : title;
    }
    const std::string_view title = trim_8bit(stored_title);
    if (const std::optional<SectionTitle> section = split_section_title(title)) {
        for (const LessonGroup& group : course.tables.groups) {
            if (group_id_text(group) != section->group_id) continue;
            return uni_trim(group.name) + uni_widen(" ") + cp1250_to_uni(section->rest);
        }
        return cp1250_to_uni(title);
    }
    std::optional<UniString> name = course.names.find(title);
    // A display-name key ends at its first "=": a title that holds one (the open tasks'
    // "Nazwa1 PL=Nazwa2 ANG=Nazwa3 NIEM=") can only be found by the text before it.
    if (!name && title.find('=') != std::string_view::npos)
        name = course.names.find(title.substr(0, title.find('=')));
    return name ? uni_trim(*name) : cp1250_to_uni(title);
}

UniString kind_row_caption(std::uint8_t kind, const InterfaceTexts& texts) {
    const ExerciseKind* known = exercise_kind(static_cast<char>(kind));
    if (known && known->row_text) return texts.text(*known->row_text);
    return uni_widen("CW numer " + std::to_string(kind));
}

int mean_score(const std::vector<int>& scores) {
    if (scores.empty()) return 0;
    long long sum = 0;
    for (const int score : scores)
        sum += score;
    const auto n = static_cast<long long>(scores.size());
    const long long quotient = sum / n;
    const long long twice_rest = 2 * (sum % n);
    if (twice_rest > n || (twice_rest == n && quotient % 2 != 0))
        return static_cast<int>(quotient + 1);
    return static_cast<int>(quotient);
}

int caption_x(int row_level) {
    return 12 + 18 * row_level;
}

int row_y(int index, int first_visible) {
    return kRowHeight * (index - first_visible);
}

int painted_row_count(int row_count, int first_visible) {
    const int fitting = (kListHeight + kRowHeight - 1) / kRowHeight;
    return std::clamp(row_count - first_visible, 0, fitting);
}

std::vector<VisibleRow> visible_rows(const ChooserNode& root) {
    std::vector<const ChooserNode*> nodes;
    collect_visible(root, nodes);
    std::vector<VisibleRow> rows;
    rows.reserve(nodes.size());
    for (const ChooserNode* node : nodes)
        rows.push_back({node, caption_x(node->row_level)});
    return rows;
}

RowMarks row_marks(const ChooserNode& node, int mode) {
    RowMarks marks;
    marks.done = node.done;
    if (node.row_level == kGroupRow) {
        marks.score = node.score;
        return marks;
    }
    marks.level_icon =
        node.level >= 1 && node.level <= 4 ? std::optional(node.level) : std::nullopt;
    if (node.row_level == kItemRow) {
        // Sentence sections share the vocabulary picture; an undecided kind has none.
        if (node.kind == node_kind::sentences)
            marks.kind_icon = node_kind::vocabulary;
        else if (node.kind != node_kind::undecided)
            marks.kind_icon = node.kind;
        if (node.done) marks.last_date = node.last_date + " - ";
        if (mode != 2) marks.score = node.score;
        return marks;
    }
    if (has_kind_icon(node.kind)) marks.kind_icon = node.kind;
    if (node.done) marks.last_date = node.last_date;
    if (leaf_has_score(node)) {
        marks.repetition_date = node.repetition_date;
        marks.score = node.score;
    }
    return marks;
}

Bar score_bar(int score) {
    const int clamped = std::clamp(score, 0, 100);
    // score × 98 / 100 in whole numbers, so 24.5 (score 25) rounds to the even 24.
    const int product = clamped * 98;
    int w = product / 100;
    const int rest = product % 100;
    if (rest > 50 || (rest == 50 && w % 2 != 0)) ++w;
    const int piece = w < 26 ? 0 : w <= 50 ? 1 : w <= 75 ? 2 : 3;
    return {w, piece};
}

Arrows scroll_arrows(int row_count, int first_visible) {
    return {first_visible > 0, row_count - first_visible > kRowsStartingInList};
}

Hit hit_test(const std::vector<VisibleRow>& rows, int first_visible, int x, int y) {
    const int row = row_at(static_cast<int>(rows.size()), first_visible, y);
    if (row < 0) return {};
    const VisibleRow& visible = rows[static_cast<std::size_t>(row)];
    const int top = row_y(row, first_visible);
    if (y >= top + kIconSize) return {};
    const int expander = visible.caption_x - kExpanderOffset;
    if (visible.node->has_children() && x >= expander && x < expander + kIconSize) {
        return {row, Region::expander};
    }
    if (x >= visible.caption_x && x < kCaptionRight) return {row, Region::caption};
    return {};
}

int row_at(int row_count, int first_visible, int y) {
    if (y < 0 || y >= kListHeight) return -1;
    const int offset = y / kRowHeight;
    if (offset >= painted_row_count(row_count, first_visible)) return -1;
    return first_visible + offset;
}

// --- Chooser ---

void Chooser::index_group_records() {
    std::unordered_map<std::string, std::vector<int>> by_id;
    for (int n = 1; n <= m_results.count(); ++n)
        by_id[m_results.record(n)->group_id.substr(0, cw_area::group_id)].push_back(n);
    m_group_records.clear();
    for (const LessonGroup& group : m_course.tables.groups) {
        const auto found = by_id.find(record_group_id(group));
        m_group_records.push_back(found == by_id.end() ? std::vector<int>{} : found->second);
    }
}

void Chooser::chooser_build(int mode) {
    m_mode = mode;
    m_first_visible = 0;
    // One listing of each media folder serves every text of the build.
    m_films = folder_files(m_course.config, "Teksty_mpg_r");
    m_pages = folder_files(m_course.config, "teksty_htm_r");
    index_group_records();
    m_root = std::make_unique<ChooserNode>();
    const int groups = static_cast<int>(m_course.tables.groups.size());
    for (int g = 1; g <= groups; ++g) {
        ChooserNode* group = m_root->add_child(group_node(g));
        if (group) add_items(*group);
    }
}

std::unique_ptr<ChooserNode> Chooser::group_node(int index) const {
    auto node = std::make_unique<ChooserNode>();
    node->caption = m_course.tables.groups[static_cast<std::size_t>(index - 1)].name;
    node->row_level = kGroupRow;
    node->kind = node_kind::group;
    node->group = index;
    refresh_group(*node);
    return node;
}

void Chooser::refresh_group(ChooserNode& group) const {
    std::vector<int> scores;
    group.done = false;
    for (const int number : m_group_records[static_cast<std::size_t>(group.group - 1)]) {
        const cw_Info& record = *m_results.record(number);
        group.done = group.done || record.count > 0;
        if (kind_has_score(static_cast<char>(record.kind))) scores.push_back(record.score);
    }
    group.score = mean_score(scores);
}

void Chooser::add_items(ChooserNode& group) const {
    const std::vector<int>& numbers = m_group_records[static_cast<std::size_t>(group.group - 1)];

    for (std::size_t i = 0; i < numbers.size();) {
        const std::string& name = m_results.record(numbers[i])->name;
        std::size_t end = i + 1;
        while (forms_runs(name) && end < numbers.size() &&
               m_results.record(numbers[end])->name == name)
            ++end;
        if (end - i > 1)
            add_item_with_rows(group, {numbers.begin() + static_cast<std::ptrdiff_t>(i),
                                       numbers.begin() + static_cast<std::ptrdiff_t>(end)});
        else
            add_single_item(group, numbers[i]);
        i = end;
    }
}

std::unique_ptr<ChooserNode> Chooser::leaf(int number, int ordinal) const {
    auto node = std::make_unique<ChooserNode>();
    const cw_Info& record = *m_results.record(number);
    node->row_level = kLeafRow;
    node->kind = record.kind;
    node->record = number;
    node->level = record.level;
    node->ordinal = ordinal;
    node->selectable = true;
    return node;
}

void Chooser::add_single_item(ChooserNode& group, int number) const {
    const cw_Info& record = *m_results.record(number);
    const int ordinal = row_ordinal(record.name, text_task_ordinals(record.name), 1);
    if (m_mode == 2 &&
        !m_repetitions.powt_is_due(record.name, record.kind,
                                   repetition_task_pos(record.kind, ordinal), m_clock))
        return;
    auto node = leaf(number, ordinal);
    node->caption = display_title(record.title, title_encoding(record.kind), m_course);
    ChooserNode* added = group.add_child(std::move(node));
    if (added) refresh_leaf(*added, true);
}

void Chooser::add_item_with_rows(ChooserNode& group, const std::vector<int>& numbers) const {
    const cw_Info& first = *m_results.record(numbers.front());
    auto item = std::make_unique<ChooserNode>();
    item->row_level = kItemRow; // before the rows, which look at it for their task position
    const std::vector<int> ordinals = text_task_ordinals(first.name);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const int ordinal = row_ordinal(first.name, ordinals, static_cast<int>(i) + 1);
        const cw_Info& record = *m_results.record(numbers[i]);
        if (m_mode == 2 &&
            !m_repetitions.powt_is_due(record.name, record.kind,
                                       repetition_task_pos(record.kind, ordinal), m_clock))
            continue;
        auto row = leaf(numbers[i], ordinal);
        row->caption = kind_row_caption(record.kind, m_course.texts);
        ChooserNode* added = item->add_child(std::move(row));
        if (added) refresh_leaf(*added, true);
    }
    if (!item->has_children()) return;
    item->caption = display_title(first.title, title_encoding(first.kind), m_course);
    item->kind = run_node_kind(first.name);
    if (item->kind == node_kind::undecided) item->kind = media_kind(numbers.front());
    item->record = numbers.front();
    item->level = first.level;
    aggregate_item(*item);
    group.add_child(std::move(item));
}

std::vector<int> Chooser::text_task_ordinals(std::string_view name) const {
    if (!name.starts_with("tek_")) return {};
    const std::optional<int> text = item_number(name);
    return text ? recorded_task_ordinals(m_course.tables, *text) : std::vector<int>{};
}

int Chooser::row_ordinal(std::string_view name, const std::vector<int>& text_ordinals, int n) {
    return name.starts_with("tek_") ? record_ordinal(text_ordinals, n) : n;
}

// A text's media is named by its first task.
int Chooser::media_kind(int first_record) const {
    const cw_Info* record = m_results.record(first_record);
    const std::optional<int> text = record ? item_number(record->name) : std::nullopt;
    const auto& tasks = m_course.tables.tasks;
    const auto first_task = std::find_if(tasks.begin(), tasks.end(), [&](const TaskEntry& task) {
        return text && task.text_number == *text;
    });
    if (first_task == tasks.end()) return node_kind::recorded_text;
    const QString name = QString::fromStdString(cp1250_to_utf8(first_task->media_name)).toLower();
    if (m_films.contains(name + ".mpg")) return node_kind::video_text;
    if (m_pages.contains(name + ".htm")) return node_kind::page_text;
    return node_kind::recorded_text;
}

void Chooser::refresh_leaf(ChooserNode& node, bool with_repetition_date) const {
    const cw_Info* record = m_results.record(node.record);
    if (!record) return;
    node.score = record->score;
    node.done = record->count >= 1;
    node.last_date = day_count_date_text(record->last_date);
    if (!with_repetition_date) return;
    node.repetition_date = m_repetitions.powt_due_text(
        record->name, record->kind, repetition_task_pos(record->kind, node.ordinal));
}

void Chooser::chooser_refresh() {
    index_group_records();
    // In mode 2 a row keeps the date that made it due when the list was built.
    const bool with_repetition_date = m_mode != 2;
    for (const auto& group : m_root->children) {
        refresh_group(*group);
        for (const auto& item : group->children) {
            if (item->row_level == kLeafRow) {
                refresh_leaf(*item, with_repetition_date);
                continue;
            }
            for (const auto& row : item->children)
                refresh_leaf(*row, with_repetition_date);
            aggregate_item(*item);
        }
    }
}

Arrows Chooser::arrows() const {
    return scroll_arrows(static_cast<int>(rows().size()), m_first_visible);
}

void Chooser::scroll_up() {
    if (m_first_visible > 0) --m_first_visible;
}

void Chooser::scroll_down() {
    if (arrows().down) ++m_first_visible;
}

void Chooser::set_all_expanded(bool expanded) {
    std::vector<ChooserNode*> pending{m_root.get()};
    while (!pending.empty()) {
        ChooserNode* node = pending.back();
        pending.pop_back();
        node->expanded = expanded;
        for (const auto& child : node->children)
            pending.push_back(child.get());
    }
    m_first_visible = 0;
}

ChooserNode* Chooser::visible_node(int row) const {
    std::vector<ChooserNode*> nodes;
    collect_visible(*m_root, nodes);
    if (row < 0 || row >= static_cast<int>(nodes.size())) return nullptr;
    return nodes[static_cast<std::size_t>(row)];
}

// Collapsing or removing rows can leave the first visible row past the end.
void Chooser::clamp_first_visible() {
    const int count = static_cast<int>(rows().size());
    m_first_visible = std::clamp(m_first_visible, 0, std::max(count - 1, 0));
}

bool Chooser::toggle(int row) {
    ChooserNode* node = visible_node(row);
    if (!node || !node->has_children()) return false;
    node->expanded = !node->expanded;
    clamp_first_visible();
    return true;
}

Click Chooser::left_click(int x, int y) {
    const std::vector<VisibleRow> visible = rows();
    const Hit hit = hit_test(visible, m_first_visible, x, y);
    if (hit.region == Region::none) return {};
    if (hit.region == Region::expander ||
        visible[static_cast<std::size_t>(hit.row)].node->has_children())
        return {toggle(hit.row), std::nullopt};
    return {false, open_context(hit.row)};
}

std::optional<int> Chooser::right_click(int x, int y) const {
    if (m_mode != 2) return std::nullopt;
    const std::vector<VisibleRow> visible = rows();
    const Hit hit = hit_test(visible, m_first_visible, x, y);
    if (hit.region != Region::caption) return std::nullopt;
    if (!visible[static_cast<std::size_t>(hit.row)].node->selectable) return std::nullopt;
    return hit.row;
}

std::optional<OpenContext> Chooser::open_context(int row) const {
    const ChooserNode* node = visible_node(row);
    if (!node || !node->selectable) return std::nullopt;
    const cw_Info* record = m_results.record(node->record);
    if (!record) return std::nullopt;
    OpenContext context;
    const std::string wanted = upper_ascii(record->group_id);
    for (const LessonGroup& group : m_course.tables.groups) {
        if (upper_ascii(record_group_id(group)) != wanted) continue;
        context.group_name = uni_trim(group.name);
        break;
    }
    context.name = record->name;
    context.key = record->key;
    context.kind = record->kind;
    context.title = record->title;
    context.ordinal = node->ordinal;
    context.second_ordinal = node->ordinal > 2 ? node->ordinal + 1 : node->ordinal;
    return context;
}

bool Chooser::remove_repetition(int row) {
    if (m_mode != 2) return false;
    ChooserNode* node = visible_node(row);
    if (!node || !node->selectable) return false;
    const cw_Info* record = m_results.record(node->record);
    if (!record) return false;
    m_repetitions.powt_remove(record->name, record->kind, record->key);
    ChooserNode* parent = node->parent;
    std::erase_if(parent->children, [node](const auto& child) { return child.get() == node; });
    if (parent->row_level == kItemRow && !parent->has_children()) {
        ChooserNode* group = parent->parent;
        std::erase_if(group->children,
                      [parent](const auto& child) { return child.get() == parent; });
    } else if (parent->row_level == kItemRow) {
        aggregate_item(*parent);
    }
    clamp_first_visible();
    return true;
}

} // namespace vimo

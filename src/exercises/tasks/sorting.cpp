#include "exercises/tasks/sorting.h"

#include <algorithm>

namespace vimo {

namespace {

// The unit after the n-th "#" of line, or one past its end when it has fewer.
int after_separator(std::string_view line, int n) {
    const int units = uni_unit_count(line);
    int seen = 0;
    for (int k = 1; k <= units; ++k) {
        if (uni_unit_at(line, k) == u'#' && ++seen == n) return k + 1;
    }
    return units + 1;
}

} // namespace

SortingContent parse_sorting(std::string_view kind_line) {
    SortingContent content;
    content.columns_given = uni_digits_or_zero(uni_field(2, kind_line, u'#'));
    content.rows_given = uni_digits_or_zero(uni_field(3, kind_line, u'#'));
    content.columns = std::clamp(content.columns_given, 0, Sorting::kMaxColumns);
    content.rows = std::clamp(content.rows_given, 0, Sorting::kMaxRows);
    for (int c = 1; c <= content.columns; ++c)
        content.titles.push_back(uni_trim(uni_field(3 + c, kind_line, u'#')));

    const int units = uni_unit_count(kind_line);
    int k = after_separator(kind_line, 3 + content.columns);
    while (!uni_is_blank(uni_copy(kind_line, k, units))) {
        const int star = uni_find(k, kind_line, "*", true);
        if (star < 0) break;
        ++content.words_given;
        const int column = uni_unit_at(kind_line, star + 1) - u'0';
        if (static_cast<int>(content.words.size()) < Sorting::kMaxWords)
            content.words.push_back({uni_trim(uni_copy(kind_line, k, star - k)),
                                     column >= 1 && column <= content.columns ? column : 0});
        k = star + 3;
    }
    return content;
}

void Sorting::load(std::string_view kind_line, const TaskLayout& layout,
                   const SortMeasures& measures, RandomSource& random) {
    m_content = parse_sorting(kind_line);
    m_attempt = {};
    m_word_height = measures.word_height;
    const int n = static_cast<int>(m_content.words.size());

    int widest = 0;
    m_title_widths.clear();
    for (const UniString& title : m_content.titles) {
        m_title_widths.push_back(measures.title_width(title));
        widest = std::max(widest, m_title_widths.back());
    }
    std::vector<int> order(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        order[static_cast<std::size_t>(i)] = i;
        widest = std::max(widest,
                          measures.word_width(m_content.words[static_cast<std::size_t>(i)].text));
    }
    m_column_width = widest + kColumnMargin;
    m_left =
        layout.area_left >= 0 ? layout.area_left : (kTableSpan - m_column_width * columns()) / 2;
    m_top = layout.area_top >= 0 ? layout.area_top : kDefaultTop;

    random.reseed();
    swap_shuffle(order, 2 * n, random);

    // The pool: left to right from x = 50, a new row (a word's height lower) before a
    // word that would pass 600.
    m_labels.clear();
    int s = 0;
    int y = layout.pool_top;
    for (const int w : order) {
        const int width = measures.word_width(m_content.words[static_cast<std::size_t>(w)].text);
        if (s + width > kPoolRowEnd) {
            s = 0;
            y += m_word_height;
        }
        m_labels.push_back({w, width, {kPoolLeft + s, y, width, m_word_height}, 0, 0});
        s += width + kPoolGap;
    }
    const std::size_t cells = static_cast<std::size_t>(columns() * rows());
    m_grid.assign(cells, 0);
    m_grid_checked.assign(cells, 0);
    m_remarks.assign(cells, std::nullopt);
}

const UniString& Sorting::title(int column) const {
    return m_content.titles[static_cast<std::size_t>(column - 1)];
}

int Sorting::title_width(int column) const {
    return m_title_widths[static_cast<std::size_t>(column - 1)];
}

AreaRect Sorting::drop_area(int column) const {
    return {column_left(column) - kDropSlack, m_top, m_column_width, kCellHeight * (rows() + 1)};
}

int Sorting::title_x(int column) const {
    return column_left(column) + (m_column_width - title_width(column)) / 2;
}

AreaRect Sorting::position(int label) const {
    const Label& l = at(label);
    if (l.column == 0) return l.home;
    return {(m_column_width - l.width) / 2 + column_left(l.column) + kWordShift,
            (kCellHeight - m_word_height) / 2 + cell_top(l.row), l.width, m_word_height};
}

std::size_t Sorting::index(int column, int row) const {
    return static_cast<std::size_t>((column - 1) * rows() + (row - 1));
}

int& Sorting::cell(std::vector<int>& grid, int column, int row) const {
    return grid[index(column, row)];
}

int Sorting::label_in(int column, int row) const {
    if (column < 1 || column > columns() || row < 1 || row > rows()) return -1;
    return m_grid[index(column, row)] - 1;
}

int Sorting::first_free_row(int column) const {
    for (int row = 1; row <= rows(); ++row)
        if (label_in(column, row) < 0) return row;
    return 0;
}

void Sorting::take_out(int label) {
    Label& l = at(label);
    if (l.column != 0) cell(m_grid, l.column, l.row) = 0;
    l.column = 0;
    l.row = 0;
}

void Sorting::put(int label, int column, int row) {
    cell(m_grid, column, row) = label + 1;
    at(label).column = column;
    at(label).row = row;
}

bool Sorting::start_drag(int label) {
    if (m_attempt.checked || label < 0 || label >= count()) return false;
    m_attempt.acted = true;
    return true;
}

int Sorting::drop(int label, int x, int y) {
    if (m_attempt.checked || label < 0 || label >= count()) return 0;
    take_out(label);
    for (int column = 1; column <= columns(); ++column) {
        if (!drop_area(column).contains(x, y)) continue;
        const int row = first_free_row(column);
        if (row == 0) return 0; // a full column sends the word home
        put(label, column, row);
        return column;
    }
    return 0;
}

void Sorting::check() {
    m_attempt.acted = true;
    if (m_attempt.checked) return;
    m_grid_checked = m_grid;
    int right = 0;
    for (int k = 0; k < count(); ++k) {
        const int column = column_of(k);
        if (column == 0) continue;
        if (column == correct_column(k)) {
            ++right;
            continue;
        }
        m_remarks[index(column, row_of(k))] = caption(k);
        take_out(k);
    }
    m_attempt.check(right, count() - right);
    if (right == count()) return;
    // Each word left over goes into the first free cell of its own column; a word
    // without a column of the table, or one a full column cannot take, stays home.
    for (int k = 0; k < count(); ++k) {
        const int column = correct_column(k);
        if (column_of(k) != 0 || column < 1) continue;
        const int row = first_free_row(column);
        if (row == 0) continue;
        put(k, column, row);
        if (cell(m_grid_checked, column, row) == 0) m_remarks[index(column, row)] = uni_widen("-");
    }
}

const std::optional<UniString>& Sorting::remark(int column, int row) const {
    static const std::optional<UniString> none;
    if (column < 1 || column > columns() || row < 1 || row > rows()) return none;
    return m_remarks[index(column, row)];
}

std::optional<UniString> Sorting::remark_at(int x, int y) const {
    if (!m_attempt.checked) return std::nullopt;
    for (int column = 1; column <= columns(); ++column) {
        const int left = column_left(column);
        if (x < left || x >= left + kRemarkSize) continue;
        for (int row = 1; row <= rows(); ++row) {
            const int top = m_top + kCellHeight - 1 + kCellHeight * (row - 1);
            if (y >= top && y < top + kRemarkSize && remark(column, row))
                return remark(column, row);
        }
    }
    return std::nullopt;
}

} // namespace vimo

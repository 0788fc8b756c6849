#include "core/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <sys/stat.h>

namespace vimo {

namespace {

bool exists_exactly(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// The entry of folder whose name equals name ignoring case, or "" when none does.
std::string find_ignoring_case(const std::string& folder, const std::string& name) {
    const QDir dir(QString::fromStdString(folder.empty() ? "." : folder));
    const QString wanted = QString::fromStdString(name);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0) return entry.toStdString();
    }
    return {};
}

} // namespace

std::string normalize_separators(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (const char c : path) {
        const char ch = c == '\\' ? '/' : c;
        if (ch == '/' && !out.empty() && out.back() == '/') continue;
        out += ch;
    }
    if (out.size() > 1 && out.back() == '/') out.pop_back();
    return out;
}

std::string resolve_path(std::string_view path) {
    const std::string normal = normalize_separators(path);
    if (normal.empty() || exists_exactly(normal)) return normal;

    std::string resolved = normal.front() == '/' ? "/" : "";
    std::size_t start = resolved.size();
    bool matching = true; // once a component matches nothing, the rest is kept as written
    while (start <= normal.size()) {
        std::size_t end = normal.find('/', start);
        if (end == std::string::npos) end = normal.size();
        std::string component = normal.substr(start, end - start);
        start = end + 1;
        if (component.empty()) continue;

        const bool plain = component != "." && component != "..";
        const std::string folder = resolved;
        std::string candidate = folder + component;
        if (matching && plain && !exists_exactly(candidate)) {
            const std::string found = find_ignoring_case(folder, component);
            if (found.empty()) {
                matching = false;
            } else {
                candidate = folder + found;
            }
        }
        resolved = candidate;
        if (start <= normal.size()) resolved += '/';
    }
    return resolved;
}

bool path_exists(std::string_view path) {
    const std::string resolved = resolve_path(path);
    return !resolved.empty() && exists_exactly(resolved);
}

std::string course_relative_name(const std::string& course_root, const std::string& path) {
    const std::string resolved = resolve_path(path);
    const std::string root = normalize_separators(course_root);
    const std::string prefix = root == "/" ? root : root + "/";
    if (!root.empty() && resolved.starts_with(prefix)) return resolved.substr(prefix.size());
    return resolved;
}

std::string folder_of(std::string_view path) {
    const std::size_t last = path.find_last_of("/\\");
    if (last == std::string_view::npos) return {};
    return std::string(path.substr(0, last + 1));
}

} // namespace vimo

#include "core/startup.h"

#include "core/encoding.h"
#include "core/paths.h"
#include "core/text_file.h"
#include "core/uni.h"

#include <QDir>
#include <QFileInfo>

namespace vimo {

namespace {

std::string with_trailing_slash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool is_absolute(const std::string& path) {
    return !path.empty() && (path.front() == '/' || path.front() == '\\');
}

// The media root to use: the configured one when it names an existing folder,
// relative ones taken from the course root, otherwise the course root itself.
std::string usable_media_root(const std::string& configured, const std::string& course_root) {
    const std::string trimmed = normalize_separators(configured);
    if (trimmed.empty() || trimmed == "/") return course_root;
    const std::string full = is_absolute(configured) ? configured : course_root + configured;
    if (!QFileInfo(QString::fromStdString(resolve_path(full))).isDir()) return course_root;
    return full;
}

StartupMessage message(std::string text, std::string detail = {}) {
    return StartupMessage{std::move(text), std::move(detail), false};
}

} // namespace

CourseRootChoice find_course_root(const std::string& program_folder,
                                  const std::vector<std::string>& arguments) {
    const std::string own = with_trailing_slash(program_folder);
    if (path_exists(own + "vr60.ini")) return {own, std::nullopt};

    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] != "--course-root") continue;
        const QFileInfo folder(QString::fromStdString(arguments[i + 1]));
        if (!folder.isDir() || !folder.isReadable()) {
            return {{},
                    message("Cannot find directory", "The course folder " + arguments[i + 1] +
                                                         " does not exist or cannot be read.")};
        }
        return {with_trailing_slash(folder.absoluteFilePath().toStdString()), std::nullopt};
    }
    return {{},
            message("Brak plików systemowych, proszę powtórzyć instalację programu!",
                    "No course found: the program's folder " + own +
                        " holds no vr60.ini and no --course-root DIR was given.")};
}

namespace {

void read_configuration(Configuration& result, const std::string& course_root) {
    Config& config = result.config;
    config.course_root = with_trailing_slash(course_root);

    if (!QDir::setCurrent(QString::fromStdString(config.course_root))) {
        result.messages.push_back({"Cannot find directory", config.course_root, true});
    }

    const auto vr60 = read_8bit_lines(resolve_path("vr60.ini"));
    if (!vr60) {
        result.messages.push_back(
            message("Brak plików systemowych, proszę powtórzyć instalację programu!",
                    config.course_root + "vr60.ini"));
        result.stop = StartupStop::exit_now;
        return;
    }
    const std::string line2 = vr60->size() > 1 ? cp1250_to_utf8((*vr60)[1]) : std::string{};
    config.media_root = usable_media_root(media_root_from_vr60(line2), config.course_root);
    config.sentence_root = config.media_root + "bsgram" + "\\";

    const std::string prof_path = resolve_path(config.course_path("prof_r.txt"));
    const auto prof = read_8bit_lines(prof_path);
    if (!prof) {
        result.messages.push_back(
            message("Brak plików systemowych programu!", config.course_root + "prof_r.txt"));
        result.stop = StartupStop::terminate;
    } else {
        const CourseProfile profile = parse_prof_r(*prof, prof_path);
        config.window_caption = profile.window_caption;
        config.vocabulary_flag = profile.vocabulary_flag;
        apply_course_variant(config, profile.course_variant);
    }

    config.english_marker = path_exists(config.course_path("be.ini"));
    // The main menu's web-site area opens this address; a course without the file
    // has no web site to show.
    if (const auto site = read_8bit_lines(resolve_path(config.course_path("serwis.txt")));
        site && !site->empty())
        config.web_site = std::string(trim_8bit((*site)[0]));
    if (!path_exists(config.course_path("vr60.ini"))) {
        result.messages.push_back(
            message("Brak plików systemowych.", config.course_root + "vr60.ini"));
        result.stop = StartupStop::terminate;
    }
}

} // namespace

Configuration configure(const std::string& course_root) {
    Configuration result;
    try {
        read_configuration(result, course_root);
    } catch (const CourseFileError& error) {
        // A configuration file that cannot be read or understood: nothing can go on.
        result.messages.push_back({error.what(), {}, false});
        result.stop = StartupStop::exit_now;
    }
    return result;
}

int startup_language(const Config& config) {
    return config.english_marker ? 1 : 0;
}

bool display_is_sufficient(int width, int height) {
    return width >= 800 && height >= 600;
}

void decide_network_mode(Config& config) {
    const auto lines = read_8bit_lines(resolve_path(config.course_path("dd.t")));
    config.network_mode = lines ? 1 : -1;
    config.dd_lines = lines.value_or(std::vector<std::string>{});
}

} // namespace vimo

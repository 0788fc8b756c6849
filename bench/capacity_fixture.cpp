#include "capacity_fixture.h"

#include "core/config.h"
#include "core/course_loaders.h"
#include "core/diagnostics.h"

#include <chrono>
#include <exception>
#include <iostream>

namespace vimo::bench {

namespace {

using namespace std::chrono_literals;

Config course_config(const std::string& root) {
    Config config;
    config.course_root = root;
    config.media_root = root;
    config.learner_folder = root;
    apply_course_variant(config, 1);
    return config;
}

} // namespace

std::chrono::system_clock::time_point FixedClock::now() const {
    return std::chrono::sys_days{std::chrono::year{2024} / 3 / 1} + 10h + 30min;
}

void load_all_tables(const Config& config, CourseTables& tables, CourseProblems& problems) {
    load_lesson_groups(config, tables, problems);
    load_course_tables(config, tables, problems);
}

const CapacityCourse& CapacityCourse::instance() {
    static const CapacityCourse course;
    return course;
}

CapacityCourse::CapacityCourse() {
    m_state.config = course_config(m_folder.path().toStdString() + "/");
    if (!m_folder.isValid()) {
        m_failure = "no temporary folder: " + m_folder.errorString().toStdString();
        return;
    }
    try {
        write_capacity_course(m_state.config.course_root);
    } catch (const std::exception& e) {
        m_failure = e.what();
        return;
    }
    CourseProblems problems;
    load_language_tables(m_state, problems);
    load_course_tables(m_state.config, m_state.tables, problems);
    m_word_lists = list_word_lists(m_state.config.course_root);
    const BuildNotice notice =
        m_store.results_build(m_state.tables, m_state.config, m_word_lists, FixedClock{});
    report(problems, notice);
}

void CapacityCourse::report(const CourseProblems& problems, const BuildNotice& notice) {
    for (const CourseProblem& problem : problems.all())
        std::cerr << problem.text() << '\n';
    print_counts();
    if (!problems.all().empty()) m_failure = "the capacity course has problems";
    if (notice.incomplete()) m_failure = notice.message;
    if (m_store.count() != capacity_course::records)
        m_failure = "the build made " + std::to_string(m_store.count()) + " records, not " +
                    std::to_string(capacity_course::records);
}

void CapacityCourse::print_counts() const {
    const CourseTables& t = m_state.tables;
    std::cerr << "capacity course in " << m_state.config.course_root << ": groups "
              << t.groups.size() << ", phrases " << t.phrases.size() << ", texts " << t.texts.size()
              << ", sentence lines " << t.sentence_lines.size() << " in " << t.sections.size()
              << " sections, catalogue " << t.catalogue.size() << ", kursu.roz "
              << t.comprehension_rows.size() << ", kursu.zdn " << t.recording_rows.size()
              << ", kurs.zdd " << t.drag_rows.size() << ", dialogues " << t.dialogues.size()
              << ", letters " << t.letters.size() << ", glossary " << t.glossary.size()
              << ", tasks " << t.tasks.size() << ", open tasks " << t.open_tasks.size()
              << ", word lists " << m_word_lists.size() << "; records built " << m_store.count()
              << '\n';
}

const CapacityCourse* course_for(benchmark::State& state) {
    const CapacityCourse& course = CapacityCourse::instance();
    if (course.failure().empty()) return &course;
    state.SkipWithError(course.failure().c_str());
    return nullptr;
}

} // namespace vimo::bench

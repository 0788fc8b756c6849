// vimo-server: the school server and the teachers' command line on one executable.

#include "core/dates.h"
#include "server/arguments.h"
#include "server/database.h"
#include "server/passwords.h"
#include "server/serve.h"
#include "server/teacher_commands.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>

namespace {

constexpr const char* kUsage =
    "usage: vimo-server serve --db DB [--listen ADDR:PORT] [--idle-timeout SECONDS]\n"
    "                         [--max-connections N]\n"
    "       vimo-server init --db DB\n"
    "       vimo-server learner add --db DB LOGIN [--name NAME] [--class CLASS] [--course "
    "CODE]...\n"
    "       vimo-server learner passwd --db DB LOGIN\n"
    "       vimo-server learner access --db DB LOGIN --course CODE [--typing on|off]\n"
    "                                  [--dictionary on|off] [--revoke]\n"
    "       vimo-server learner unlock --db DB LOGIN\n"
    "       vimo-server learner list --db DB [--class CLASS]\n"
    "       vimo-server learner import --db DB FILE.csv [--course CODE]...\n"
    "       vimo-server lesson add --db DB NAME NUMBER:TITLE...\n"
    "       vimo-server lesson assign --db DB NAME (--learner LOGIN | --class CLASS)...\n"
    "       vimo-server results export --db DB [--format csv|json] [--learner LOGIN]\n"
    "                                  [--class CLASS] [--course CODE]\n"
    "Passwords are read from standard input.\n";

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    vimo::apply_fixed_number_format();
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "help") {
        std::fputs(kUsage, words.empty() ? stderr : stdout);
        return words.empty() ? 1 : 0;
    }
    if (!vimo::server::init_passwords()) {
        std::fputs("vimo-server: libsodium cannot be initialised\n", stderr);
        return 1;
    }
    try {
        if (words[0] == "serve") return vimo::server::run_serve(words);
        vimo::server::run_teacher_command(words, std::cin, std::cout);
        return 0;
    } catch (const vimo::server::CommandError& e) {
        std::fprintf(stderr, "vimo-server: %s\n", e.what());
    } catch (const vimo::server::DatabaseError& e) {
        std::fprintf(stderr, "vimo-server: %s\n", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vimo-server: %s\n", e.what());
    }
    return 1;
}

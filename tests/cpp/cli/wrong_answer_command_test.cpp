#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The command prints no answer that --verify has caught wrong: it exits 4
// with the file's name and the reason, through the same checks that the
// roads' tests spoil, here spoiled inside a build of the whole command.
namespace {

extern "C" char** environ;

struct Ran {
    int status = -1;
    std::string out, err;
};

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string temp_path(const std::string& name) {
    return ::testing::TempDir() + "nemox_spoiled_" + std::to_string(getpid()) + "_" + name;
}

std::string write_temp(const std::string& name, const std::string& text) {
    const std::string path = temp_path(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// Runs the spoiled command with `spoiler` and `args`, standard input empty.
Ran run(const std::string& spoiler, const std::vector<std::string>& args) {
    const std::string out = temp_path("out"), err = temp_path("err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> words{NEMOX_SPOILED_COMMAND, spoiler};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    Ran r;
    if (posix_spawn(&pid, NEMOX_SPOILED_COMMAND, &actions, nullptr, argv.data(), environ) == 0) {
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        if (WIFEXITED(wstatus)) r.status = WEXITSTATUS(wstatus);
    }
    posix_spawn_file_actions_destroy(&actions);
    r.out = read_file(out);
    r.err = read_file(err);
    return r;
}

struct Case {
    const char* name;
    const char* subcommand;
    const char* text;  // empty: the Netlib afiro model
    int right_status;  // without --verify, the spoiler never runs
};

class SpoiledAnswers : public ::testing::TestWithParam<Case> {};

TEST_P(SpoiledAnswers, ExitFourWithTheReasonAndNoAnswer) {
    const Case& c = GetParam();
    const std::string path =
        *c.text ? write_temp(c.name, c.text) : std::string(NEMOX_TEST_DATA) + "/netlib/afiro.mps";
    const Ran plain = run("answers", {c.subcommand, path});
    EXPECT_EQ(plain.status, c.right_status) << plain.err;
    EXPECT_NE(plain.out, "");

    const Ran caught = run("answers", {c.subcommand, "--verify", path});
    EXPECT_EQ(caught.status, 4);
    EXPECT_EQ(caught.out, "");
    EXPECT_EQ(caught.err.rfind("nemox: " + path + ": wrong answer caught by --verify: ", 0), 0u)
        << caught.err;
    if (!*c.text) {
        const std::string reason = "the value of column X01 is below its lower bound\n";
        EXPECT_TRUE(caught.err.ends_with(reason)) << caught.err;
    }

    // Each file still gets its JSON line, and the run still ends with 4.
    const Ran several = run("answers", {c.subcommand, "--verify", "--json", path, path});
    EXPECT_EQ(several.status, 4);
    const std::string line = "\"file\": \"" + path + "\"";
    std::size_t lines = 0;
    for (std::size_t at = several.out.find(line); at != std::string::npos;
         at = several.out.find(line, at + 1))
        ++lines;
    EXPECT_EQ(lines, 2u) << several.out;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpoiledAnswers,
    ::testing::Values(Case{"sat", "sat", "p cnf 2 2\n1 0\n-1 2 0\n", 10},
                      Case{"lp", "lp", "max x0 + x1\nx0 + 3*x1 = 1\n", 0},
                      Case{"milp", "milp", "max x0 + x1\nint x0\nint x1\n2*x0 + 2*x1 <= 3\n", 0},
                      Case{"cp", "cp", "var a 1 3\nvar b 1 3\nneq a b\n", 0},
                      Case{"cp_top_domain", "cp",
                           "var x -5 9223372036854775807\nvar y 0 0\nle x y -5\n", 0},
                      Case{"lp_mps", "lp", "", 0}, Case{"milp_mps", "milp", "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpoiledCertificates, ExitFourAndTheCertificateIsNamed) {
    for (const char* text : {"max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n", "max x0\nx0 <= -1\n",
                             "max x0\nx0 >= 1\n"}) {
        const std::string path = write_temp("certified", text);
        const std::string cert = temp_path("certificate");
        const Ran caught = run("certificates", {"lp", "--verify", "--certificate", cert, path});
        EXPECT_EQ(caught.status, 4) << text;
        EXPECT_EQ(caught.out, "");
        EXPECT_NE(caught.err.find("certificate"), std::string::npos) << caught.err;
    }
}

}  // namespace

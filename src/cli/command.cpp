// The nemox command: solves files from the shell with the same roads as the
// Python module, several at once on all cores, with a time limit and Ctrl-C.

#include "cli/command.hpp"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "cli/input.hpp"
#include "cli/output.hpp"
#include "core/failure.hpp"
#include "core/interrupt.hpp"
#include "parser/lint.hpp"
#include "roads/roads.hpp"

namespace {

using namespace nemox;
using namespace nemox::cli;
namespace fs = std::filesystem;

constexpr const char* kVersion = "nemox 0.1.0";

constexpr const char* kHelp = R"help(usage: nemox sat|lp|milp|cp [options] FILE...

Solves each FILE (- for standard input, a directory for every file in it,
@LIST for the paths listed one per line in LIST) and prints the answers in
the order of the arguments. sat reads DIMACS CNF, lp and milp the LP text
(milp honours its int lines), cp the CP text. Gzip files (named *.gz, or
starting with the gzip magic bytes) are decompressed; the name without .gz
decides the format.

options:
  --json              print the dict that the Python module returns for the
                      same text, as JSON, one object per line
  --time-limit SECS   stop each file after SECS seconds of wall-clock time,
                      reading included, and report it undecided (s UNKNOWN,
                      or the status "UNKNOWN (resource limit)"); milp with a
                      solution found by then reports it as FEASIBLE
  -j N, --jobs N      solve N files at once (default: the number of cores)
  --stats             after each answer, what the solve did as "c NAME: VALUE"
                      lines (on standard error with --json): reading and
                      solving time and the solver's counters
  --summary           at the end, a table of every file with its status and
                      time, on standard error
  --memory-limit MB   refuse tables that would take the process beyond MB
                      megabytes (reported as out of memory)
  --proof FILE        sat with one input: write a DRAT proof of an
                      unsatisfiable answer to FILE (every learnt clause as
                      it is learnt, then the empty clause); FILE is only
                      created for an unsatisfiable answer, and never may
                      be the input
  --mps               lp, milp: read every input as free MPS (files named
                      *.mps are read so anyway); values are then reported
                      under the file's column names
  --fixed-mps         the same in fixed columns (names that hold blanks)
  --certificate FILE  lp, milp: write what proves each answer to FILE, one
                      line of JSON per input in argument order, exact
                      numbers as "p" or "p/q" strings (see
                      docs/certificates.md); FILE is replaced at the end of
                      the run, never may be an input
  --verify            check each answer against its problem in exact
                      arithmetic before printing it: every clause, every
                      constraint, bound and integrality, and for lp and
                      milp the certificate of the answer (an lp OPTIMAL is
                      then proven optimal); a wrong answer is never
                      printed (exit status 4)
  --progress          while a solve runs longer than a second, keep one
                      line on standard error with its conflicts (sat),
                      pivots (lp) or nodes (milp, cp) so far, their rate and
                      the elapsed time (the default when standard error is
                      a terminal); erased at the end
  --strict            treat warnings as errors: a file with one gets no
                      answer (exit status 1, as for a malformed text)
  --satlib            sat: drop the line that starts with % and all after
                      it, the end marker of SATLIB files
  -h, --help          print this text and exit
  --version           print the version and exit
An option's value may also follow it as --jobs=N or -jN.

output:
  sat                 s SATISFIABLE with v lines of literals ending with 0,
                      s UNSATISFIABLE, or s UNKNOWN
  lp, milp, cp        the status, the objective where there is one, and the
                      nonzero values, one per line; a milp FEASIBLE also
                      gives its bound (the best objective left open)
  With several files each answer is headed by a line naming its file
  (c file: NAME for sat, == NAME == otherwise). With --json and several
  files every line names its file: {"file": NAME, ...} before the keys of
  the answer, or {"file": NAME, "error": MESSAGE} for a file that has no
  answer.

warnings:
  FILE:LINE: warning: ... on standard error where a text reads without
  error but almost surely does not mean what it says: in LP text a name
  that is not x0, x1, ... (each mention makes a new variable), 2x0 for
  2*x0, a signed exponent (1e-5 splits at its -), an int line that marks
  nothing, a second objective line, a constraint on a line that starts
  with c (a comment), signs in a row, a carriage return inside a line; in
  DIMACS tokens after the counts of the problem line, a carriage return
  inside a line, a SATLIB % line.

Ctrl-C stops every running solve; each is reported undecided, files
already answered keep their answers, and files not yet started print
nothing (one line on standard error counts them).

exit status:
  10, 20              sat with one file: satisfiable, unsatisfiable
  0                   every file answered (also when undecided)
  1                   a file could not be read, or its text is malformed
                      (FILE:LINE: message on standard error), or standard
                      output could not be written
  2                   a wrong command line
  3                   an internal failure, or not enough memory
  4                   --verify found an answer wrong
  130                 Ctrl-C
  A closed pipe on standard output ends the run quietly, killed by SIGPIPE
  (status 141 when SIGPIPE is ignored).
)help";

enum class Kind { Sat, Lp, Milp, Cp };

struct Options {
    Kind kind = Kind::Sat;
    bool json = false;
    std::optional<double> time_limit;
    std::optional<std::string> proof;
    std::optional<std::string> certificate;
    bool stats = false;
    bool summary = false;
    bool verify = false;
    bool progress = false;
    bool strict = false;
    bool satlib = false;
    std::optional<parser::MpsFormat> mps;  // every input is MPS
    std::optional<long> memory_limit_mb;
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> inputs;
    const roads::Verification* checks = nullptr;  // what --verify runs
};

// One argument's share of the work: a file to solve, or why a path named
// there cannot be (an unreadable list or directory), in argument order.
struct Entry {
    std::string path;
    std::optional<std::string> error;
};

struct Outcome {
    std::string warnings;  // on standard error before the answer: they are about the text
    std::string out;
    std::string err;
    std::string certificate;  // JSON, with --certificate
    std::string error;        // why there is no answer, without the command's name
    int status = 0;
    std::string word = "error";  // the answer's status, for the summary
    double seconds = 0;
};

constexpr int kInputError = 1;
constexpr int kUsage = 2;
constexpr int kInternal = 3;
constexpr int kWrongAnswer = 4;
constexpr int kInterrupted = 130;  // 128 + SIGINT, as shells report it
constexpr int kBrokenPipe = 141;   // 128 + SIGPIPE

using Clock = std::chrono::steady_clock;

std::atomic<bool> interrupted{false};
// Standard output failed: nothing more can be printed, so nothing more is solved.
std::atomic<bool> abandoned{false};
thread_local Clock::time_point deadline = Clock::time_point::max();

// What one worker is solving, as the progress line reads it.
struct Slot {
    std::atomic<bool> running{false};
    std::atomic<Clock::rep> start{0};
    std::atomic<std::uint64_t> progress{0};  // conflicts, pivots or nodes so far
};
thread_local Slot* slot = nullptr;

extern "C" void on_sigint(int) {
    interrupted.store(true, std::memory_order_relaxed);
}

bool stopping() {
    return interrupted.load(std::memory_order_relaxed) || abandoned.load(std::memory_order_relaxed);
}

bool should_stop(std::uint64_t progress) {
    if (slot != nullptr) slot->progress.store(progress, std::memory_order_relaxed);
    return stopping() || Clock::now() >= deadline;
}

bool should_stop_reading() {
    return should_stop(0);
}

// A limit beyond the clock's range never expires (in nanoseconds the clock
// ends after some 292 years, and a longer limit would wrap around).
Clock::time_point deadline_after(std::optional<double> seconds) {
    const Clock::time_point now = Clock::now();
    if (!seconds) return Clock::time_point::max();
    const double room = std::chrono::duration<double>(Clock::time_point::max() - now).count();
    if (*seconds >= room / 2) return Clock::time_point::max();
    return now +
           std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(*seconds));
}

// Every byte or an errno; a failed write to standard output ends the run.
int write_all(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

[[noreturn]] void exit_after_write_failure(int error) {
    if (error != EPIPE) {
        const std::string message =
            std::string("nemox: standard output: ") + std::strerror(error) + "\n";
        write_all(STDERR_FILENO, message);
    }
    std::_Exit(error == EPIPE ? kBrokenPipe : kInputError);
}

// A search that the time limit ends keeps its best solution so far.
bool keep_incumbent() {
    return !stopping();
}

[[noreturn]] void usage_error(const std::string& message) {
    std::cerr << "nemox: " << message << "\nTry 'nemox --help'.\n";
    std::exit(kUsage);
}

[[noreturn]] void print_and_exit(std::string_view text) {
    if (const int error = write_all(STDOUT_FILENO, text)) exit_after_write_failure(error);
    std::exit(0);
}

Options parse_options(int argc, char** argv) {
    Options o;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) usage_error("missing subcommand (sat, lp, milp or cp)");
    for (const std::string& a : args) {
        if (a == "-h" || a == "--help") print_and_exit(kHelp);
        if (a == "--version") print_and_exit(std::string(kVersion) + "\n");
    }
    const std::string& sub = args[0];
    if (sub == "sat") {
        o.kind = Kind::Sat;
    } else if (sub == "lp") {
        o.kind = Kind::Lp;
    } else if (sub == "milp") {
        o.kind = Kind::Milp;
    } else if (sub == "cp") {
        o.kind = Kind::Cp;
    } else {
        usage_error("unknown subcommand '" + sub + "'");
    }
    bool only_files = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (only_files || args[i] == "-" || args[i].empty() || args[i][0] != '-') {
            o.inputs.push_back(args[i]);
            continue;
        }
        // --name=VALUE and -jN carry their value in the same argument.
        std::string a = args[i];
        std::optional<std::string> attached;
        if (const std::size_t eq = a.find('='); a.starts_with("--") && eq != std::string::npos) {
            attached = a.substr(eq + 1);
            a.resize(eq);
        } else if (a.starts_with("-j") && a.size() > 2) {
            attached = a.substr(2);
            a = "-j";
        }
        auto value_of = [&]() -> std::string {
            if (attached) return *std::exchange(attached, std::nullopt);
            if (i + 1 >= args.size()) usage_error("option " + a + " needs a value");
            return args[++i];
        };
        if (a == "--") {
            only_files = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--time-limit") {
            const std::string v = value_of();
            char* end = nullptr;
            const double secs = std::strtod(v.c_str(), &end);
            if (end == v.c_str() || *end != '\0' || !(secs > 0) || !std::isfinite(secs))
                usage_error("--time-limit needs a positive number of seconds, not '" + v + "'");
            o.time_limit = secs;
        } else if (a == "-j" || a == "--jobs") {
            const std::string v = value_of();
            char* end = nullptr;
            const long n = std::strtol(v.c_str(), &end, 10);
            if (end == v.c_str() || *end != '\0' || n < 1 || n > 1024)
                usage_error(a + " needs a number of jobs from 1 to 1024, not '" + v + "'");
            o.jobs = static_cast<unsigned>(n);
        } else if (a == "--summary") {
            o.summary = true;
        } else if (a == "--memory-limit") {
            const std::string v = value_of();
            char* end = nullptr;
            const long mb = std::strtol(v.c_str(), &end, 10);
            if (end == v.c_str() || *end != '\0' || mb < 1 || mb > (1L << 40))
                usage_error("--memory-limit needs a positive number of megabytes, not '" + v + "'");
            o.memory_limit_mb = mb;
        } else if (a == "--stats") {
            o.stats = true;
        } else if (a == "--mps") {
            o.mps = parser::MpsFormat::Free;
        } else if (a == "--fixed-mps") {
            o.mps = parser::MpsFormat::Fixed;
        } else if (a == "--verify") {
            o.verify = true;
        } else if (a == "--strict") {
            o.strict = true;
        } else if (a == "--satlib") {
            o.satlib = true;
        } else if (a == "--progress") {
            o.progress = true;
        } else if (a == "--proof") {
            o.proof = value_of();
            if (o.proof->empty()) usage_error("--proof needs a file name");
        } else if (a == "--certificate") {
            o.certificate = value_of();
            if (o.certificate->empty()) usage_error("--certificate needs a file name");
        } else {
            usage_error("unknown option '" + a + "'");
        }
        if (attached) usage_error("option " + a + " takes no value");
    }
    if (o.satlib && o.kind != Kind::Sat) usage_error("--satlib needs the sat subcommand");
    if (o.inputs.empty()) usage_error("no FILE given (use - for standard input)");
    if (o.mps && o.kind != Kind::Lp && o.kind != Kind::Milp)
        usage_error("--mps and --fixed-mps need the lp or milp subcommand");
    if (o.certificate && o.kind != Kind::Lp && o.kind != Kind::Milp)
        usage_error("--certificate needs the lp or milp subcommand");
    if (o.proof && (o.kind != Kind::Sat || o.inputs.size() != 1))
        usage_error("--proof needs the sat subcommand and exactly one FILE");
    return o;
}

// A directory's regular files, dangling links and unreadable subdirectories,
// recursively; links to directories are not followed (no loops).
void walk(const fs::path& dir, std::vector<Entry>& found) {
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (it->is_directory(kind) && !it->is_symlink(kind)) {
            walk(it->path(), found);
        } else if (it->is_regular_file(kind) || (it->is_symlink(kind) && !it->exists(kind))) {
            // A dangling link is reported when it cannot be read.
            found.push_back({it->path().string(), std::nullopt});
        }
    }
    if (ec) found.push_back({dir.string(), ec.message()});
}

void add_path(const std::string& path, std::vector<Entry>& entries) {
    std::error_code ec;
    if (path == "-" || !fs::is_directory(path, ec)) {
        entries.push_back({path, std::nullopt});
        return;
    }
    std::vector<Entry> found;
    walk(path, found);
    std::sort(found.begin(), found.end(),
              [](const Entry& a, const Entry& b) { return a.path < b.path; });
    entries.insert(entries.end(), found.begin(), found.end());
}

// Paths in argument order: a directory gives its regular files, sorted
// (recursively), @LIST the paths it lists, each expanded the same way.
std::vector<Entry> expand(const std::vector<std::string>& inputs) {
    std::vector<Entry> entries;
    for (const std::string& a : inputs) {
        if (a.size() < 2 || a[0] != '@') {
            add_path(a, entries);
            continue;
        }
        const std::string list_name = a.substr(1);
        const ReadResult list = read_input(list_name, &should_stop_reading, false);
        if (!list.text) {
            entries.push_back({list_name, list.error});
            continue;
        }
        for (std::size_t begin = 0; begin < list.text->size();) {
            std::size_t end = list.text->find('\n', begin);
            if (end == std::string::npos) end = list.text->size();
            std::string line = list.text->substr(begin, end - begin);
            begin = end + 1;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty()) add_path(line, entries);
        }
    }
    return entries;
}

bool same_file(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Two readers of standard input would split its text between them. A stream
// (a pipe, a FIFO, a terminal) is standard input also under another name
// such as /dev/stdin; a file or a device like /dev/null can be read twice.
bool reads_standard_input_twice(const std::vector<std::string>& inputs,
                                const std::vector<Entry>& entries) {
    struct stat in{};
    const bool stream = fstat(STDIN_FILENO, &in) == 0 &&
                        (S_ISFIFO(in.st_mode) || S_ISSOCK(in.st_mode) || isatty(STDIN_FILENO) == 1);
    auto is_stdin = [&](const Entry& e) {
        if (e.error) return false;
        if (e.path == "-") return true;
        struct stat st{};
        return stream && stat(e.path.c_str(), &st) == 0 && same_file(st, in);
    };
    const auto lists = std::count(inputs.begin(), inputs.end(), "@-");
    return lists + std::count_if(entries.begin(), entries.end(), is_stdin) > 1;
}

// Whether writing the proof (or certificate) would overwrite an input (the
// same file under any name, standard input included).
bool proof_is_an_input(const std::string& proof, const std::vector<std::string>& inputs,
                       const std::vector<Entry>& entries) {
    struct stat target{};
    if (stat(proof.c_str(), &target) != 0) return false;
    struct stat st{};
    if (fstat(STDIN_FILENO, &st) == 0 && same_file(st, target)) {
        const bool reads_stdin = std::any_of(entries.begin(), entries.end(),
                                             [](const Entry& e) { return e.path == "-"; }) ||
                                 std::count(inputs.begin(), inputs.end(), "@-") > 0;
        if (reads_stdin) return true;
    }
    auto is_target = [&](const std::string& path) {
        return path != "-" && stat(path.c_str(), &st) == 0 && same_file(st, target);
    };
    return std::any_of(entries.begin(), entries.end(),
                       [&](const Entry& e) { return is_target(e.path); }) ||
           std::any_of(inputs.begin(), inputs.end(), [&](const std::string& a) {
               return a.size() > 1 && a[0] == '@' && is_target(a.substr(1));
           });
}

// The proof goes to a temporary file beside its destination and takes the
// destination's name only for an unsatisfiable answer: no other outcome
// leaves a file behind or touches one that was there. A destination that
// is not a regular file (a device, a pipe) is written as it is: renaming
// over it would replace the device node or the pipe itself.
class ProofFile {
  public:
    explicit ProofFile(const std::string& destination) : destination_(destination) {
        struct stat st{};
        if (stat(destination.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            if (S_ISDIR(st.st_mode)) {
                errno = EISDIR;
                return;
            }
            file_ = std::fopen(destination.c_str(), "w");
            return;
        }
        fs::path dir = fs::path(destination).parent_path();
        if (dir.empty()) dir = ".";
        temporary_ = (dir / ("." + fs::path(destination).filename().string() + ".XXXXXX")).string();
        const int fd = mkstemp(temporary_.data());
        if (fd < 0) {
            temporary_.clear();
            return;
        }
        // mkstemp makes it private; the proof gets the mode any new file would.
        fchmod(fd, 0666 & ~umask_at_start);
        file_ = fdopen(fd, "w");
        if (file_ == nullptr) close(fd);
    }
    ProofFile(const ProofFile&) = delete;
    ProofFile& operator=(const ProofFile&) = delete;
    ~ProofFile() {
        if (file_ != nullptr) std::fclose(file_);
        if (!temporary_.empty()) unlink(temporary_.c_str());
    }
    std::FILE* get() const { return file_; }
    // False when the proof could not be completed; errno says why.
    bool commit() {
        const int closed = std::fclose(file_);
        file_ = nullptr;
        if (closed != 0) return false;
        if (temporary_.empty()) return true;
        if (rename(temporary_.c_str(), destination_.c_str()) != 0) return false;
        temporary_.clear();
        return true;
    }

    static inline mode_t umask_at_start = 022;

  private:
    std::string destination_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
};

std::string stats_lines(const roads::Stats& stats) {
    char times[96];
    std::snprintf(times, sizeof times, "c read time: %.6f s\nc solve time: %.6f s\n",
                  stats.read_seconds, stats.solve_seconds);
    std::string out = times;
    for (const auto& [name, value] : stats.counters)
        out += "c " + name + ": " + std::to_string(value) + "\n";
    return out;
}

// SATLIB files end their clauses with a line "%", which --satlib honours.
std::string_view text_to_read(const Options& o, std::string_view text) {
    return o.satlib ? parser::drop_satlib_trailer(text) : text;
}

// The warnings about a text, as FILE:LINE: warning: ... lines, or as the
// errors that make the file go without an answer under --strict.
std::string warning_lines(const Options& o, const std::string& file, std::string_view text,
                          std::string& first_error) {
    const bool lp_text = (o.kind == Kind::Lp || o.kind == Kind::Milp) && !o.mps &&
                         !format_name(file).ends_with(".mps");
    if (o.kind != Kind::Sat && !lp_text) return {};
    const std::vector<parser::Warning> warnings =
        o.kind == Kind::Sat ? parser::lint_dimacs(text) : parser::lint_lp(text);
    std::string out;
    for (const parser::Warning& w : warnings) {
        const std::string line = file + ":" + std::to_string(w.line) + ": ";
        if (o.strict && first_error.empty()) first_error = line + w.text;
        out += line + (o.strict ? "" : "warning: ") + w.text + "\n";
    }
    return out;
}

// The answer of a solve that a limit or Ctrl-C ended.
std::string undecided(const Options& o) {
    if (o.json) {
        return o.kind == Kind::Lp || o.kind == Kind::Milp
                   ? lp_json(LpResult::unknown({UnknownReason::Kind::ResourceLimit, {}})) + "\n"
                   : sat_json(nullptr) + "\n";
    }
    return o.kind == Kind::Sat ? sat_competition(nullptr) : cp_text(nullptr);
}

Outcome solve(const Options& o, const std::string& name, std::string_view text);

Outcome failure(int status, std::string error) {
    Outcome r;
    r.error = std::move(error);
    r.err = "nemox: " + r.error + "\n";
    r.status = status;
    return r;
}

Outcome interrupted_outcome(const Options& o) {
    Outcome r;
    r.word = "UNKNOWN";
    r.out = undecided(o);
    return r;
}

// One file, read and solved under one deadline: its answer, with the status
// word and wall-clock time kept for the summary.
Outcome solve_one(const Options& o, const Entry& entry) {
    const auto start = Clock::now();
    Outcome r;
    if (entry.error) {
        r = failure(kInputError, entry.path + ": " + *entry.error);
    } else {
        deadline = deadline_after(o.time_limit);
        try {
            const ReadResult in = read_input(entry.path, &should_stop_reading, true);
            if (!in.text) {
                r = failure(kInputError, entry.path + ": " + in.error);
            } else {
                const std::string_view text = text_to_read(o, *in.text);
                std::string strict_error;
                const std::string warnings = warning_lines(o, entry.path, text, strict_error);
                if (strict_error.empty()) {
                    r = solve(o, entry.path, text);
                } else {
                    r.error = std::move(strict_error);
                    r.status = kInputError;
                }
                r.warnings = warnings;
            }
        } catch (const Interrupted&) {
            r = interrupted_outcome(o);
        } catch (const std::bad_alloc&) {
            r = failure(kInternal, entry.path + ": out of memory while reading");
        }
    }
    r.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return r;
}

Outcome solve(const Options& o, const std::string& name, std::string_view text) {
    Outcome r;
    // A reader's message stands alone as FILE:LINE: message, as compilers write it.
    auto fail = [&](int status, std::string error, bool from_reader = false) {
        r.error = std::move(error);
        r.err = (from_reader ? "" : "nemox: ") + r.error + "\n";
        r.status = status;
    };
    const Interrupt interrupt(&should_stop);
    roads::Stats stats;
    roads::Stats* stats_of = o.stats ? &stats : nullptr;
    roads::LpCertificate certificate;
    roads::LpCertificate* certificate_of = o.certificate ? &certificate : nullptr;
    const roads::Verification* verify = o.verify ? o.checks : nullptr;
    auto add_stats = [&] {
        if (o.stats) (o.json ? r.err : r.out) += stats_lines(stats);
    };
    try {
        if (should_stop(0)) throw Interrupted{};
        std::optional<ProofFile> proof_file;
        std::optional<sat::DratWriter> proof;
        if (o.proof) {
            proof_file.emplace(*o.proof);
            if (proof_file->get() == nullptr) {
                fail(kInputError, *o.proof + ": " + std::strerror(errno));
                return r;
            }
            proof.emplace(proof_file->get());
        }
        if (o.kind == Kind::Sat || o.kind == Kind::Cp) {
            const auto result = o.kind == Kind::Sat
                                    ? roads::solve_sat(text, interrupt, 0,
                                                       proof ? &*proof : nullptr, stats_of, verify)
                                    : roads::solve_cp(text, interrupt, stats_of, verify);
            if (!result.ok()) {
                fail(kInputError, located_message(name, result.read_error()), true);
                return r;
            }
            if (proof && !result.value().is_sat() && (!proof->flush() || !proof_file->commit())) {
                fail(kInputError, *o.proof + ": the proof could not be written");
                return r;
            }
            if (o.json) {
                r.out = sat_json(&result.value()) + "\n";
            } else {
                r.out = o.kind == Kind::Sat ? sat_competition(&result.value())
                                            : cp_text(&result.value());
            }
            if (o.kind == Kind::Sat) r.status = result.value().is_sat() ? 10 : 20;
            r.word = result.value().status_word();
        } else {
            const bool integers = o.kind == Kind::Milp;
            const std::optional<parser::MpsFormat> mps =
                o.mps
                    ? o.mps
                    : (format_name(name).ends_with(".mps") ? std::optional(parser::MpsFormat::Free)
                                                           : std::nullopt);
            if (mps) {
                const auto answer = roads::solve_mps(text, integers, *mps, interrupt, stats_of,
                                                     verify, &keep_incumbent, certificate_of);
                if (!answer.ok()) {
                    fail(kInputError, located_message(name, answer.read_error()), true);
                    return r;
                }
                const auto& [result, names] = answer.value();
                r.out = o.json ? lp_json(result, &names) + "\n" : lp_text(result, &names);
                r.word = result.status();
                if (certificate_of != nullptr)
                    r.certificate = certificate_json(result, certificate);
            } else {
                const auto result =
                    integers ? roads::solve_milp(text, interrupt, stats_of, verify, &keep_incumbent,
                                                 certificate_of)
                             : roads::solve_lp(text, interrupt, stats_of, verify, certificate_of);
                if (!result.ok()) {
                    fail(kInputError, located_message(name, result.read_error()), true);
                    return r;
                }
                r.out = o.json ? lp_json(result.value()) + "\n" : lp_text(result.value());
                r.word = result.value().status();
                if (certificate_of != nullptr)
                    r.certificate = certificate_json(result.value(), certificate);
            }
        }
        add_stats();
    } catch (const Interrupted&) {
        r.word = "UNKNOWN";
        r.out = undecided(o);
        add_stats();
    } catch (const WrongAnswer& e) {
        fail(kWrongAnswer, name + ": wrong answer caught by --verify: " + e.what());
    } catch (const MemoryLimit& e) {
        fail(kInternal, name + ": out of memory: " + e.what());
    } catch (const std::bad_alloc&) {
        fail(kInternal, name + ": out of memory");
    } catch (const std::exception& e) {
        fail(kInternal, name + ": internal failure: " + e.what());
    } catch (...) {
        fail(kInternal, name + ": internal failure");
    }
    return r;
}

// The progress line on standard error, and every write to the terminal, so
// that answers never land on a half-drawn line.
class Console {
  public:
    Console(const Options& o, std::vector<Slot>& slots, std::size_t files)
        : slots_(slots), files_(files), word_(progress_word(o.kind)) {
        if (o.progress || isatty(STDERR_FILENO) == 1) {
            // Under a small memory limit there may be no room for its stack.
            try {
                painter_ = std::thread([this] { paint(); });
            } catch (const std::system_error&) {
            }
        }
    }
    ~Console() {
        {
            const std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        if (painter_.joinable()) painter_.join();
        erase();
    }

    // The errno of a failed write to standard output, or 0.
    int print(const std::string& before, const std::string& out, const std::string& err) {
        const std::lock_guard lock(mutex_);
        erase();
        write_all(STDERR_FILENO, before);
        const int error = write_all(STDOUT_FILENO, out);
        write_all(STDERR_FILENO, err);
        return error;
    }
    void file_done() {
        const std::lock_guard lock(mutex_);
        ++done_;
    }

  private:
    static const char* progress_word(Kind kind) {
        switch (kind) {
            case Kind::Sat:
                return "conflicts";
            case Kind::Lp:
                return "pivots";
            default:
                return "nodes";
        }
    }

    void erase() {
        if (!shown_) return;
        std::cerr << "\r\x1b[K" << std::flush;
        shown_ = false;
    }

    void paint() {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, std::chrono::milliseconds(250), [this] { return stop_; })) {
            const auto now = Clock::now();
            double longest = 0;
            std::uint64_t count = 0;
            std::size_t running = 0;
            for (const Slot& s : slots_) {
                if (!s.running.load(std::memory_order_relaxed)) continue;
                const Clock::time_point started{Clock::duration(s.start.load())};
                longest = std::max(longest, std::chrono::duration<double>(now - started).count());
                count += s.progress.load(std::memory_order_relaxed);
                ++running;
            }
            if (running == 0 || longest < 1.0) continue;
            char line[160];
            std::snprintf(line, sizeof line, "%llu %s (%.0f/s), %.1f s",
                          static_cast<unsigned long long>(count), word_, count / longest, longest);
            std::string text = line;
            if (files_ > 1) {
                std::snprintf(line, sizeof line, "; %zu of %zu files done, %zu running", done_,
                              files_, running);
                text += line;
            }
            std::cerr << "\r" << text << "\x1b[K" << std::flush;
            shown_ = true;
        }
    }

    std::vector<Slot>& slots_;
    const std::size_t files_;
    const char* const word_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool shown_ = false;
    std::size_t done_ = 0;
    std::thread painter_;
};

// Workers solve files in any order; the main thread prints them in argument
// order as they come. Under a memory limit too small for a thread's stack the
// main thread solves them itself, one at a time.
int run(const Options& o) {
    const std::vector<Entry> entries = expand(o.inputs);
    if (reads_standard_input_twice(o.inputs, entries))
        usage_error("standard input (-) can be read only once");
    if (o.proof) {
        if (entries.size() != 1)
            usage_error("--proof needs the sat subcommand and exactly one FILE");
        if (proof_is_an_input(*o.proof, o.inputs, entries))
            usage_error("--proof " + *o.proof + " is an input; the proof would overwrite it");
    }
    const bool several = entries.size() > 1;
    if (o.certificate && proof_is_an_input(*o.certificate, o.inputs, entries))
        usage_error("--certificate " + *o.certificate +
                    " is an input; the certificate would overwrite it");
    // Opened before any solve, so that a destination that cannot be written
    // costs no work; it takes its name at the end, all lines written.
    std::optional<ProofFile> certificates;
    if (o.certificate) {
        certificates.emplace(*o.certificate);
        if (certificates->get() == nullptr) {
            std::cerr << "nemox: " << *o.certificate << ": " << std::strerror(errno) << "\n";
            return kInputError;
        }
    }
    // One line per input: its certificate, or why it has none.
    auto certificate_line = [&](const std::string& file, const Outcome* r) {
        std::string line = "{";
        if (several) line += "\"file\": " + json_string(file) + ", ";
        if (r == nullptr) return line + "\"error\": \"not started\"}\n";
        if (!r->certificate.empty()) return line + r->certificate.substr(1) + "\n";
        if (r->out.empty()) return line + "\"error\": " + json_string(r->error) + "}\n";
        // Only a solve cut short has an answer without a certificate.
        return line + "\"status\": " + json_string(undecided_status()) +
               ", \"proves\": \"nothing\"}\n";
    };
    const unsigned workers =
        std::min<std::size_t>(o.jobs, std::max<std::size_t>(entries.size(), 1));
    std::vector<Slot> slots(workers);
    Console console(o, slots, entries.size());

    std::vector<std::optional<Outcome>> outcomes(entries.size());
    std::mutex mutex;
    std::condition_variable ready;
    std::size_t working = 0;  // workers still taking files
    std::atomic<std::size_t> next{0};
    auto solve_entry = [&](std::size_t i, Slot& mine) {
        mine.progress.store(0, std::memory_order_relaxed);
        mine.start.store(Clock::now().time_since_epoch().count());
        mine.running.store(true);
        Outcome r = solve_one(o, entries[i]);
        mine.running.store(false);
        console.file_done();
        return r;
    };
    auto work = [&](Slot* mine) {
        slot = mine;
        for (std::size_t i; !stopping() && (i = next.fetch_add(1)) < entries.size();) {
            Outcome r = solve_entry(i, *mine);
            const std::lock_guard lock(mutex);
            outcomes[i] = std::move(r);
            ready.notify_all();
        }
        const std::lock_guard lock(mutex);
        --working;
        ready.notify_all();
    };
    std::vector<std::thread> threads;
    for (unsigned k = 0; k < workers; ++k) {
        try {
            {
                const std::lock_guard lock(mutex);
                ++working;
            }
            threads.emplace_back(work, &slots[k]);
        } catch (const std::system_error&) {
            const std::lock_guard lock(mutex);
            --working;
            break;
        }
    }

    // With --json and several files, every line names its file.
    auto error_line = [&](const std::string& file, const std::string& error) {
        return o.json && several ? "{\"file\": " + json_string(file) +
                                       ", \"error\": " + json_string(error) + "}\n"
                                 : std::string();
    };
    int status = 0;
    int write_error = 0;
    std::size_t not_started = 0;
    std::vector<std::pair<std::string, double>> summary;
    for (std::size_t i = 0; i < entries.size() && write_error == 0; ++i) {
        const std::string& path = entries[i].path;
        std::optional<Outcome> done;
        if (threads.empty()) {
            slot = &slots[0];
            if (!stopping()) done = solve_entry(i, slots[0]);
        } else {
            std::unique_lock lock(mutex);
            ready.wait(lock, [&] { return outcomes[i].has_value() || working == 0; });
            done = std::move(outcomes[i]);
        }
        if (!done) {
            // Ctrl-C came before this file was started: it has no answer to print.
            summary.emplace_back("not started", 0.0);
            ++not_started;
            if (certificates)
                std::fputs(certificate_line(path, nullptr).c_str(), certificates->get());
            continue;
        }
        const Outcome& r = *done;
        summary.emplace_back(r.word, r.seconds);
        if (certificates) std::fputs(certificate_line(path, &r).c_str(), certificates->get());
        std::string out;
        if (several && !o.json && !r.out.empty())
            out = (o.kind == Kind::Sat ? "c file: " + path : "== " + path + " ==") + "\n";
        if (r.out.empty()) {
            out += error_line(path, r.error);
        } else if (o.json && several) {
            out += "{\"file\": " + json_string(path) + ", " + r.out.substr(1);
        } else {
            out += r.out;
        }
        write_error = console.print(r.warnings, out, r.err);
        if (!several) {
            status = r.status;
        } else if (r.status == kInputError || r.status == kInternal || r.status == kWrongAnswer) {
            status = std::max(status, r.status);
        }
    }
    if (write_error != 0) abandoned.store(true);
    for (std::thread& t : threads) t.join();
    if (write_error != 0) {
        certificates.reset();  // the exit skips destructors: no temporary file left behind
        exit_after_write_failure(write_error);
    }
    if (certificates && !certificates->commit()) {
        std::cerr << "nemox: " << *o.certificate
                  << ": the certificate could not be written: " << std::strerror(errno) << "\n";
        status = std::max(status, kInputError);
    }
    if (o.summary) {
        std::size_t width = 4;
        for (const Entry& e : entries) width = std::max(width, e.path.size());
        std::fprintf(stderr, "%-*s  %-26s %10s\n", static_cast<int>(width), "file", "status",
                     "seconds");
        for (std::size_t i = 0; i < entries.size(); ++i) {
            std::fprintf(stderr, "%-*s  %-26s %10.3f\n", static_cast<int>(width),
                         entries[i].path.c_str(), summary[i].first.c_str(), summary[i].second);
        }
    }
    if (!interrupted.load()) return status;
    if (not_started > 0) {
        std::fprintf(stderr, "nemox: interrupted; %zu of %zu files not started\n", not_started,
                     entries.size());
    }
    return kInterrupted;
}

}  // namespace

int nemox::cli::run_command(int argc, char** argv, const roads::Verification& checks) {
    struct sigaction sa{};
    sa.sa_handler = on_sigint;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    ProofFile::umask_at_start = umask(0);
    umask(ProofFile::umask_at_start);

    Options o = parse_options(argc, argv);
    o.checks = &checks;
    if (o.memory_limit_mb) {
        // The memory check before large tables reads this limit like any other.
        const rlim_t bytes = static_cast<rlim_t>(*o.memory_limit_mb) << 20;
        const rlimit limit{bytes, bytes};
        if (setrlimit(RLIMIT_AS, &limit) != 0) {
            std::cerr << "nemox: --memory-limit: " << std::strerror(errno) << "\n";
            return kUsage;
        }
    }
    // Whatever fails outside a file's own solve ends the run with a message.
    try {
        return run(o);
    } catch (const Interrupted&) {
        write_all(STDERR_FILENO, "nemox: interrupted\n");
        return kInterrupted;
    } catch (const std::bad_alloc&) {
        write_all(STDERR_FILENO, "nemox: out of memory\n");
    } catch (const std::exception& e) {
        write_all(STDERR_FILENO, std::string("nemox: internal failure: ") + e.what() + "\n");
    }
    return kInternal;
}

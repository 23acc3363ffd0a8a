// The nemox command: solves files from the shell with the same roads as the
// Python module, several at once on all cores, with a time limit and Ctrl-C.

#include <signal.h>
#include <sys/resource.h>
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
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/output.hpp"
#include "core/failure.hpp"
#include "core/interrupt.hpp"
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
(milp honours its int lines), cp the CP text.

options:
  --json              print the dict that the Python module returns for the
                      same text, as JSON, one object per line
  --time-limit SECS   stop each solve after SECS seconds of wall-clock time
                      and report it undecided (s UNKNOWN, or the status
                      "UNKNOWN (resource limit)"); milp with a solution
                      found by then reports it as FEASIBLE
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
                      it is learnt, then the empty clause)
  --mps               lp, milp: read every input as free MPS (files named
                      *.mps are read so anyway); values are then reported
                      under the file's column names
  --fixed-mps         the same in fixed columns (names that hold blanks)
  --verify            check each answer against its problem in exact
                      arithmetic before printing it: every clause, every
                      constraint, bound and integrality; a wrong answer is
                      never printed (exit status 4)
  --progress          while a solve runs longer than a second, keep one
                      line on standard error with its conflicts (sat),
                      pivots (lp) or nodes (milp, cp) so far, their rate and
                      the elapsed time (the default when standard error is
                      a terminal); erased at the end
  -h, --help          print this text and exit
  --version           print the version and exit

output:
  sat                 s SATISFIABLE with v lines of literals ending with 0,
                      s UNSATISFIABLE, or s UNKNOWN
  lp, milp, cp        the status, the objective where there is one, and the
                      nonzero values, one per line; a milp FEASIBLE also
                      gives its bound (the best objective left open)
  With several files each answer is headed by a line naming its file
  (c file: NAME for sat, == NAME == otherwise). With --json and several
  files a file that has no answer prints {"file": NAME, "error": MESSAGE}
  in its place, so that lines and files pair up.

Ctrl-C stops every running solve; each is reported undecided.

exit status:
  10, 20              sat with one file: satisfiable, unsatisfiable
  0                   every file answered (also when undecided)
  1                   a file could not be read, or its text is malformed
                      (FILE:LINE: message on standard error)
  2                   a wrong command line
  3                   an internal failure, or not enough memory
  4                   --verify found an answer wrong
)help";

enum class Kind { Sat, Lp, Milp, Cp };

struct Options {
    Kind kind = Kind::Sat;
    bool json = false;
    std::optional<double> time_limit;
    std::optional<std::string> proof;
    bool stats = false;
    bool summary = false;
    bool verify = false;
    bool progress = false;
    std::optional<parser::MpsFormat> mps;  // every input is MPS
    std::optional<long> memory_limit_mb;
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> inputs;
    // Set only by the tests (NEMOX_PLANT_WRONG_ANSWER=1), to see --verify
    // catch a wrong answer.
    bool plant_wrong_answer = false;
};

struct Input {
    std::string name;
    std::optional<std::string> text;  // nothing when it could not be read
    std::string error;
};

struct Outcome {
    std::string out;
    std::string err;
    std::string error;  // why there is no answer, without the command's name
    int status = 0;
    std::string word = "error";  // the answer's status, for the summary
    double seconds = 0;
};

constexpr int kInputError = 1;
constexpr int kUsage = 2;
constexpr int kInternal = 3;
constexpr int kWrongAnswer = 4;

using Clock = std::chrono::steady_clock;

std::atomic<bool> interrupted{false};
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

bool should_stop(std::uint64_t progress) {
    if (slot != nullptr) slot->progress.store(progress, std::memory_order_relaxed);
    return interrupted.load(std::memory_order_relaxed) || Clock::now() >= deadline;
}

// A search that the time limit ends keeps its best solution so far.
bool keep_incumbent() {
    return !interrupted.load(std::memory_order_relaxed);
}

[[noreturn]] void usage_error(const std::string& message) {
    std::cerr << "nemox: " << message << "\nTry 'nemox --help'.\n";
    std::exit(kUsage);
}

Options parse_options(int argc, char** argv) {
    Options o;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) usage_error("missing subcommand (sat, lp, milp or cp)");
    for (const std::string& a : args) {
        if (a == "-h" || a == "--help") {
            std::cout << kHelp;
            std::exit(0);
        }
        if (a == "--version") {
            std::cout << kVersion << "\n";
            std::exit(0);
        }
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
    auto value_of = [&](std::size_t& i) -> const std::string& {
        if (i + 1 >= args.size()) usage_error("option " + args[i] + " needs a value");
        return args[++i];
    };
    bool only_files = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (only_files || a == "-" || a.empty() || a[0] != '-') {
            o.inputs.push_back(a);
        } else if (a == "--") {
            only_files = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--time-limit") {
            const std::string& v = value_of(i);
            char* end = nullptr;
            const double secs = std::strtod(v.c_str(), &end);
            if (end == v.c_str() || *end != '\0' || !(secs > 0) || !std::isfinite(secs))
                usage_error("--time-limit needs a positive number of seconds, not '" + v + "'");
            o.time_limit = secs;
        } else if (a == "-j" || a == "--jobs") {
            const std::string& v = value_of(i);
            char* end = nullptr;
            const long n = std::strtol(v.c_str(), &end, 10);
            if (end == v.c_str() || *end != '\0' || n < 1 || n > 1024)
                usage_error(a + " needs a number of jobs from 1 to 1024, not '" + v + "'");
            o.jobs = static_cast<unsigned>(n);
        } else if (a == "--summary") {
            o.summary = true;
        } else if (a == "--memory-limit") {
            const std::string& v = value_of(i);
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
        } else if (a == "--progress") {
            o.progress = true;
        } else if (a == "--proof") {
            o.proof = value_of(i);
        } else {
            usage_error("unknown option '" + a + "'");
        }
    }
    if (o.inputs.empty()) usage_error("no FILE given (use - for standard input)");
    if (o.mps && o.kind != Kind::Lp && o.kind != Kind::Milp)
        usage_error("--mps and --fixed-mps need the lp or milp subcommand");
    const char* plant = std::getenv("NEMOX_PLANT_WRONG_ANSWER");
    o.plant_wrong_answer = plant != nullptr && std::string_view(plant) == "1";
    if (o.proof && (o.kind != Kind::Sat || o.inputs.size() != 1))
        usage_error("--proof needs the sat subcommand and exactly one FILE");
    return o;
}

Input read_input(const std::string& name) {
    Input in{name, std::nullopt, {}};
    if (name == "-") {
        in.text = std::string(std::istreambuf_iterator<char>(std::cin), {});
        return in;
    }
    std::ifstream f(name, std::ios::binary);
    if (!f) {
        in.error = std::strerror(errno);
        return in;
    }
    std::ostringstream buf;
    buf << f.rdbuf();
    if (f.bad()) {
        in.error = std::strerror(errno);
        return in;
    }
    in.text = std::move(buf).str();
    return in;
}

// Paths in argument order: a directory gives its regular files, sorted
// (recursively), @LIST the paths it lists.
std::vector<std::string> expand(const std::vector<std::string>& inputs, std::vector<Input>& bad) {
    std::vector<std::string> paths;
    for (const std::string& a : inputs) {
        std::error_code ec;
        if (a.size() > 1 && a[0] == '@') {
            std::ifstream list(a.substr(1));
            if (!list) {
                bad.push_back({a.substr(1), std::nullopt, std::strerror(errno)});
                continue;
            }
            for (std::string line; std::getline(list, line);) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (!line.empty()) paths.push_back(line);
            }
        } else if (a != "-" && fs::is_directory(a, ec)) {
            std::vector<std::string> found;
            for (auto it = fs::recursive_directory_iterator(a, ec);
                 !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
                if (it->is_regular_file(ec)) found.push_back(it->path().string());
            }
            if (ec) bad.push_back({a, std::nullopt, ec.message()});
            std::sort(found.begin(), found.end());
            paths.insert(paths.end(), found.begin(), found.end());
        } else {
            paths.push_back(a);
        }
    }
    return paths;
}

std::string stats_lines(const roads::Stats& stats) {
    char times[96];
    std::snprintf(times, sizeof times, "c read time: %.6f s\nc solve time: %.6f s\n",
                  stats.read_seconds, stats.solve_seconds);
    std::string out = times;
    for (const auto& [name, value] : stats.counters)
        out += "c " + name + ": " + std::to_string(value) + "\n";
    return out;
}

Outcome solve(const Options& o, const Input& in);

// One file: its answer, with the status word and wall-clock time kept for
// the summary.
Outcome solve_one(const Options& o, const Input& in) {
    const auto start = Clock::now();
    Outcome r = solve(o, in);
    r.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return r;
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

Outcome solve(const Options& o, const Input& in) {
    Outcome r;
    // A reader's message stands alone as FILE:LINE: message, as compilers write it.
    auto fail = [&](int status, std::string error, bool from_reader = false) {
        r.error = std::move(error);
        r.err = (from_reader ? "" : "nemox: ") + r.error + "\n";
        r.status = status;
    };
    if (!in.text) {
        fail(kInputError, in.name + ": " + in.error);
        return r;
    }
    deadline = o.time_limit ? Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                 std::chrono::duration<double>(*o.time_limit))
                            : Clock::time_point::max();
    const Interrupt interrupt(&should_stop);
    const std::string_view text = *in.text;
    roads::Stats stats;
    roads::Stats* stats_of = o.stats ? &stats : nullptr;
    const roads::Verification verification{o.plant_wrong_answer};
    const roads::Verification* verify = o.verify ? &verification : nullptr;
    auto add_stats = [&] {
        if (o.stats) (o.json ? r.err : r.out) += stats_lines(stats);
    };
    try {
        if (interrupted.load(std::memory_order_relaxed)) throw Interrupted{};
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> proof_file(nullptr, &std::fclose);
        std::optional<sat::DratWriter> proof;
        if (o.proof) {
            proof_file.reset(std::fopen(o.proof->c_str(), "w"));
            if (!proof_file) {
                fail(kInputError, *o.proof + ": " + std::strerror(errno));
                return r;
            }
            proof.emplace(proof_file.get());
        }
        if (o.kind == Kind::Sat || o.kind == Kind::Cp) {
            const auto result = o.kind == Kind::Sat
                                    ? roads::solve_sat(text, interrupt, 0,
                                                       proof ? &*proof : nullptr, stats_of, verify)
                                    : roads::solve_cp(text, interrupt, stats_of, verify);
            if (proof && !proof->flush()) {
                fail(kInputError, *o.proof + ": the proof could not be written");
                return r;
            }
            if (!result.ok()) {
                fail(kInputError, located_message(in.name, result.error()), true);
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
                o.mps ? o.mps
                      : (in.name.ends_with(".mps") ? std::optional(parser::MpsFormat::Free)
                                                   : std::nullopt);
            if (mps) {
                const auto answer = roads::solve_mps(text, integers, *mps, interrupt, stats_of,
                                                     verify, &keep_incumbent);
                if (!answer.ok()) {
                    fail(kInputError, located_message(in.name, answer.error()), true);
                    return r;
                }
                const auto& [result, names] = answer.value();
                r.out = o.json ? lp_json(result, &names) + "\n" : lp_text(result, &names);
                r.word = result.status();
            } else {
                const auto result =
                    integers ? roads::solve_milp(text, interrupt, stats_of, verify, &keep_incumbent)
                             : roads::solve_lp(text, interrupt, stats_of, verify);
                if (!result.ok()) {
                    fail(kInputError, located_message(in.name, result.error()), true);
                    return r;
                }
                r.out = o.json ? lp_json(result.value()) + "\n" : lp_text(result.value());
                r.word = result.value().status();
            }
        }
        add_stats();
    } catch (const Interrupted&) {
        r.word = "UNKNOWN";
        r.out = undecided(o);
        add_stats();
    } catch (const WrongAnswer& e) {
        fail(kWrongAnswer, in.name + ": wrong answer caught by --verify: " + e.what());
    } catch (const MemoryLimit& e) {
        fail(kInternal, in.name + ": out of memory: " + e.what());
    } catch (const std::bad_alloc&) {
        fail(kInternal, in.name + ": out of memory");
    } catch (const std::exception& e) {
        fail(kInternal, in.name + ": internal failure: " + e.what());
    } catch (...) {
        fail(kInternal, in.name + ": internal failure");
    }
    return r;
}

// The progress line on standard error, and every write to the terminal, so
// that answers never land on a half-drawn line.
class Console {
  public:
    Console(const Options& o, std::vector<Slot>& slots, std::size_t files)
        : slots_(slots), files_(files), word_(progress_word(o.kind)) {
        if (o.progress || isatty(STDERR_FILENO) == 1) painter_ = std::thread([this] { paint(); });
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

    void print(const std::string& out, const std::string& err) {
        const std::lock_guard lock(mutex_);
        erase();
        std::cout << out << std::flush;
        std::cerr << err << std::flush;
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

}  // namespace

int main(int argc, char** argv) {
    struct sigaction sa {};
    sa.sa_handler = on_sigint;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);

    const Options o = parse_options(argc, argv);
    if (o.memory_limit_mb) {
        // The memory check before large tables reads this limit like any other.
        const rlim_t bytes = static_cast<rlim_t>(*o.memory_limit_mb) << 20;
        const rlimit limit{bytes, bytes};
        if (setrlimit(RLIMIT_AS, &limit) != 0) {
            std::cerr << "nemox: --memory-limit: " << std::strerror(errno) << "\n";
            return kUsage;
        }
    }

    std::vector<Input> unreadable;
    const std::vector<std::string> paths = expand(o.inputs, unreadable);
    const bool several = paths.size() + unreadable.size() > 1;
    const unsigned workers = std::min<std::size_t>(o.jobs, std::max<std::size_t>(paths.size(), 1));
    std::vector<Slot> slots(workers);
    Console console(o, slots, paths.size());

    std::vector<std::optional<Outcome>> outcomes(paths.size());
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<std::size_t> next{0};
    auto work = [&](Slot* mine) {
        slot = mine;
        for (std::size_t i; (i = next.fetch_add(1)) < paths.size();) {
            mine->progress.store(0, std::memory_order_relaxed);
            mine->start.store(Clock::now().time_since_epoch().count());
            mine->running.store(true);
            Outcome r = solve_one(o, read_input(paths[i]));
            mine->running.store(false);
            console.file_done();
            const std::lock_guard lock(mutex);
            outcomes[i] = std::move(r);
            ready.notify_all();
        }
    };
    std::vector<std::thread> threads;
    for (unsigned k = 0; k < workers; ++k) threads.emplace_back(work, &slots[k]);

    // With --json and several files, a file without an answer still gets its line.
    auto error_line = [&](const std::string& file, const std::string& error) {
        return o.json && several ? "{\"file\": " + json_string(file) +
                                       ", \"error\": " + json_string(error) + "}\n"
                                 : std::string();
    };
    int status = 0;
    std::vector<std::pair<std::string, double>> summary;
    for (const Input& in : unreadable) {
        const std::string error = in.name + ": " + in.error;
        console.print(error_line(in.name, error), "nemox: " + error + "\n");
        status = kInputError;
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        Outcome r;
        {
            std::unique_lock lock(mutex);
            ready.wait(lock, [&] { return outcomes[i].has_value(); });
            r = std::move(*outcomes[i]);
        }
        summary.emplace_back(r.word, r.seconds);
        std::string out;
        if (several && !o.json && !r.out.empty())
            out = (o.kind == Kind::Sat ? "c file: " + paths[i] : "== " + paths[i] + " ==") + "\n";
        out += r.out.empty() ? error_line(paths[i], r.error) : r.out;
        console.print(out, r.err);
        if (!several) {
            status = r.status;
        } else if (r.status == kInputError || r.status == kInternal || r.status == kWrongAnswer) {
            status = std::max(status, r.status);
        }
    }
    for (std::thread& t : threads) t.join();
    if (o.summary) {
        std::size_t width = 4;
        for (const std::string& p : paths) width = std::max(width, p.size());
        std::fprintf(stderr, "%-*s  %-26s %10s\n", static_cast<int>(width), "file", "status",
                     "seconds");
        for (std::size_t i = 0; i < paths.size(); ++i) {
            std::fprintf(stderr, "%-*s  %-26s %10.3f\n", static_cast<int>(width), paths[i].c_str(),
                         summary[i].first.c_str(), summary[i].second);
        }
    }
    return status;
}

// The nemox command: solves files from the shell with the same roads as the
// Python module, several at once on all cores, with a time limit and Ctrl-C.

#include <signal.h>
#include <sys/resource.h>

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
                      "UNKNOWN (resource limit)")
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
  -h, --help          print this text and exit
  --version           print the version and exit

output:
  sat                 s SATISFIABLE with v lines of literals ending with 0,
                      s UNSATISFIABLE, or s UNKNOWN
  lp, milp, cp        the status, the objective where there is one, and the
                      nonzero values, one per line
  With several files each answer is headed by a line naming its file
  (c file: NAME for sat, == NAME == otherwise).

Ctrl-C stops every running solve; each is reported undecided.

exit status:
  10, 20              sat with one file: satisfiable, unsatisfiable
  0                   every file answered (also when undecided)
  1                   a file could not be read, or its text is malformed
                      (FILE:LINE: message on standard error)
  2                   a wrong command line
  3                   an internal failure, or not enough memory
)help";

enum class Kind { Sat, Lp, Milp, Cp };

struct Options {
    Kind kind = Kind::Sat;
    bool json = false;
    std::optional<double> time_limit;
    std::optional<std::string> proof;
    bool stats = false;
    bool summary = false;
    std::optional<long> memory_limit_mb;
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> inputs;
};

struct Input {
    std::string name;
    std::optional<std::string> text;  // nothing when it could not be read
    std::string error;
};

struct Outcome {
    std::string out;
    std::string err;
    int status = 0;
    std::string word = "error";  // the answer's status, for the summary
    double seconds = 0;
};

constexpr int kInputError = 1;
constexpr int kUsage = 2;
constexpr int kInternal = 3;

std::atomic<bool> interrupted{false};
thread_local std::chrono::steady_clock::time_point deadline =
    std::chrono::steady_clock::time_point::max();

extern "C" void on_sigint(int) {
    interrupted.store(true, std::memory_order_relaxed);
}

bool should_stop() {
    return interrupted.load(std::memory_order_relaxed) ||
           std::chrono::steady_clock::now() >= deadline;
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
        } else if (a == "--proof") {
            o.proof = value_of(i);
        } else {
            usage_error("unknown option '" + a + "'");
        }
    }
    if (o.inputs.empty()) usage_error("no FILE given (use - for standard input)");
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
    const auto start = std::chrono::steady_clock::now();
    Outcome r = solve(o, in);
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return r;
}

Outcome solve(const Options& o, const Input& in) {
    Outcome r;
    if (!in.text) {
        r.err = "nemox: " + in.name + ": " + in.error + "\n";
        r.status = kInputError;
        return r;
    }
    deadline = o.time_limit ? std::chrono::steady_clock::now() +
                                  std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                      std::chrono::duration<double>(*o.time_limit))
                            : std::chrono::steady_clock::time_point::max();
    const Interrupt interrupt(&should_stop);
    const std::string_view text = *in.text;
    auto reader_error = [&](const std::string& message) {
        r.err = located_message(in.name, message) + "\n";
        r.status = kInputError;
    };
    roads::Stats stats;
    roads::Stats* stats_of = o.stats ? &stats : nullptr;
    try {
        if (interrupted.load(std::memory_order_relaxed)) throw Interrupted{};
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> proof_file(nullptr, &std::fclose);
        std::optional<sat::DratWriter> proof;
        if (o.proof) {
            proof_file.reset(std::fopen(o.proof->c_str(), "w"));
            if (!proof_file) {
                r.err = "nemox: " + *o.proof + ": " + std::strerror(errno) + "\n";
                r.status = kInputError;
                return r;
            }
            proof.emplace(proof_file.get());
        }
        if (o.kind == Kind::Sat || o.kind == Kind::Cp) {
            const auto result =
                o.kind == Kind::Sat
                    ? roads::solve_sat(text, interrupt, 0, proof ? &*proof : nullptr, stats_of)
                    : roads::solve_cp(text, interrupt, stats_of);
            if (proof && !proof->flush()) {
                r.err = "nemox: " + *o.proof + ": the proof could not be written\n";
                r.status = kInputError;
                return r;
            }
            if (!result.ok()) {
                reader_error(result.error());
            } else {
                if (o.json) {
                    r.out = sat_json(&result.value()) + "\n";
                } else {
                    r.out = o.kind == Kind::Sat ? sat_competition(&result.value())
                                                : cp_text(&result.value());
                }
                if (o.kind == Kind::Sat) r.status = result.value().is_sat() ? 10 : 20;
                r.word = result.value().status_word();
            }
        } else {
            const auto result = o.kind == Kind::Lp ? roads::solve_lp(text, interrupt, stats_of)
                                                   : roads::solve_milp(text, interrupt, stats_of);
            if (!result.ok()) {
                reader_error(result.error());
            } else {
                r.out = o.json ? lp_json(result.value()) + "\n" : lp_text(result.value());
                r.word = result.value().status();
            }
        }
        if (o.stats && r.status != kInputError) (o.json ? r.err : r.out) += stats_lines(stats);
    } catch (const Interrupted&) {
        r.word = "UNKNOWN";
        if (o.json) {
            r.out =
                o.kind == Kind::Lp || o.kind == Kind::Milp
                    ? lp_json(LpResult::unknown({UnknownReason::Kind::ResourceLimit, {}})) + "\n"
                    : sat_json(nullptr) + "\n";
        } else if (o.kind == Kind::Sat) {
            r.out = sat_competition(nullptr);
        } else {
            r.out = cp_text(nullptr);
        }
    } catch (const MemoryLimit& e) {
        r.err = "nemox: " + in.name + ": out of memory: " + e.what() + "\n";
        r.status = kInternal;
    } catch (const std::bad_alloc&) {
        r.err = "nemox: " + in.name + ": out of memory\n";
        r.status = kInternal;
    } catch (const std::exception& e) {
        r.err = "nemox: " + in.name + ": internal failure: " + e.what() + "\n";
        r.status = kInternal;
    } catch (...) {
        r.err = "nemox: " + in.name + ": internal failure\n";
        r.status = kInternal;
    }
    return r;
}

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

    std::vector<std::optional<Outcome>> outcomes(paths.size());
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < paths.size();) {
            Outcome r = solve_one(o, read_input(paths[i]));
            const std::lock_guard lock(mutex);
            outcomes[i] = std::move(r);
            ready.notify_all();
        }
    };
    const unsigned workers = std::min<std::size_t>(o.jobs, std::max<std::size_t>(paths.size(), 1));
    std::vector<std::thread> threads;
    for (unsigned k = 0; k < workers; ++k) threads.emplace_back(work);

    int status = 0;
    std::vector<std::pair<std::string, double>> summary;
    for (const Input& in : unreadable) {
        std::cerr << "nemox: " << in.name << ": " << in.error << "\n";
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
        if (several && !o.json && !r.out.empty())
            std::cout << (o.kind == Kind::Sat ? "c file: " + paths[i] : "== " + paths[i] + " ==")
                      << "\n";
        std::cout << r.out << std::flush;
        std::cerr << r.err << std::flush;
        if (!several) {
            status = r.status;
        } else if (r.status == kInputError || r.status == kInternal) {
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

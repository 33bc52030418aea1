// SPDX-License-Identifier: MIT
// vimbo-eval: evaluates expressions given as arguments, or one per line of standard input.
#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/eval_session.h"

namespace {

constexpr std::string_view kUsage =
    "usage: vimbo-eval [--angle DEG|RAD|GRAD] [--ans TEXT] [--decimals] [EXPR ...]\n";

constexpr std::string_view kHelp =
    "Evaluates calculator expressions, each EXPR in turn or, with none, one per line of\n"
    "standard input, and prints one result per line.\n"
    "\n"
    "  --angle MODE   angle unit of sin, cos, tan, asn, acs, atn: DEG (default), RAD, GRAD,\n"
    "                 in any case (rad, Rad)\n"
    "  --ans TEXT     what \"ans\" means in the first expression (default: empty, i.e. 0)\n"
    "  --decimals     show every result with two decimals, as the window's option does\n"
    "  -h, --help     this text\n"
    "  --version      the version\n"
    "\n"
    "An argument that is a dash and one letter (-h), or two dashes and a letter onwards\n"
    "(--help), is an option; every other one is an expression, such as -5+2, -pi, -sin(30)\n"
    "or --5. \"--\" ends the options. A value may follow its option after \"=\" as well:\n"
    "--angle=rad, --ans=12.5, and --ans= for an empty one.\n"
    "\n"
    "\"ans\" in each later expression is the previous result. Exit status: 0 when every\n"
    "result is a number, 1 when any result is \"Syntax error\" or \"Error\", 2 for bad usage\n"
    "or unreadable input, 3 when the results cannot be written (a full disk, a closed output).\n"
    "A reader that stops early (| head) ends vimbo-eval without a message.\n";

constexpr int kWriteFailed = 3;

// Mode names in any case, as bc and qalc users type them: "rad", "Rad", "RAD".
std::optional<vimbo::AngleMode> AngleModeFromAnyCase(std::string_view name) {
    std::string upper(name);
    for (char& letter : upper) {
        letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    }
    return vimbo::AngleModeFromName(upper);
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "vimbo-eval: %s (try --help)\n", message.c_str());
    return 2;
}

// Standard output through write(2), so that every failure is seen with its reason; after
// the first one nothing more is written.
class Output {
  public:
    void Append(std::string_view text) { pending_.append(text); }

    // Writes what is pending; false once any write has failed.
    bool Flush() {
        std::size_t done = 0;
        while (error_ == 0 && done < pending_.size()) {
            const ssize_t put =
                write(STDOUT_FILENO, pending_.data() + done, pending_.size() - done);
            if (put > 0) {
                done += static_cast<std::size_t>(put);
            } else if (put == 0) {
                error_ = EIO;  // a device that takes nothing would keep the loop going
            } else if (errno != EINTR) {
                error_ = errno;
            }
        }
        pending_.clear();
        return error_ == 0;
    }

    // The status for a run whose results are all out, or kWriteFailed with one line on
    // standard error. A reader that went away (EPIPE, with SIGPIPE ignored) is no news.
    int Finish(int status) {
        if (Flush()) {
            return status;
        }
        if (error_ != EPIPE) {
            std::fprintf(stderr, "vimbo-eval: cannot write the results: %s\n",
                         std::strerror(error_));
        }
        return kWriteFailed;
    }

  private:
    std::string pending_;
    int error_ = 0;
};

// Reads standard input in large blocks and answers every complete line at once; the output
// is flushed whenever the next read could wait for more input, so a person typing sees
// each answer at once and a pipe pays no system call per line.
int EvaluateStandardInput(vimbo::EvalSession& session, Output& out) {
    std::vector<char> buffer(1 << 16);
    std::string pending;
    while (true) {
        const ssize_t got = read(STDIN_FILENO, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            std::fprintf(stderr, "vimbo-eval: cannot read standard input: %s\n",
                         std::strerror(errno));
            return 2;
        }
        if (got == 0) {
            break;
        }
        pending.append(buffer.data(), static_cast<std::size_t>(got));
        std::size_t from = 0;
        for (std::size_t end = pending.find('\n'); end != std::string::npos;
             end = pending.find('\n', from)) {
            const std::string_view line(pending.data() + from, end - from + 1);
            out.Append(session.EvaluateLine(vimbo::StripLineEnd(line)));
            out.Append("\n");
            from = end + 1;
        }
        pending.erase(0, from);
        if (!out.Flush()) {
            return out.Finish(kWriteFailed);  // nobody would get the rest: stop reading
        }
    }
    if (!pending.empty()) {  // a last line without its line end
        out.Append(session.EvaluateLine(vimbo::StripLineEnd(pending)));
        out.Append("\n");
    }
    return out.Finish(session.anyFailure() ? 1 : 0);
}

}  // namespace

int main(int argc, char** argv) {
    Output out;
    vimbo::EvalOptions options;
    std::vector<std::string> expressions;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        // No word of the expression language has one letter, so a dash and one letter is
        // never an expression; "-5+2", "-pi", "-sin(30)" and "--5.0" are.
        const bool looksLikeOption = arg == "--" ||
                                     (arg.size() == 2 && arg[0] == '-' &&
                                      std::isalpha(static_cast<unsigned char>(arg[1]))) ||
                                     (arg.size() > 2 && arg.starts_with("--") &&
                                      std::isalpha(static_cast<unsigned char>(arg[2])));
        if (optionsEnded || !looksLikeOption) {
            expressions.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // "--angle=RAD" as GNU tools take it, beside "--angle RAD".
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const std::optional<std::string_view> attached =
            equals == std::string_view::npos ? std::nullopt : std::optional(arg.substr(equals + 1));
        if (name == "--angle" || name == "--ans") {
            if (!attached && i + 1 >= argc) {
                return UsageError(std::string(name) + " needs a value");
            }
            const std::string value(attached ? *attached : std::string_view(argv[++i]));
            if (name == "--ans") {
                options.previousOutput = value;
            } else if (const auto mode = AngleModeFromAnyCase(value)) {
                options.angleMode = *mode;
            } else {
                return UsageError("--angle takes DEG, RAD or GRAD, not '" + value + "'");
            }
        } else if (attached && (name == "--help" || name == "--version" || name == "--decimals")) {
            return UsageError(std::string(name) + " takes no value");
        } else if (arg == "-h" || arg == "--help") {
            out.Append(kUsage);
            out.Append(kHelp);
            return out.Finish(0);
        } else if (arg == "--version") {
            out.Append("vimbo-eval " VIMBO_VERSION "\n");
            return out.Finish(0);
        } else if (arg == "--decimals") {
            options.decimals = true;
        } else {
            return UsageError("unknown option '" + std::string(arg) + "'");
        }
    }
    vimbo::EvalSession session(options);
    if (expressions.empty()) {
        return EvaluateStandardInput(session, out);
    }
    for (const std::string& expression : expressions) {
        out.Append(session.EvaluateLine(expression));
        out.Append("\n");
    }
    return out.Finish(session.anyFailure() ? 1 : 0);
}

// SPDX-License-Identifier: MIT
// vimbo-eval: evaluates expressions given as arguments, or one per line of standard input.
#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
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
    "  --angle MODE   angle unit of sin, cos, tan, asn, acs, atn: DEG (default), RAD, GRAD\n"
    "  --ans TEXT     what \"ans\" means in the first expression (default: empty, i.e. 0)\n"
    "  --decimals     show every result with two decimals, as the window's option does\n"
    "  --help         this text\n"
    "  --version      the version\n"
    "\n"
    "\"ans\" in each later expression is the previous result. Exit status: 0 when every\n"
    "result is a number, 1 when any result is \"Syntax error\" or \"Error\", 2 for bad usage.\n";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "vimbo-eval: %s (try --help)\n", message.c_str());
    return 2;
}

void Write(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// Reads standard input in large blocks and answers every complete line at once; the output
// is flushed whenever the next read could wait for more input, so a person typing sees
// each answer at once and a pipe pays no system call per line.
int EvaluateStandardInput(vimbo::EvalSession& session) {
    std::vector<char> buffer(1 << 16);
    std::string pending;
    std::string out;
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
            out.append(session.EvaluateLine(vimbo::StripLineEnd(line)));
            out.push_back('\n');
            from = end + 1;
        }
        pending.erase(0, from);
        Write(out);
        std::fflush(stdout);
        out.clear();
    }
    if (!pending.empty()) {  // a last line without its line end
        Write(session.EvaluateLine(vimbo::StripLineEnd(pending)));
        Write("\n");
    }
    std::fflush(stdout);
    return session.anyFailure() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    vimbo::EvalOptions options;
    std::vector<std::string> expressions;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool looksLikeOption =
            arg == "--" || (arg.size() > 2 && arg.starts_with("--") &&
                            std::isalpha(static_cast<unsigned char>(arg[2])));
        if (optionsEnded || !looksLikeOption) {
            // "-5+2" and "--5.0" are expressions, not options.
            expressions.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            Write(kUsage);
            Write(kHelp);
            return 0;
        } else if (arg == "--version") {
            Write("vimbo-eval " VIMBO_VERSION "\n");
            return 0;
        } else if (arg == "--decimals") {
            options.decimals = true;
        } else if (arg == "--angle" || arg == "--ans") {
            if (i + 1 >= argc) {
                return UsageError(std::string(arg) + " needs a value");
            }
            const std::string value = argv[++i];
            if (arg == "--ans") {
                options.previousOutput = value;
            } else if (value == "DEG" || value == "RAD" || value == "GRAD") {
                options.angleMode = value;
            } else {
                return UsageError("--angle takes DEG, RAD or GRAD, not '" + value + "'");
            }
        } else {
            return UsageError("unknown option '" + std::string(arg) + "'");
        }
    }
    vimbo::EvalSession session(options);
    if (expressions.empty()) {
        return EvaluateStandardInput(session);
    }
    for (const std::string& expression : expressions) {
        Write(session.EvaluateLine(expression));
        Write("\n");
    }
    std::fflush(stdout);
    return session.anyFailure() ? 1 : 0;
}

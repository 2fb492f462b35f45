#include "ScriptRun.h"

#include <chrono>
#include <ostream>

namespace vqsim {
namespace {

using Clock = std::chrono::steady_clock;

// The index of the "end" that closes the loop at commands[at].
std::size_t EndOfLoop(const std::vector<Command>& commands, std::size_t at) {
    int depth = 0;
    for (std::size_t i = at; i < commands.size(); ++i) {
        if (commands[i].word == "loop") ++depth;
        if (commands[i].word == "end" && --depth == 0) return i;
    }
    throw ScriptError("loop without end");
}

double Seconds(const std::string& text) {
    try {
        std::size_t used = 0;
        const double seconds = std::stod(text, &used);
        if (used == text.size() && seconds >= 0) return seconds;
    } catch (const std::exception&) {
    }
    throw ScriptError("loop needs a number of seconds");
}

class Runner {
public:
    Runner(Simulator& simulator, const std::vector<Command>& commands, std::ostream& errors)
        : simulator_(simulator), commands_(commands), errors_(errors) {}

    // Runs commands [from, to); throws ScriptError for a mistake outside any loop.
    void Run(std::size_t from, std::size_t to, int loops) {
        for (std::size_t i = from; i < to; ++i) {
            const Command& c = commands_[i];
            if (c.word == "loop") {
                std::size_t end = 0;
                try {
                    end = EndOfLoop(commands_, i);
                } catch (const ScriptError& e) {
                    throw Located(c, e.what());
                }
                Loop(c, i + 1, end, loops);
                i = end;
            } else if (c.word == "end") {
                throw Located(c, "end without loop");
            } else {
                RunOne(c);
            }
        }
    }

private:
    void Loop(const Command& loop, std::size_t from, std::size_t to, int loops) {
        double seconds = 0;
        try {
            seconds = Seconds(loop.rest);
        } catch (const ScriptError& e) {
            throw Located(loop, e.what());
        }
        const int outerRound = simulator_.Round();
        const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        for (int round = 1; Clock::now() < deadline; ++round) {
            simulator_.SetRound(round);
            try {
                Run(from, to, loops + 1);
            } catch (const ScriptError& e) {
                errors_ << "vqsim: " << e.what() << " (round " << round << ")\n";
            }
        }
        simulator_.SetRound(outerRound);
    }

    void RunOne(const Command& c) {
        try {
            simulator_.Run(c);
        } catch (const ScriptError& e) {
            throw Located(c, e.what());
        }
    }

    static ScriptError Located(const Command& c, const std::string& what) {
        return ScriptError("line " + std::to_string(c.line) + ": " + what);
    }

    Simulator& simulator_;
    const std::vector<Command>& commands_;
    std::ostream& errors_;
};

} // namespace

int RunScript(Simulator& simulator, const std::vector<Command>& commands, std::ostream& errors) {
    try {
        Runner(simulator, commands, errors).Run(0, commands.size(), 0);
        return 0;
    } catch (const ScriptError& e) {
        errors << "vqsim: " << e.what() << '\n';
        return 2;
    }
}

} // namespace vqsim

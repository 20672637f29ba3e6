// vekselgrad-script: plays a script of player gestures headless and prints what the player sees
// as a JSON-Lines transcript.
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "engine/game_random.h"
#include "script/gesture_script.h"
#include "script/random_file.h"
#include "script/script_player.h"
#include "script/transcript.h"
#include "state/state_files.h"

namespace {

using namespace vekselgrad;
using namespace vekselgrad::script;

constexpr int exitPlayed = 0;
constexpr int exitStateFile = 1;
constexpr int exitUsage = 2;
constexpr int exitRandomRanOut = 3;

constexpr const char* usage =
    "usage: vekselgrad-script --state-dir DIR [--random FILE | --seed N]\n"
    "                         [--decimal-separator SEP] SCRIPT\n";

struct Options {
    std::filesystem::path stateDir;
    std::optional<std::filesystem::path> randomFile;
    std::optional<long long> seed;
    std::optional<char> decimalSeparator;
    std::string script;
};

long long parseSeed(const std::string& text) {
    std::size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size()) {
        throw ScriptError("--seed takes a whole number, not '" + text + "'");
    }
    return value;
}

Options parseOptions(int argc, char** argv) {
    Options options;
    bool haveScript = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                throw ScriptError(arg + " needs a value");
            }
            return argv[++i];
        };
        if (arg == "--state-dir") {
            options.stateDir = value();
        } else if (arg == "--random") {
            options.randomFile = value();
        } else if (arg == "--seed") {
            options.seed = parseSeed(value());
        } else if (arg == "--decimal-separator") {
            const std::string sep = value();
            if (sep != "." && sep != ",") {
                throw ScriptError("--decimal-separator takes . or ,");
            }
            options.decimalSeparator = sep[0];
        } else if ((arg.starts_with("--") && arg.size() > 2) || haveScript) {
            throw ScriptError("unexpected argument '" + arg + "'");
        } else {
            options.script = arg;
            haveScript = true;
        }
    }
    if (options.stateDir.empty() || !haveScript) {
        throw ScriptError("--state-dir and SCRIPT are required");
    }
    if (options.randomFile && options.seed) {
        throw ScriptError("--random and --seed exclude each other");
    }
    if (!std::filesystem::is_directory(options.stateDir)) {
        throw ScriptError("the state folder " + options.stateDir.string() + " does not exist");
    }
    return options;
}

// The separator of the user's regional settings (LC_NUMERIC), as the desktop program uses it.
char localeDecimalSeparator() {
    std::setlocale(LC_NUMERIC, "");
    const char separator = *std::localeconv()->decimal_point;
    std::setlocale(LC_NUMERIC, "C");
    return separator == ',' ? ',' : '.';
}

std::vector<Gesture> readScriptFrom(const std::string& name) {
    if (name == "-") {
        return readScript(std::cin);
    }
    std::ifstream in(name);
    if (!in) {
        throw ScriptError("cannot read the script " + name);
    }
    return readScript(in);
}

std::unique_ptr<RandomSource> makeRandom(const Options& options) {
    if (options.randomFile) {
        return std::make_unique<RandomFile>(*options.randomFile);
    }
    if (options.seed) {
        return std::make_unique<GameRandom>(*options.seed);
    }
    return std::make_unique<GameRandom>();
}

int play(int argc, char** argv) {
    Transcript transcript(std::cout);
    try {
        const Options options = parseOptions(argc, argv);
        GestureQueue gestures(readScriptFrom(options.script));
        const auto random = makeRandom(options);
        const char separator = options.decimalSeparator.value_or(localeDecimalSeparator());
        ScriptPlayer player(options.stateDir, gestures, transcript, *random, separator);
        player.playToEnd();
        return exitPlayed;
    } catch (const StateFileError& error) {
        transcript.error(error.what());
        return exitStateFile;
    } catch (const ScriptError& error) {
        std::cout.flush();
        std::cerr << "vekselgrad-script: " << error.what() << '\n' << usage;
        return exitUsage;
    } catch (const RandomExhausted& error) {
        std::cout.flush();
        std::cerr << "vekselgrad-script: " << error.what() << '\n';
        return exitRandomRanOut;
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const int status = play(argc, argv);
    std::cout.flush();
    return status;
}

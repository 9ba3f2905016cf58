// brindlex-ini: the profile accessor on the command line. Reads print exactly
// what the game would read; writes go through the same accessor, so they
// lock, replace atomically and fail the same way.
#include "store/IniFile.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

constexpr std::string_view Usage =
    "usage: brindlex-ini FILE read-text|read-number|read-flag SECTION KEY DEFAULT\n"
    "       brindlex-ini FILE write-text|write-number|write-flag SECTION KEY VALUE\n"
    "       brindlex-ini FILE write-batch\n";

constexpr std::string_view Help =
    "Reads and writes keys of a Brindlex profile file (Brindlex.ini).\n"
    "\n"
    "  brindlex-ini FILE read-text SECTION KEY DEFAULT\n"
    "  brindlex-ini FILE read-number SECTION KEY DEFAULT\n"
    "  brindlex-ini FILE read-flag SECTION KEY DEFAULT      (DEFAULT and output: 1 or 0)\n"
    "  brindlex-ini FILE write-text SECTION KEY VALUE\n"
    "  brindlex-ini FILE write-number SECTION KEY VALUE\n"
    "  brindlex-ini FILE write-flag SECTION KEY 1|0\n"
    "  brindlex-ini FILE write-batch\n"
    "\n"
    "A read prints the value the game would get, then a newline: DEFAULT when\n"
    "the file, the section or the key is missing, or, for numbers and flags,\n"
    "when the text is not a number. Numbers are 32-bit, decimal or hexadecimal\n"
    "($1F, 0x1F, x1F).\n"
    "\n"
    "write-batch reads lines SECTION<TAB>KEY<TAB>VALUE from standard input and\n"
    "writes each value as text, in order, in one step, as the game saves its\n"
    "settings and high scores: the file gets all of them or, when one fails,\n"
    "none. The value runs to the end of the line and may hold further tabs.\n"
    "Empty lines are skipped.\n"
    "\n"
    "FILE is used as given. Every write replaces the file atomically under a\n"
    "lock on its folder (or on FILE.lock beside it, where the folder cannot be\n"
    "locked) and keeps all its other lines.\n"
    "\n"
    "Exit status: 0 done, 1 a write failed (the message is on standard error),\n"
    "2 bad usage.\n";

int BadUsage(std::string_view problem = {}) {
    if (!problem.empty()) {
        std::cerr << "brindlex-ini: " << problem << '\n';
    }
    std::cerr << Usage;
    return ExitUsage;
}

bool ParseFlag(std::string_view text, bool& flag) {
    if (text != "1" && text != "0") {
        return false;
    }
    flag = text == "1";
    return true;
}

int WriteBatch(TIniFile& ini) {
    struct Entry {
        std::string section, key, value;
    };
    std::vector<Entry> entries;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        if (line.empty()) {
            continue;
        }
        const std::size_t first = line.find('\t');
        const std::size_t second =
            first == std::string::npos ? std::string::npos : line.find('\t', first + 1);
        if (second == std::string::npos) {
            return BadUsage("line " + std::to_string(number) + " is not SECTION<TAB>KEY<TAB>VALUE");
        }
        entries.push_back({line.substr(0, first), line.substr(first + 1, second - first - 1),
                           line.substr(second + 1)});
    }
    ini.WriteBatch([&entries](TCustomIniFile& profile) {
        for (const Entry& entry : entries) {
            profile.WriteText(entry.section, entry.key, entry.value);
        }
    });
    return 0;
}

int Run(const std::vector<std::string>& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << Help;
        return 0;
    }
    if (args.size() < 2) {
        return BadUsage();
    }
    TIniFile ini(args[0]);
    const std::string& command = args[1];
    if (command == "write-batch") {
        return args.size() == 2 ? WriteBatch(ini) : BadUsage();
    }
    if (args.size() != 5) {
        return BadUsage();
    }
    const std::string& section = args[2];
    const std::string& key = args[3];
    const std::string& argument = args[4];
    int32_t number = 0;
    bool flag = false;
    if (command == "read-text") {
        std::cout << ini.ReadText(section, key, argument) << '\n';
    } else if (command == "read-number") {
        if (!ParseNumber(argument, number)) {
            return BadUsage("DEFAULT is not a number: " + argument);
        }
        std::cout << ini.ReadNumber(section, key, number) << '\n';
    } else if (command == "read-flag") {
        if (!ParseFlag(argument, flag)) {
            return BadUsage("DEFAULT must be 1 or 0");
        }
        std::cout << (ini.ReadFlag(section, key, flag) ? 1 : 0) << '\n';
    } else if (command == "write-text") {
        ini.WriteText(section, key, argument);
    } else if (command == "write-number") {
        if (!ParseNumber(argument, number)) {
            return BadUsage("VALUE is not a number: " + argument);
        }
        ini.WriteNumber(section, key, number);
    } else if (command == "write-flag") {
        if (!ParseFlag(argument, flag)) {
            return BadUsage("VALUE must be 1 or 0");
        }
        ini.WriteFlag(section, key, flag);
    } else {
        return BadUsage("unknown command: " + command);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const int status = Run(std::vector<std::string>(argv + 1, argv + argc));
        std::cout.flush();
        return std::cout ? status : ExitFailure;
    } catch (const EIniFileException& e) {
        // The game's error box adds the full stop; so does this.
        std::cerr << e.what() << ".\n";
        return ExitFailure;
    } catch (const std::exception& e) {
        std::cerr << "brindlex-ini: " << e.what() << '\n';
        return ExitFailure;
    }
}

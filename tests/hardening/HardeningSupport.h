// Helpers for the hardening tests: the thirty high-score keys as a batch for
// brindlex-ini, and a profile checked line by line.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace hardening {

using Key = std::pair<std::string, std::string>; // section, key
using Values = std::map<Key, std::string>;

// The thirty keys of a high-score save, in the order the game writes them,
// with values that tell one generation from another.
inline std::vector<std::pair<Key, std::string>> HighScoreBatch(int generation) {
    std::vector<std::pair<Key, std::string>> batch;
    const std::string g = std::to_string(generation);
    for (int n = 1; n <= 10; ++n) {
        const std::string place = std::to_string(n);
        batch.push_back({{"HighScores", "Name" + place}, "Player " + place + " of " + g});
        batch.push_back({{"HighScores", "Score" + place}, std::to_string(generation * 1000 + n)});
        batch.push_back({{"HighScores", "Jewels" + place}, std::to_string(generation * 100 + n)});
    }
    return batch;
}

// SECTION<TAB>KEY<TAB>VALUE lines for brindlex-ini write-batch.
inline std::string BatchInput(const std::vector<std::pair<Key, std::string>>& batch) {
    std::string input;
    for (const auto& [key, value] : batch) {
        input += key.first + "\t" + key.second + "\t" + value + "\n";
    }
    return input;
}

// The lines of the file that are not whole: anything but a blank line, a
// comment, a "[section]" or a "key=value", and a last line without its line
// end (what a torn write would leave).
inline std::vector<std::string> MalformedLines(const std::string& content) {
    std::vector<std::string> bad;
    if (!content.empty() && content.back() != '\n') {
        bad.push_back("(no line end at the end of the file)");
    }
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        const bool whole = line.empty() || line[0] == ';' ||
                           (line[0] == '[' && line.back() == ']') ||
                           (line.find('=') != std::string::npos && line.find('=') > 0);
        if (!whole) {
            bad.push_back(line);
        }
    }
    return bad;
}

} // namespace hardening

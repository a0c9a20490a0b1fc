// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/blctool/TraceScenario.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <set>

namespace {
constexpr int kMaxSpeed = 3;
constexpr int kFastestComponent = 6;
// Ball positions far outside the playfield are still traced, but kept small
// enough that the step's arithmetic cannot overflow.
constexpr int kFarthestBallCoordinate = 1'000'000;

struct Token {
    std::string_view text;
    int line = 0;
};

// Splits the text at white space, dropping comments; lastLine becomes the
// line of the last token, where a fault at the end of the text is reported.
std::vector<Token> Tokenise(std::string_view text, int& lastLine) {
    std::vector<Token> tokens;
    int line = 1;
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '\n') {
            ++line;
            ++at;
        } else if (c == '#') {
            at = std::min(text.find('\n', at), text.size());
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++at;
        } else {
            const std::size_t start = at;
            while (at < text.size() && text[at] != '#' && !std::isspace(static_cast<unsigned char>(text[at]))) ++at;
            tokens.push_back({text.substr(start, at - start), line});
        }
    }
    lastLine = tokens.empty() ? 1 : tokens.back().line;
    return tokens;
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::int8_t> ParseHexByte(std::string_view text) {
    if (text.size() != 2 || !std::isxdigit(static_cast<unsigned char>(text[0])) ||
        !std::isxdigit(static_cast<unsigned char>(text[1])))
        return std::nullopt;
    unsigned value = 0;
    std::from_chars(text.data(), text.data() + 2, value, 16);
    return static_cast<std::int8_t>(value);
}

// Thrown inside the reader only, to stop at the first fault.
struct Fault {
    ScenarioError error;
};

class ScenarioReader {
public:
    explicit ScenarioReader(std::string_view text) : tokens_(Tokenise(text, lastLine_)) {}

    TraceScenario Read() {
        while (!AtEnd()) {
            const Token keyword = Take();
            if (!seen_.insert(keyword.text).second) Fail(keyword.line, "'" + std::string(keyword.text) + "' given twice");
            ReadEntry(keyword);
        }
        if (!seen_.contains("targets")) Fail(lastLine_, "missing targets");
        return scenario_;
    }

private:
    bool AtEnd() const { return next_ == tokens_.size(); }
    Token Take() { return tokens_[next_++]; }
    int LineHere() const { return AtEnd() ? lastLine_ : tokens_[next_].line; }

    [[noreturn]] static void Fail(int line, std::string message) { throw Fault{{line, std::move(message)}}; }

    // The next token as a number within [lowest, highest], or the fault.
    template <typename Number>
    Number TakeNumber(Number lowest, Number highest, const char* expected) {
        const int line = LineHere();
        const auto value = AtEnd() ? std::nullopt : ParseNumber<Number>(Take().text);
        if (!value || *value < lowest || *value > highest) Fail(line, expected);
        return *value;
    }
    int TakeInt(int lowest, int highest, const char* expected) { return TakeNumber<int>(lowest, highest, expected); }

    void ReadEntry(const Token& keyword) {
        constexpr int kAnyInt = std::numeric_limits<int>::max();
        const std::string_view name = keyword.text;
        if (name == "mode") {
            ReadMode();
        } else if (name == "speed") {
            scenario_.speed = TakeInt(0, kMaxSpeed, "expected a speed 0..3");
        } else if (name == "seed") {
            scenario_.seed = TakeNumber<std::uint32_t>(0, std::numeric_limits<std::uint32_t>::max(),
                                                       "expected an unsigned 32-bit seed");
        } else if (name == "paddle") {
            scenario_.paddleX = TakeInt(-kAnyInt, kAnyInt, "expected the paddle's x");
        } else if (name == "ball") {
            ReadBall();
        } else if (name == "score") {
            scenario_.score = static_cast<std::uint16_t>(TakeInt(0, 0xFFFF, "expected a score 0..65535"));
        } else if (name == "highscore") {
            scenario_.highScore = static_cast<std::uint16_t>(TakeInt(0, 0xFFFF, "expected a high score 0..65535"));
        } else if (name == "blocksleft") {
            scenario_.blocksLeft = TakeInt(0, kAnyInt, "expected a block count of 0 or more");
        } else if (name == "grid") {
            ReadGrid();
        } else if (name == "targets") {
            ReadTargets(keyword.line);
        } else {
            Fail(keyword.line, "unknown keyword '" + std::string(name) + "'");
        }
    }

    void ReadMode() {
        const int line = LineHere();
        const std::string_view value = AtEnd() ? std::string_view{} : Take().text;
        if (value == "play")
            scenario_.mode = GameMode::Play;
        else if (value == "demo")
            scenario_.mode = GameMode::Demo;
        else
            Fail(line, "expected play or demo after mode");
    }

    void ReadBall() {
        const char* expected = "expected ball X Y DX DY, with DX and DY in -6..6 and DY not 0";
        scenario_.ballX = TakeInt(-kFarthestBallCoordinate, kFarthestBallCoordinate, expected);
        scenario_.ballY = TakeInt(-kFarthestBallCoordinate, kFarthestBallCoordinate, expected);
        scenario_.ballDX = TakeInt(-kFastestComponent, kFastestComponent, expected);
        const int line = LineHere();
        scenario_.ballDY = TakeInt(-kFastestComponent, kFastestComponent, expected);
        // A ball with no vertical motion never reaches the paddle or a row face.
        if (scenario_.ballDY == 0) Fail(line, expected);
    }

    void ReadGrid() {
        for (std::int8_t& cell : scenario_.grid) {
            const int line = LineHere();
            const auto value = AtEnd() ? std::nullopt : ParseHexByte(Take().text);
            if (!value) Fail(line, "expected 180 grid bytes");
            cell = *value;
        }
        // A further byte would otherwise be read as an unknown keyword.
        if (!AtEnd() && ParseHexByte(tokens_[next_].text)) Fail(LineHere(), "more than 180 grid bytes");
    }

    // The targets run to the end of the text, which keeps them last.
    void ReadTargets(int keywordLine) {
        if (!seen_.contains("grid")) Fail(keywordLine, "missing grid before targets");
        while (!AtEnd()) {
            const int line = LineHere();
            const auto target = ParseNumber<int>(Take().text);
            if (!target) Fail(line, "expected a paddle target (an integer)");
            scenario_.targets.push_back(*target);
        }
    }

    int lastLine_ = 1;  // before tokens_: Tokenise sets it
    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    std::set<std::string_view> seen_;
    TraceScenario scenario_;
};
}  // namespace

int CountStandingBreakable(const std::array<std::int8_t, kCellsPerStage>& grid) {
    return static_cast<int>(std::ranges::count_if(grid, IsStandingBreakable));
}

ScenarioParse ParseTraceScenario(std::string_view text) {
    try {
        TraceScenario scenario = ScenarioReader(text).Read();
        if (!scenario.blocksLeft) scenario.blocksLeft = CountStandingBreakable(scenario.grid);
        return {std::move(scenario), {}};
    } catch (const Fault& fault) {
        return {std::nullopt, fault.error};
    }
}

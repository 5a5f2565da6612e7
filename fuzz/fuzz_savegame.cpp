// Saved games are files anyone may hand the player. The loader must take a whole good file or
// nothing: the same answer from bytes and from a file, the same for every kind of line end, and a
// good file written back reads as the same game.
//
// Input: the file.

#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "game/SaveGame.h"

using namespace kv;

namespace {

bool Same(const SavedGame& a, const SavedGame& b) {
    return a.Score == b.Score && a.MovableCount == b.MovableCount &&
           std::memcmp(a.Board, b.Board, sizeof a.Board) == 0;
}

// The result of a parse: the game, or the line of the fault.
struct Outcome {
    std::optional<SavedGame> game;
    int line = 0;
};

Outcome Parse(std::string_view bytes) {
    Outcome o;
    try {
        o.game = ParseSavedGame(bytes, "fuzz.sav");
    } catch (const SaveGameFormatError& e) {
        FUZZ_CHECK(e.Path() == "fuzz.sav");
        FUZZ_CHECK(e.Line() >= 1);
        FUZZ_CHECK(*e.what() != '\0');
        o.line = e.Line();
    }
    return o;
}

bool SameOutcome(const Outcome& a, const Outcome& b) {
    if (a.game.has_value() != b.game.has_value()) return false;
    return a.game ? Same(*a.game, *b.game) : a.line == b.line;
}

// Every line end as `end`: CR LF, a lone CR and a lone LF are one line end each.
std::string WithLineEnds(std::string_view bytes, std::string_view end) {
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            out += end;
        } else if (bytes[i] == '\n') {
            out += end;
        } else {
            out += bytes[i];
        }
    }
    return out;
}

// A whole text as one number, read off the rules: blanks (where allowed), an optional sign,
// decimal digits, 32 bits.
std::optional<int32_t> Decimal(std::string_view text, bool allowBlanks) {
    if (allowBlanks) {
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    while (text.size() > 1 && text[0] == '0')
        text.remove_prefix(1);
    if (text.size() > 10) return std::nullopt;
    int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

Game Sentinel() {
    Game g;
    g.Score = 123;
    g.MovableCount = 45;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            g.At(r, c) = r * 10 + c;
    return g;
}

SavedGame ValuesOf(const Game& g) {
    SavedGame s;
    s.Score = g.Score;
    s.MovableCount = g.MovableCount;
    std::memcpy(s.Board, g.Board, sizeof s.Board);
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);

    // The number rule on its own, on the first line.
    const std::string_view first = bytes.substr(0, std::min(bytes.find_first_of("\r\n"), size_t{64}));
    for (bool blanks : {false, true})
        FUZZ_CHECK(ParseDecimal(first, blanks) == Decimal(first, blanks));

    const Outcome parsed = Parse(bytes);
    FUZZ_CHECK(SameOutcome(parsed, Parse(WithLineEnds(bytes, "\r\n"))));
    FUZZ_CHECK(SameOutcome(parsed, Parse(WithLineEnds(bytes, "\n"))));
    FUZZ_CHECK(SameOutcome(parsed, Parse(WithLineEnds(bytes, "\r"))));

    // From a file: the same answer, and a game that changes only when the whole file is good.
    // A file read sets up a buffer of a megabyte, which the sanitizers make costly, so only one
    // input in 16 (the same ones each time) goes through a file.
    const bool viaFile = (std::hash<std::string_view>{}(bytes)&15) == 0;
    Game game = Sentinel();
    bool loaded = parsed.game.has_value();
    const std::string path = fuzz::ScratchPath("fuzz.sav");
    if (viaFile) {
        fuzz::PutFile(path, bytes);
        loaded = true;
        try {
            LoadSavedGame(game, path);
        } catch (const SaveGameFormatError& e) {
            loaded = false;
            FUZZ_CHECK(e.Line() == parsed.line);
        }
    } else if (loaded) {
        ApplySavedGame(*parsed.game, game);
    }
    FUZZ_CHECK(loaded == parsed.game.has_value());
    if (!loaded) {
        FUZZ_CHECK(Same(ValuesOf(game), ValuesOf(Sentinel())));
        return 0;
    }
    FUZZ_CHECK(Same(ValuesOf(game), *parsed.game));

    // Written back: the 66 lines the writer makes, read as the same game.
    const std::string text = FormatSavedGame(game);
    FUZZ_CHECK(text.ends_with("\r\n"));
    size_t lines = 0;
    for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2))
        ++lines;
    FUZZ_CHECK(lines == kSaveLines);
    const Outcome again = Parse(text);
    FUZZ_CHECK(again.game && Same(*again.game, *parsed.game));
    if (viaFile) {
        const std::string copy = fuzz::ScratchPath("copy.sav");
        WriteSavedGame(game, copy);
        FUZZ_CHECK(Same(ReadSavedGame(copy), *parsed.game));
    }
    return 0;
}

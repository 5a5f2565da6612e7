#pragma once
// The saved-game file: 66 lines of one decimal integer each, CR LF: Score, MovableCount, then the
// 64 cells row by row from the top, each row from left to right. Nothing else is stored.
//
// Reading is strict where it matters: the whole file is parsed and checked first, and a game
// takes the values only when all 66 are integers, so a damaged file never leaves a half-loaded
// board. Accepted, besides what the writer produces:
//  - Score and MovableCount: leading blanks (space, tab) and line ends are skipped, the number
//    runs to the next blank or line end, and the rest of that line is ignored;
//  - a cell: its whole line is the number, with blanks allowed around it;
//  - a number: an optional "+" or "-", then decimal digits (leading zeros are fine), within 32
//    bits. No hexadecimal, no blanks between sign and digits, no empty line;
//  - line ends CR LF, LF or a lone CR; the last line may lack one; anything after line 66 is
//    ignored.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Exception.h"
#include "game/UFunc.h"

namespace kv {

class SaveGameError : public Exception {
  public:
    SaveGameError(const std::string& path, const char* pattern, std::vector<std::string> args)
        : Exception(pattern, std::move(args)), path_(path) {}
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// The file is missing, is not a regular file, or cannot be read.
class SaveGameReadError : public SaveGameError {
  public:
    using SaveGameError::SaveGameError;
};

// The file is readable but is not a saved game: `Line()` is the (1-based) line at fault.
class SaveGameFormatError : public SaveGameError {
  public:
    SaveGameFormatError(const std::string& path, int line, const char* pattern, std::vector<std::string> args)
        : SaveGameError(path, pattern, std::move(args)), line_(line) {}
    int Line() const { return line_; }

  private:
    int line_;
};

// The file could not be written; an existing file of that name is as it was.
class SaveGameWriteError : public SaveGameError {
  public:
    using SaveGameError::SaveGameError;
};

constexpr int kSaveLines = 2 + kBoardSize * kBoardSize;

// A saved game's values, before they are put into a game.
struct SavedGame {
    int32_t Score = 0;
    int32_t MovableCount = 0;
    Game::BoardArray Board{};  // [row-1][col-1]
};

// The file name a save goes to: a "." as the fourth character from the end (within the file's
// own name) means a three-character extension, which is dropped; then ".sav" is appended.
// Characters are counted as UTF-8 code points.
std::string SaveFileName(const std::string& chosen);

// Decimal string-to-integer conversion of a whole text (see above); nullopt if it is not one.
std::optional<int32_t> ParseDecimal(std::string_view text, bool allowBlanks);

std::string FormatSavedGame(const Game& game);
// Throws SaveGameFormatError (with `path` for the message) if `bytes` is not a saved game.
SavedGame ParseSavedGame(std::string_view bytes, const std::string& path = {});

// Writes the game to `path` through a temporary file; throws SaveGameWriteError.
void WriteSavedGame(const Game& game, const std::string& path);
// Reads and checks a whole file; throws SaveGameReadError or SaveGameFormatError.
SavedGame ReadSavedGame(const std::string& path);
// Puts the values into the game as they stand: nothing is recomputed or examined.
void ApplySavedGame(const SavedGame& saved, Game& game);
// ReadSavedGame, then ApplySavedGame; on any failure the game is untouched.
void LoadSavedGame(Game& game, const std::string& path);

}  // namespace kv

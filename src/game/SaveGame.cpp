#include "game/SaveGame.h"

#include <limits>

#include "base/AtomicFile.h"

namespace kv {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

std::string Quoted(const std::string& path) {
    return "«" + path + "»";
}

class Parser {
  public:
    Parser(std::string_view bytes, const std::string& path, bool cut) : b_(bytes), path_(path), cut_(cut) {}

    // A number at the start of a line, after blanks and line ends; the rest of its line is skipped.
    int32_t Leading() {
        while (pos_ < b_.size()) {
            if (IsBlank(b_[pos_]))
                ++pos_;
            else if (IsLineEnd(b_[pos_]))
                SkipLineEnd();
            else
                break;
        }
        if (pos_ >= b_.size()) EndsEarly();
        size_t start = pos_;
        while (pos_ < b_.size() && !IsBlank(b_[pos_]) && !IsLineEnd(b_[pos_]))
            ++pos_;
        if (pos_ >= b_.size() && cut_) EndsEarly();
        const int line = line_;
        auto value = ParseDecimal(b_.substr(start, pos_ - start), false);
        while (pos_ < b_.size() && !IsLineEnd(b_[pos_]))
            ++pos_;
        if (pos_ < b_.size()) SkipLineEnd();
        if (!value) NotANumber(line);
        return *value;
    }

    // A whole line that holds one number.
    int32_t WholeLine() {
        if (pos_ >= b_.size()) EndsEarly();
        size_t start = pos_;
        while (pos_ < b_.size() && !IsLineEnd(b_[pos_]))
            ++pos_;
        // A line cut off by the read limit is not trusted.
        if (pos_ >= b_.size() && cut_) EndsEarly();
        const int line = line_;
        auto value = ParseDecimal(b_.substr(start, pos_ - start), true);
        if (pos_ < b_.size()) SkipLineEnd();
        if (!value) NotANumber(line);
        return *value;
    }

  private:
    void SkipLineEnd() {
        if (b_[pos_] == '\r' && pos_ + 1 < b_.size() && b_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }
    [[noreturn]] void EndsEarly() const {
        if (cut_)
            throw SaveGameFormatError(
                path_, line_,
                KV_TRANSLATE_NOOP("kv::Text", "Файл %1 не является сохранённой игрой: он слишком велик."),
                {Quoted(path_)});
        throw SaveGameFormatError(
            path_, line_,
            KV_TRANSLATE_NOOP("kv::Text",
                              "Файл %1 не является сохранённой игрой: он кончается на строке %2."),
            {Quoted(path_), std::to_string(line_)});
    }
    [[noreturn]] void NotANumber(int line) const {
        throw SaveGameFormatError(
            path_, line,
            KV_TRANSLATE_NOOP("kv::Text",
                              "Файл %1 не является сохранённой игрой: в строке %2 нет целого числа."),
            {Quoted(path_), std::to_string(line)});
    }

    std::string_view b_;
    const std::string& path_;
    bool cut_;
    size_t pos_ = 0;
    int line_ = 1;
};

SavedGame Parse(std::string_view bytes, const std::string& path, bool cut) {
    Parser p(bytes, path, cut);
    SavedGame s;
    s.Score = p.Leading();
    s.MovableCount = p.Leading();
    for (int r = 0; r < kBoardSize; ++r)
        for (int c = 0; c < kBoardSize; ++c)
            s.Board[r][c] = p.WholeLine();
    return s;
}

}  // namespace

std::string SaveFileName(const std::string& chosen) {
    // Find the fourth code point from the end; a "/" among the last three means the dot would
    // belong to a directory's name, not to the file's.
    size_t pos = chosen.size();
    int counted = 0;
    bool slash = false;
    while (pos > 0 && counted < 4) {
        --pos;
        const unsigned char c = static_cast<unsigned char>(chosen[pos]);
        if ((c & 0xC0) == 0x80) continue;  // inside a multi-byte character
        ++counted;
        if (counted < 4 && c == '/') slash = true;
    }
    if (counted == 4 && chosen[pos] == '.' && !slash) return chosen.substr(0, pos) + ".sav";
    return chosen + ".sav";
}

std::optional<int32_t> ParseDecimal(std::string_view text, bool allowBlanks) {
    size_t i = 0, j = text.size();
    if (allowBlanks) {
        while (i < j && IsBlank(text[i]))
            ++i;
        while (j > i && IsBlank(text[j - 1]))
            --j;
    }
    if (i == j) return std::nullopt;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    if (i == j) return std::nullopt;
    constexpr int64_t kMax = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    int64_t v = 0;
    for (; i < j; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        v = v * 10 + (text[i] - '0');
        if (v > kMax) return std::nullopt;
    }
    if (negative) v = -v;
    if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

std::string FormatSavedGame(const Game& game) {
    std::string out;
    out.reserve(kSaveLines * 4);
    auto line = [&out](int32_t v) {
        out += std::to_string(v);
        out += "\r\n";
    };
    line(game.Score);
    line(game.MovableCount);
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            line(game.At(r, c));
    return out;
}

SavedGame ParseSavedGame(std::string_view bytes, const std::string& path) {
    return Parse(bytes, path, false);
}

void WriteSavedGame(const Game& game, const std::string& path) {
    const std::string bytes = FormatSavedGame(game);
    try {
        WriteFileAtomic(path, bytes);
    } catch (const Exception&) {
        throw SaveGameWriteError(path, KV_TRANSLATE_NOOP("kv::Text", "Не удалось записать файл %1."),
                                 {Quoted(path)});
    }
}

SavedGame ReadSavedGame(const std::string& path) {
    auto unreadable = [&path]() {
        return SaveGameReadError(path, KV_TRANSLATE_NOOP("kv::Text", "Не удалось прочитать файл %1."),
                                 {Quoted(path)});
    };
    // A pipe or a device chosen by mistake is refused without blocking; a huge file is read no
    // further than a saved game could reach.
    std::string bytes;
    bool cut = false;
    if (!ReadFilePrefix(path, bytes, kReadLimit, cut)) throw unreadable();
    return Parse(bytes, path, cut);
}

void ApplySavedGame(const SavedGame& saved, Game& game) {
    game.Score = saved.Score;
    game.MovableCount = saved.MovableCount;
    for (int r = 0; r < kBoardSize; ++r)
        for (int c = 0; c < kBoardSize; ++c)
            game.Board[r][c] = saved.Board[r][c];
}

void LoadSavedGame(Game& game, const std::string& path) {
    const SavedGame saved = ReadSavedGame(path);
    ApplySavedGame(saved, game);
}

}  // namespace kv

#include "game/Proof.h"

#include <cstdlib>
#include <cstring>

#include "game/MoveSequence.h"

namespace kv {
namespace {

constexpr std::string_view kSeedPrefix = "seed ";
constexpr std::string_view kEnd = "end";
constexpr size_t kSeedLine = 5 + 16;  // "seed " and the digits
constexpr size_t kMoveLine = 5;       // "45 46"

bool Neighbours(const ProofMove& m) {
    return std::abs(m.first.row - m.second.row) + std::abs(m.first.col - m.second.col) == 1;
}

// "45 46", as the text has it; cells off the board come out as they are.
std::string MoveText(const ProofMove& m) {
    return std::to_string(m.first.row) + std::to_string(m.first.col) + " " + std::to_string(m.second.row) +
           std::to_string(m.second.col);
}

std::string SeedText(uint64_t seed) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15; i >= 0; --i, seed >>= 4)
        out[static_cast<size_t>(i)] = kHex[seed & 15];
    return out;
}

[[noreturn]] void TooLong() {
    throw ProofError(KV_TRANSLATE_NOOP("kv::Text", "Запись игры не принята: она длиннее %1 байт."),
                     {std::to_string(kMaxProofBytes)});
}
[[noreturn]] void TooManyMoves() {
    throw ProofError(KV_TRANSLATE_NOOP("kv::Text", "Запись игры не принята: в ней больше %1 ходов."),
                     {std::to_string(kMaxProofMoves)});
}
[[noreturn]] void TooManySegments() {
    throw ProofError(KV_TRANSLATE_NOOP("kv::Text", "Запись игры не принята: в ней больше %1 загрузок."),
                     {std::to_string(kMaxProofSegments - 1)});
}
[[noreturn]] void NoDeal() {
    throw ProofError(KV_TRANSLATE_NOOP("kv::Text", "Запись игры не принята: в ней нет раздачи."), {});
}

// A move that could not have been played: off the board, or not an exchange of neighbours.
void CheckMove(const ProofMove& m) {
    if (!OnBoard(m.first) || !OnBoard(m.second))
        throw ProofError(
            KV_TRANSLATE_NOOP("kv::Text", "Запись игры не принята: ход %1 выходит за пределы доски."),
            {MoveText(m)});
    if (!Neighbours(m))
        throw ProofError(
            KV_TRANSLATE_NOOP("kv::Text",
                              "Запись игры не принята: ход %1 меняет местами шары, которые не соседи."),
            {MoveText(m)});
}

void CheckBounds(const GameProof& proof) {
    if (proof.segments.empty()) NoDeal();
    if (proof.segments.size() > kMaxProofSegments) TooManySegments();
    size_t moves = 0;
    for (const ProofSegment& s : proof.segments)
        moves += s.moves.size();
    if (moves > kMaxProofMoves) TooManyMoves();
    if (ProofTextSize(proof) > kMaxProofBytes) TooLong();
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    GameProof Parse() {
        if (text_.size() > kMaxProofBytes) TooLong();
        if (Line() != kProofHeader)
            throw ProofError(
                KV_TRANSLATE_NOOP("kv::Text", "Запись игры не в том формате: её первая строка не «%1»."),
                {std::string(kProofHeader)});
        GameProof proof;
        size_t moves = 0;
        for (;;) {
            const std::string_view line = Line();
            if (line == kEnd) break;
            if (line.size() == kSeedLine && line.starts_with(kSeedPrefix)) {
                if (proof.segments.size() == kMaxProofSegments) TooManySegments();
                proof.segments.push_back({Seed(line.substr(kSeedPrefix.size())), {}});
            } else if (line.size() == kMoveLine && line[2] == ' ') {
                if (proof.segments.empty()) NoDeal();
                if (moves == kMaxProofMoves) TooManyMoves();
                const ProofMove m{{Digit(line[0]), Digit(line[1])}, {Digit(line[3]), Digit(line[4])}};
                CheckMove(m);
                proof.segments.back().moves.push_back(m);
                ++moves;
            } else {
                Bad();
            }
        }
        if (pos_ != text_.size())
            throw ProofError(
                KV_TRANSLATE_NOOP("kv::Text", "Запись игры повреждена: после строки «end» есть что-то ещё."),
                {});
        if (proof.segments.empty()) NoDeal();
        return proof;
    }

  private:
    // The next line without its LF; a text that stops before "end" and its LF is cut off.
    std::string_view Line() {
        const size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos)
            throw ProofError(
                KV_TRANSLATE_NOOP("kv::Text", "Запись игры повреждена: она обрывается на строке %1."),
                {std::to_string(line_)});
        const std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        ++line_;
        return line;
    }
    [[noreturn]] void Bad() const {
        throw ProofError(
            KV_TRANSLATE_NOOP("kv::Text", "Запись игры повреждена: в строке %1 нет ни раздачи, ни хода."),
            {std::to_string(line_ - 1)});
    }
    // A cell's row or column: a digit; 0 and 9 stand off the board, which CheckMove says.
    int32_t Digit(char c) const {
        if (c < '0' || c > '9') Bad();
        return c - '0';
    }
    uint64_t Seed(std::string_view hex) const {
        uint64_t v = 0;
        for (char c : hex) {
            int d;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else
                Bad();
            v = v << 4 | static_cast<uint64_t>(d);
        }
        return v;
    }

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;  // the number of the line Line() gives next
};

}  // namespace

size_t ProofTextSize(const GameProof& proof) {
    size_t size = kProofHeader.size() + 1 + kEnd.size() + 1;
    for (const ProofSegment& s : proof.segments)
        size += kSeedLine + 1 + s.moves.size() * (kMoveLine + 1);
    return size;
}

bool WithinProofBounds(const GameProof& proof) {
    try {
        CheckBounds(proof);
    } catch (const ProofError&) {
        return false;
    }
    return true;
}

std::string FormatProof(const GameProof& proof) {
    CheckBounds(proof);
    std::string out;
    out.reserve(ProofTextSize(proof));
    out += kProofHeader;
    out += '\n';
    for (const ProofSegment& s : proof.segments) {
        out += kSeedPrefix;
        out += SeedText(s.seed);
        out += '\n';
        for (const ProofMove& m : s.moves) {
            CheckMove(m);
            out += MoveText(m);
            out += '\n';
        }
    }
    out += kEnd;
    out += '\n';
    return out;
}

GameProof ParseProof(std::string_view text) {
    return Parser(text).Parse();
}

ReplayResult ReplayProof(const GameProof& proof) {
    CheckBounds(proof);
    Game g;
    g.DealBoard(proof.segments[0].seed);
    bool first = true;
    for (const ProofSegment& s : proof.segments) {
        if (!first) g.Reseed(s.seed);
        first = false;
        for (const ProofMove& m : s.moves) {
            CheckMove(m);
            // The window plays no exchange once no ball has a move: the game is over then.
            if (g.MovableCount == 0)
                throw ProofError(
                    KV_TRANSLATE_NOOP("kv::Text", "Запись игры не принята: ход %1 сделан после конца игры."),
                    {MoveText(m)});
            g.FirstCell = m.first;
            g.FirstChosen = true;
            MoveSequence move(g, m.second);
            while (!move.Done())
                move.Next();
            g.FirstChosen = false;
        }
    }
    ReplayResult r;
    r.score = g.Score;
    r.movable = g.MovableCount;
    r.finished = g.MovableCount == 0;
    std::memcpy(r.board, g.Board, sizeof r.board);
    return r;
}

std::string ProofGameId(const GameProof& proof) {
    if (proof.segments.empty()) NoDeal();
    return SeedText(proof.segments[0].seed);
}

void ProofRecorder::Deal(Game& game) {
    const uint64_t seed = game.NewSeed();
    game.DealBoard(seed);
    proof_ = GameProof{{ProofSegment{seed, {}}}};
}

void ProofRecorder::Move(const Game& game, Cell second) {
    const ProofMove m{game.FirstCell, second};
    if (!proof_ || !OnBoard(m.first) || !OnBoard(m.second) || !Neighbours(m) || game.MovableCount <= 0)
        return;
    proof_->segments.back().moves.push_back(m);
    Grown();
}

void ProofRecorder::Loaded(Game& game, std::optional<GameProof> proof) {
    const uint64_t seed = game.NewSeed();
    game.Reseed(seed);
    proof_ = std::move(proof);
    if (!proof_) return;
    proof_->segments.push_back({seed, {}});
    Grown();
}

void ProofRecorder::Grown() {
    if (!WithinProofBounds(*proof_)) proof_.reset();
}

}  // namespace kv

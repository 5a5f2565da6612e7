#include "app/VersionBlock.h"

#include "base/Exception.h"

namespace kv::verinfo {
namespace {

using Buf = std::vector<std::uint8_t>;

void Put16(Buf& b, std::uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void Put32(Buf& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void Pad(Buf& b) {
    while (b.size() % 4)
        b.push_back(0);
}

void Emit(const Node& n, Buf& out) {
    const std::size_t at = out.size();
    Put16(out, 0);  // the length, known at the end
    Put16(out, n.valueLength);
    Put16(out, n.type);
    for (char16_t c : n.key)
        Put16(out, c);
    Put16(out, 0);
    Pad(out);
    out.insert(out.end(), n.value.begin(), n.value.end());
    for (const Node& c : n.children) {
        Pad(out);
        Emit(c, out);
    }
    const std::size_t len = out.size() - at;
    if (len > 0xFFFF) throw Exception("A version block node is longer than 65535 bytes.");
    out[at] = len & 0xFF;
    out[at + 1] = (len >> 8) & 0xFF;
}

}  // namespace

Node TextNode(std::u16string key, std::u16string_view text) {
    if (text.size() >= 0xFFFF) throw Exception("A version text is longer than 65534 characters.");
    Node n{std::move(key), 1, {}, static_cast<std::uint16_t>(text.size() + 1), {}};
    for (char16_t c : text)
        Put16(n.value, c);
    Put16(n.value, 0);
    return n;
}

Node GroupNode(std::u16string key, std::vector<Node> children) {
    return Node{std::move(key), 1, {}, 0, std::move(children)};
}

Node BinaryNode(std::u16string key, std::vector<std::uint8_t> value) {
    if (value.size() > 0xFFFF) throw Exception("A version value is longer than 65535 bytes.");
    const auto len = static_cast<std::uint16_t>(value.size());
    return Node{std::move(key), 0, std::move(value), len, {}};
}

std::vector<std::uint8_t> FixedInfoBytes(const FixedInfo& f) {
    auto high = [](const std::array<std::uint16_t, 4>& v) { return std::uint32_t{v[0]} << 16 | v[1]; };
    auto low = [](const std::array<std::uint16_t, 4>& v) { return std::uint32_t{v[2]} << 16 | v[3]; };
    Buf b;
    for (std::uint32_t v : {0xFEEF04BDu, 0x00010000u, high(f.fileVersion), low(f.fileVersion),
                            high(f.productVersion), low(f.productVersion), f.flagsMask, f.flags, f.os,
                            f.fileType, f.fileSubtype, 0u, 0u})  // the last two: no file date
        Put32(b, v);
    return b;
}

std::vector<std::uint8_t> TranslationBytes(std::uint16_t language, std::uint16_t codePage) {
    Buf b;
    Put16(b, language);
    Put16(b, codePage);
    return b;
}

std::vector<std::uint8_t> WriteBlock(std::vector<std::uint8_t> fixed, std::vector<Node> children) {
    Node root = BinaryNode(u"VS_VERSION_INFO", std::move(fixed));
    root.children = std::move(children);
    Buf out;
    Emit(root, out);
    return out;
}

}  // namespace kv::verinfo

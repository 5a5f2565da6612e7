// The containers that carry a version block: an ELF section of our own, or a PE file's RT_VERSION
// resource.
#include "app/VerInfoFind.h"

#include <cstring>

#include "app/VerInfoBytes.h"

namespace kv::verinfo {

using detail::Reader;

Bytes FindElfSection(Bytes file, std::string_view name) {
    if (file.size() < 16 || file[0] != 0x7F || file[1] != 'E' || file[2] != 'L' || file[3] != 'F') return {};
    const int cls = file[4];   // 1: 32-bit, 2: 64-bit
    const int data = file[5];  // 1: little, 2: big endian
    if ((cls != 1 && cls != 2) || (data != 1 && data != 2)) return {};
    const bool is64 = cls == 2;
    Reader r{file, data == 2};
    bool ok = true;
    const std::uint64_t shoff = is64 ? r.U64(0x28, ok) : r.U32(0x20, ok);
    const std::uint16_t shentsize = r.U16(is64 ? 0x3A : 0x2E, ok);
    std::uint64_t shnum = r.U16(is64 ? 0x3C : 0x30, ok);
    std::uint64_t shstrndx = r.U16(is64 ? 0x3E : 0x32, ok);
    const std::uint64_t need = is64 ? 64 : 40;
    if (!ok || shoff == 0 || shentsize < need) return {};

    auto header = [&](std::uint64_t i, std::uint64_t& nameOff, std::uint32_t& type, std::uint64_t& off,
                      std::uint64_t& size, std::uint32_t& link) {
        bool hok = true;
        if (i > (UINT64_MAX - shoff) / shentsize) return false;
        const std::uint64_t h = shoff + i * shentsize;
        nameOff = r.U32(h, hok);
        type = r.U32(h + 4, hok);
        off = is64 ? r.U64(h + 24, hok) : r.U32(h + 16, hok);
        size = is64 ? r.U64(h + 32, hok) : r.U32(h + 20, hok);
        link = r.U32(h + (is64 ? 40 : 24), hok);
        return hok;
    };

    std::uint64_t nameOff = 0, off = 0, size = 0;
    std::uint32_t type = 0, link = 0;
    // Extended numbering: the real counts live in the first section header.
    if (shnum == 0 || shstrndx == 0xFFFF) {
        if (!header(0, nameOff, type, off, size, link)) return {};
        if (shnum == 0) shnum = size;
        if (shstrndx == 0xFFFF) shstrndx = link;
    }
    if (shstrndx >= shnum) return {};
    if (!header(shstrndx, nameOff, type, off, size, link)) return {};
    const Bytes strtab = r.Sub(off, size);
    if (strtab.empty()) return {};

    constexpr std::uint32_t kNoBits = 8;
    for (std::uint64_t i = 0; i < shnum; ++i) {
        if (!header(i, nameOff, type, off, size, link)) return {};
        if (nameOff >= strtab.size()) continue;
        const auto* s = reinterpret_cast<const char*>(strtab.data()) + nameOff;
        const std::size_t room = strtab.size() - nameOff;
        const std::size_t len = strnlen(s, room);
        if (len == room || std::string_view(s, len) != name) continue;
        if (type == kNoBits) return {};
        return r.Sub(off, size);
    }
    return {};
}

// ---------------------------------------------------------------- PE

Bytes FindPeVersionResource(Bytes file) {
    Reader r{file};
    bool ok = true;
    if (file.size() < 0x40 || file[0] != 'M' || file[1] != 'Z') return {};
    const std::uint64_t pe = r.U32(0x3C, ok);
    if (!ok || !r.Has(pe, 24) || std::memcmp(file.data() + pe, "PE\0\0", 4) != 0) return {};
    const std::uint64_t coff = pe + 4;
    const std::uint16_t sections = r.U16(coff + 2, ok);
    const std::uint16_t optSize = r.U16(coff + 16, ok);
    const std::uint64_t opt = coff + 20;
    const std::uint16_t magic = r.U16(opt, ok);
    if (!ok || (magic != 0x10B && magic != 0x20B)) return {};
    const bool plus = magic == 0x20B;
    const std::uint32_t dirCount = r.U32(opt + (plus ? 108 : 92), ok);
    if (!ok || dirCount < 3) return {};
    const std::uint64_t dirs = opt + (plus ? 112 : 96);
    if (dirs + 3 * 8 > opt + optSize) return {};
    const std::uint32_t rsrcRva = r.U32(dirs + 2 * 8, ok);
    const std::uint32_t rsrcSize = r.U32(dirs + 2 * 8 + 4, ok);
    if (!ok || rsrcRva == 0 || rsrcSize == 0) return {};

    const std::uint64_t table = opt + optSize;
    // The bytes of the file that an RVA range occupies, if a section stores all of it; with
    // `cut`, as much of it as the section stores.
    auto mapRva = [&](std::uint64_t rva, std::uint64_t size, bool cut) -> Bytes {
        for (std::uint32_t i = 0; i < sections; ++i) {
            bool sok = true;
            const std::uint64_t s = table + 40ull * i;
            const std::uint64_t vsize = r.U32(s + 8, sok);
            const std::uint64_t va = r.U32(s + 12, sok);
            const std::uint64_t rawSize = r.U32(s + 16, sok);
            const std::uint64_t rawPtr = r.U32(s + 20, sok);
            if (!sok) return {};
            if (rva < va || rva - va >= std::max(vsize, rawSize)) continue;
            const std::uint64_t inSection = rva - va;
            if (inSection >= rawSize) return {};
            std::uint64_t stored = std::min(size, rawSize - inSection);
            if (rawPtr + inSection < file.size())
                stored = std::min<std::uint64_t>(stored, file.size() - rawPtr - inSection);
            if (stored < size && !cut) return {};
            return r.Sub(rawPtr + inSection, stored);
        }
        return {};
    };

    // The resource tree: every offset in it is relative to its start.
    const Bytes rsrc = mapRva(rsrcRva, rsrcSize, true);
    if (rsrc.size() < 16) return {};
    Reader t{rsrc};

    constexpr std::uint32_t kDirBit = 0x80000000u;
    // Offset of the wanted entry's target in directory `dir`: ID `id`, or the first if id < 0 or
    // (with `fallback`) no entry has that ID.
    auto pick = [&](std::uint64_t dir, long id, bool fallback, bool wantDir) -> std::optional<std::uint32_t> {
        bool dok = true;
        const std::uint64_t named = t.U16(dir + 12, dok);
        const std::uint64_t ids = t.U16(dir + 14, dok);
        if (!dok) return std::nullopt;
        std::optional<std::uint32_t> first;
        for (std::uint64_t i = 0; i < named + ids; ++i) {
            const std::uint64_t e = dir + 16 + 8 * i;
            const std::uint32_t nameField = t.U32(e, dok);
            const std::uint32_t target = t.U32(e + 4, dok);
            if (!dok) break;
            if (((target & kDirBit) != 0) != wantDir) continue;
            if (!first) first = target & ~kDirBit;
            if (id >= 0 && (nameField & kDirBit) == 0 && nameField == static_cast<std::uint32_t>(id))
                return target & ~kDirBit;
        }
        if (id < 0 || fallback) return first;
        return std::nullopt;
    };
    constexpr long kRtVersion = 16;
    const auto names = pick(0, kRtVersion, false, true);
    if (!names) return {};
    const auto langs = pick(*names, 1, true, true);
    if (!langs) return {};
    const auto entry = pick(*langs, -1, false, false);
    if (!entry) return {};
    bool eok = true;
    const std::uint32_t dataRva = t.U32(*entry, eok);
    const std::uint32_t dataSize = t.U32(*entry + 4ull, eok);
    if (!eok || dataSize == 0) return {};
    return mapRva(dataRva, dataSize, false);
}

Bytes FindVersionBlock(Bytes file) {
    if (file.size() >= 4 && file[0] == 0x7F && file[1] == 'E') return FindElfSection(file, kElfSection);
    if (file.size() >= 2 && file[0] == 'M' && file[1] == 'Z') return FindPeVersionResource(file);
    return {};
}

}  // namespace kv::verinfo

// The version reader and writer: on the program's own executable, on the Windows programs in
// tests/app/data, and on damaged bytes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <random>

#include "TempDir.h"
#include "app/VerInfo.h"
#include "app/VersionBlock.h"

namespace kv {
namespace {

using Buf = std::vector<std::uint8_t>;
using verinfo::BinaryNode;
using verinfo::GroupNode;
using verinfo::Node;
using verinfo::TranslationBytes;
using verinfo::WriteBlock;

Buf ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return Buf(std::istreambuf_iterator<char>(in), {});
}
std::string Fixture(const char* name) {
    return std::string(KV_VERINFO_DATA) + "/" + name;
}
bool Within(Bytes inner, Bytes outer) {
    return inner.empty() ||
           (inner.data() >= outer.data() && inner.data() + inner.size() <= outer.data() + outer.size());
}

// ---- Version blocks: the program's as the Windows resource compiler wrote it, and crafted ones
// from the build's own writer (which must reproduce that one byte for byte).

Buf ReferenceBlock() {
    return ReadFile(Fixture("version.bin"));
}
Node Text(std::u16string key, std::u16string text) {
    return verinfo::TextNode(std::move(key), text);
}
Buf Fixed(std::uint32_t mask, std::uint32_t flags, std::uint32_t os) {
    return verinfo::FixedInfoBytes({{3, 3, 5, 0}, {3, 3, 5, 0}, mask, flags, os});
}
void Put16(Buf& b, std::uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}

// ---- A minimal ELF file carrying a block in its section, in either class and byte order.

Buf MakeElf(const Buf& section, bool is64 = true, bool bigEndian = false,
            std::string name = ".vs_version_info") {
    auto put = [&](Buf& b, std::uint64_t v, int n) {
        for (int i = 0; i < n; ++i)
            b.push_back((v >> (8 * (bigEndian ? n - 1 - i : i))) & 0xFF);
    };
    const std::size_t ehsize = is64 ? 64 : 52, shsize = is64 ? 64 : 40;
    const std::string strtab = std::string("\0.shstrtab\0", 11) + name + '\0';
    const std::size_t dataOff = ehsize, strOff = dataOff + section.size(), shOff = strOff + strtab.size();
    // Set byte by byte: GCC 12 at -O3 takes a braced list here for an overread (-Wstringop-overread).
    Buf f(16, 0);
    f[0] = 0x7F;
    f[1] = 'E';
    f[2] = 'L';
    f[3] = 'F';
    f[4] = static_cast<std::uint8_t>(is64 ? 2 : 1);
    f[5] = static_cast<std::uint8_t>(bigEndian ? 2 : 1);
    f[6] = 1;
    put(f, 2, 2);             // e_type
    put(f, 62, 2);            // e_machine
    put(f, 1, 4);             // e_version
    put(f, 0, is64 ? 8 : 4);  // e_entry
    put(f, 0, is64 ? 8 : 4);  // e_phoff
    put(f, shOff, is64 ? 8 : 4);
    put(f, 0, 4);  // e_flags
    put(f, ehsize, 2);
    put(f, 0, 2);
    put(f, 0, 2);
    put(f, shsize, 2);
    put(f, 3, 2);  // e_shnum
    put(f, 1, 2);  // e_shstrndx
    f.insert(f.end(), section.begin(), section.end());
    f.insert(f.end(), strtab.begin(), strtab.end());
    auto header = [&](std::uint32_t nameOff, std::uint32_t type, std::uint64_t off, std::uint64_t size) {
        const int w = is64 ? 8 : 4;
        put(f, nameOff, 4);
        put(f, type, 4);
        put(f, 0, w);  // flags
        put(f, 0, w);  // addr
        put(f, off, w);
        put(f, size, w);
        put(f, 0, 4);  // link
        put(f, 0, 4);  // info
        put(f, 1, w);  // addralign
        put(f, 0, w);  // entsize
    };
    header(0, 0, 0, 0);
    header(1, 3, strOff, strtab.size());
    header(11, 1, dataOff, section.size());
    return f;
}

std::string WriteTemp(const test::TempDir& dir, const std::string& name, const Buf& bytes) {
    dir.Write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return dir.File(name);
}

template <class E>
std::string ErrorOf(const std::string& file) {
    try {
        TVerInfoRes r(file);
    } catch (const E& e) {
        return e.what();
    } catch (const std::exception& e) {
        return std::string("wrong class: ") + e.what();
    }
    return "no error";
}

std::string Text(const Bytes block, const char* path) {
    verinfo::Value v;
    if (!verinfo::Query(block, path, v)) return "<none>";
    EXPECT_TRUE(Within(v.bytes, block)) << path;
    return v.text ? verinfo::Utf16ToUtf8(v.bytes) : "<binary>";
}

// ---------------------------------------------------------------- the program's own block

TEST(VerInfoOwnProgram, ReadsTheExecutablesBlock) {
    TVerInfoRes r(KV_EXECUTABLE);
    EXPECT_EQ(r.GetVersionText(VersionKey::ProductVersion), "3.35");
    EXPECT_EQ(r.GetVersionText(VersionKey::InternalName), "Квелли 99 Internet version");
    EXPECT_EQ(r.GetVersionText(VersionKey::FileDescription), "");
    EXPECT_EQ(r.GetVersionText(VersionKey::FileVersion), "3.3.5.0");
    EXPECT_EQ(r.GetVersionText(VersionKey::ProductName), "Kvelli99");
    EXPECT_EQ(r.GetVersionText(VersionKey::Comments), "Logical Game");
    EXPECT_EQ(r.GetVersionText(static_cast<VersionKey>(10)), "");
    EXPECT_EQ(r.GetFileOsText(), "Designed for 32-bit Windows");
    EXPECT_TRUE(r.BuildFlags().empty());
    EXPECT_EQ(r.FileName(), KV_EXECUTABLE);
}

TEST(VerInfoOwnProgram, EmbeddedBlockIsTheResourceCompilersBlock) {
    const Buf exe = ReadFile(KV_EXECUTABLE);
    const Bytes block = verinfo::FindElfSection(exe, verinfo::kElfSection);
    ASSERT_FALSE(block.empty());
    const Buf reference = ReferenceBlock();
    ASSERT_EQ(reference.size(), 768u);
    EXPECT_EQ(Buf(block.begin(), block.end()), reference);
    EXPECT_EQ(GetFileVersionInfoSize(KV_EXECUTABLE, nullptr), block.size());
}

TEST(VerInfoWriter, FixedPartAndLimits) {
    // Every number in its own place: a swap within a version would show.
    const Buf fixed = verinfo::FixedInfoBytes({{1, 2, 3, 4}, {5, 6, 7, 8}, 0x3F, 0x08, 0x40004, 2, 9});
    const Buf block = WriteBlock(fixed, {});
    const std::uint8_t* p = nullptr;
    std::uint32_t len = 0;
    ASSERT_TRUE(VerQueryValue(block, "\\", &p, &len));
    ASSERT_EQ(len, 52u);
    auto word = [&](int k) { return p[4 * k] | p[4 * k + 1] << 8 | p[4 * k + 2] << 16 | p[4 * k + 3] << 24; };
    EXPECT_EQ(word(0), 0xFEEF04BD);
    EXPECT_EQ(word(2), 0x00010002);
    EXPECT_EQ(word(3), 0x00030004);
    EXPECT_EQ(word(4), 0x00050006);
    EXPECT_EQ(word(5), 0x00070008);
    EXPECT_EQ(word(8), 0x40004);
    EXPECT_EQ(word(9), 2);
    EXPECT_EQ(word(10), 9);

    // Lengths are 16 bits: a block that cannot say its own length is refused, not cut.
    EXPECT_THROW(verinfo::TextNode(u"T", std::u16string(0xFFFF, u'x')), Exception);
    EXPECT_THROW(BinaryNode(u"B", Buf(0x10000)), Exception);
    EXPECT_THROW(WriteBlock({}, {BinaryNode(u"B", Buf(0xFFF0))}), Exception);
    EXPECT_EQ(WriteBlock({}, {BinaryNode(u"B", Buf(0xFF00))}).size(), 0xFF00u + 40 + 12);
}

TEST(VerInfoOwnProgram, QueryPaths) {
    EXPECT_EQ(TVerInfoRes::VersionPath(0x0419, 0x04E3, VersionKey::ProductVersion),
              std::string("\\StringFileInfo\\041904E3\\ProductVersion\0", 40));
    const Buf block = ReferenceBlock();
    // Keys compare without regard to case; a NUL ends the path.
    EXPECT_EQ(Text(block, "\\stringfileinfo\\041904e3\\PRODUCTVERSION"), "3.35");
    EXPECT_EQ(Text(block, "StringFileInfo\\041904E3\\ProductVersion\0\\junk"), "3.35");
    EXPECT_EQ(Text(block, "\\StringFileInfo\\041904E3\\ProductVersio"), "<none>");
    EXPECT_EQ(Text(block, "\\StringFileInfo\\041904E3\\ProductVersion\\More"), "<none>");
    EXPECT_EQ(Text(block, ""), "<none>");
}

// ---------------------------------------------------------------- Windows programs

TEST(VerInfoFiles, FilesWithoutABlock) {
    test::TempDir dir;
    dir.Write("text.txt", "MZ but not really a program");
    dir.Write("empty", "");
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);  // must not wait for a writer
    for (const std::string& f :
         {Fixture("plain.exe"), Fixture("noversion.exe"), std::string("/proc/self/exe"), dir.File("text.txt"),
          dir.File("empty"), dir.File("fifo"), dir.path(), dir.File("missing")}) {
        EXPECT_EQ(ErrorOf<ENoVerInfoError>(f), "No Version Info Available.") << f;
        EXPECT_EQ(GetFileVersionInfoSize(f, nullptr), 0u) << f;
    }
    Buf buf(16, 0xAA);
    EXPECT_FALSE(GetFileVersionInfo(Fixture("noversion.exe"), 0, 16, buf.data()));
}

TEST(VerInfoFiles, TranslationNamingALanguageWithoutTable) {
    TVerInfoRes r(Fixture("otherlang.exe"));
    for (int k = 0; k <= 9; ++k)
        EXPECT_EQ(r.GetVersionText(static_cast<VersionKey>(k)), "") << k;
    EXPECT_EQ(r.GetFileOsText(), "Designed for Win32 API, running on Windows/NT");
    // The table is there, under the second translation, which is never used.
    const Buf exe = ReadFile(Fixture("otherlang.exe"));
    EXPECT_EQ(Text(verinfo::FindPeVersionResource(exe), "\\StringFileInfo\\040904B0\\ProductVersion"), "1.0");
}

TEST(VerInfoFiles, BuildFlagsNeedTheMaskAndKeepTheirOrder) {
    TVerInfoRes masked(Fixture("flags.exe"));
    EXPECT_EQ(masked.BuildFlags(), (std::vector<std::string>{"Private build", "Debug"}));
    EXPECT_EQ(masked.GetVersionText(VersionKey::ProductVersion), "2.0 beta");
    EXPECT_EQ(masked.GetFileOsText(), "Designed for Win32 API, running on MS-DOS");

    TVerInfoRes all(Fixture("os0.exe"));
    EXPECT_EQ(all.BuildFlags(),
              (std::vector<std::string>{"Pre-release", "Private build", "Special build", "Debug"}));
    EXPECT_EQ(all.GetFileOsText(), "Unknown");
    EXPECT_EQ(all.GetVersionText(VersionKey::Comments), "tables after the translation list");
}

TEST(VerInfoFiles, TruncatedBlockAndTruncatedFile) {
    EXPECT_EQ(ErrorOf<EVerInfoError>(Fixture("truncated.exe")), "No language info.");
    const Buf tr = ReadFile(Fixture("truncated.exe"));
    const Bytes block = verinfo::FindPeVersionResource(tr);
    ASSERT_GE(block.size(), 198u);
    EXPECT_EQ(Text(block, "\\StringFileInfo\\041904E3\\ProductVersion"),
              "<none>");  // its table runs past the end

    // A program file cut anywhere: the block is found whole or not at all.
    const Buf exe = ReadFile(Fixture("flags.exe"));
    const Bytes whole = verinfo::FindPeVersionResource(exe);
    ASSERT_FALSE(whole.empty());
    for (std::size_t n = 0; n <= exe.size(); n += (n < 1024 || n > exe.size() - 4096) ? 1 : 61) {
        const Buf cut(exe.begin(), exe.begin() + static_cast<std::ptrdiff_t>(n));
        const Bytes found = verinfo::FindVersionBlock(cut);
        ASSERT_TRUE(found.empty() ||
                    (found.size() == whole.size() && std::equal(found.begin(), found.end(), whole.begin())))
            << n;
    }
    test::TempDir dir;
    const std::size_t mid = static_cast<std::size_t>(whole.data() - exe.data()) + whole.size() / 2;
    EXPECT_EQ(ErrorOf<ENoVerInfoError>(WriteTemp(dir, "cut.exe", Buf(exe.begin(), exe.begin() + mid))),
              "No Version Info Available.");
}

// ---------------------------------------------------------------- damaged blocks

TEST(VerInfoBlock, ConstructionErrors) {
    test::TempDir dir;
    auto error = [&](const Buf& block, auto tag) {
        return ErrorOf<decltype(tag)>(WriteTemp(dir, "p", MakeElf(block)));
    };
    const Node strings =
        GroupNode(u"StringFileInfo", {GroupNode(u"041904E3", {Text(u"ProductVersion", u"3.35")})});
    const Node tr = GroupNode(u"VarFileInfo", {BinaryNode(u"Translation", TranslationBytes(0x0419, 0x04E3))});
    EXPECT_EQ(error({}, ENoVerInfoError("")), "No Version Info Available.");
    EXPECT_EQ(error(WriteBlock(Fixed(0, 0, 4), {strings}), EVerInfoError("")), "No language info.");
    EXPECT_EQ(
        error(WriteBlock(Fixed(0, 0, 4),
                         {strings, GroupNode(u"VarFileInfo", {BinaryNode(u"Translation", {0x19, 0x04})})}),
              EVerInfoError("")),
        "No language info.");
    Buf shortFixed = Fixed(0, 0, 4);
    shortFixed.resize(48);
    EXPECT_EQ(error(WriteBlock(shortFixed, {strings, tr}), eNoFixeVerInfo("")), "No fixed file info");
    EXPECT_EQ(error(WriteBlock({}, {strings, tr}), eNoFixeVerInfo("")), "No fixed file info");

    // The same block in a 32-bit and in a big-endian ELF file.
    const Buf good = WriteBlock(Fixed(0x3F, 0x01, 0x40000), {strings, tr});
    for (bool is64 : {true, false})
        for (bool be : {false, true}) {
            TVerInfoRes r(WriteTemp(dir, "q", MakeElf(good, is64, be)));
            EXPECT_EQ(r.GetVersionText(VersionKey::ProductVersion), "3.35");
            EXPECT_EQ(r.GetFileOsText(), "Designed for Windows NT");
            EXPECT_EQ(r.BuildFlags(), std::vector<std::string>{"Debug"});
        }
    EXPECT_EQ(ErrorOf<ENoVerInfoError>(WriteTemp(dir, "r", MakeElf(good, true, false, ".vs_version_inf"))),
              "No Version Info Available.");
}

TEST(VerInfoBlock, LengthsThatLie) {
    const Buf good = ReferenceBlock();
    const char* kPath = "\\StringFileInfo\\041904E3\\Comments";
    auto with = [&](std::size_t at, std::uint16_t v) {
        Buf b = good;
        b[at] = v & 0xFF;
        b[at + 1] = v >> 8;
        return b;
    };
    // Too short to hold a node, or a root of no length.
    for (std::size_t n = 0; n < 6; ++n)
        EXPECT_EQ(Text(Bytes(good.data(), n), "\\"), "<none>") << n;
    EXPECT_EQ(Text(with(0, 0), "\\"), "<none>");
    // A root that claims more than there is: what is whole is still found.
    const Buf longer = with(0, 0xFFFF);
    EXPECT_EQ(Text(longer, kPath), "Logical Game");
    // A root cut short: the tables beyond the cut are gone.
    EXPECT_EQ(Text(with(0, 200), kPath), "<none>");
    EXPECT_EQ(Text(Bytes(good.data(), good.size() - 1), "\\VarFileInfo\\Translation"), "<none>");

    // The string table at 128: a child running past its parent hides it and what follows.
    const std::size_t table = 128;
    EXPECT_EQ(Text(with(table, 0xFFF0), kPath), "<none>");
    EXPECT_EQ(Text(with(table, 0), kPath), "<none>");  // no length: no endless loop
    EXPECT_EQ(Text(with(table, 7), kPath), "<none>");
    // A value length far beyond its node is cut at the node's end.
    const std::size_t first = table + 24;  // "CompanyName"
    EXPECT_EQ(Text(with(first + 2, 0xFFFF), "\\StringFileInfo\\041904E3\\CompanyName"), "Quorvane, 1999");

    // A key without its NUL inside the node, a text without its NUL at the end of the block.
    Buf noNul = WriteBlock(Fixed(0, 0, 4), {BinaryNode(u"X", {})});
    EXPECT_EQ(Text(noNul, "\\X"), "<binary>");
    noNul[92] = 8;  // the node ends before the key's NUL
    EXPECT_EQ(Text(noNul, "\\X"), "<none>");
    Buf open = WriteBlock({}, {Text(u"T", u"abc")});
    open.resize(open.size() - 2);
    open[0] = static_cast<std::uint8_t>(open.size());
    open[40] = 18;
    EXPECT_EQ(Text(open, "\\T"), "abc");

    // Children that the producer did not align are not found in the middle of other data.
    Buf unaligned = WriteBlock(Fixed(0, 0, 4), {});
    for (char c : std::string("\x0b\x00\x02\x00\x01\x00Q\x00\x00\x00z\x00", 12))
        unaligned.push_back(static_cast<std::uint8_t>(c));
    unaligned.insert(unaligned.begin() + 92, 0xEE);
    unaligned[0] = static_cast<std::uint8_t>(unaligned.size());
    EXPECT_EQ(Text(unaligned, "\\Q"), "<none>");
}

TEST(VerInfoBlock, TextsConvertSafely) {
    auto utf8 = [](std::u16string s) {
        Buf b;
        for (char16_t c : s)
            Put16(b, c);
        return verinfo::Utf16ToUtf8(b);
    };
    EXPECT_EQ(utf8(u"Kv\u00e9\u041a"), "Kv\xc3\xa9\xd0\x9a");
    EXPECT_EQ(utf8(u"\U0001F600"), "\xf0\x9f\x98\x80");
    EXPECT_EQ(utf8(std::u16string(1, char16_t(0xD800)) + u"a"),
              "\xef\xbf\xbd"
              "a");
    EXPECT_EQ(utf8(std::u16string(u"ab\0cd", 5)), "ab");
    EXPECT_EQ(verinfo::Utf16ToUtf8(Buf{'a', 0, 'b'}), "a");  // an odd byte is no character
}

TEST(VerInfoBlock, RandomDamageNeverReadsOutside) {
    std::mt19937 rng(1999);
    const Buf good = ReferenceBlock();
    const char* paths[] = {"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\041904E3\\InternalName",
                           "\\StringFileInfo\\041904E3\\Comments"};
    for (int round = 0; round < 4000; ++round) {
        Buf b = good;
        for (int k = 0, n = 1 + static_cast<int>(rng() % 6); k < n; ++k)
            b[rng() % b.size()] = static_cast<std::uint8_t>(rng());
        b.resize(rng() % 8 == 0 ? rng() % b.size() : b.size());
        for (const char* p : paths) {
            verinfo::Value v;
            if (verinfo::Query(b, p, v)) {
                ASSERT_TRUE(Within(v.bytes, b)) << round;
            }
        }
    }
    // Damaged program files: PE headers and resource tree, ELF headers.
    const Buf exe = ReadFile(Fixture("flags.exe"));
    const std::size_t rsrc =
        static_cast<std::size_t>(verinfo::FindPeVersionResource(exe).data() - exe.data());
    for (int round = 0; round < 3000; ++round) {
        Buf f = exe;
        for (int k = 0; k < 4; ++k) {
            const std::size_t at = round % 2 ? rng() % 1024 : (rsrc & ~std::size_t{4095}) + rng() % 4096;
            f[std::min(at, f.size() - 1)] = static_cast<std::uint8_t>(rng());
        }
        ASSERT_TRUE(Within(verinfo::FindVersionBlock(f), f)) << round;
    }
    const Buf elf = MakeElf(good);
    for (int round = 0; round < 3000; ++round) {
        Buf f = elf;
        for (int k = 0; k < 3; ++k) {
            const std::size_t at = rng() % 2 ? rng() % 64 : f.size() - 1 - rng() % (3 * 64);
            f[at] = static_cast<std::uint8_t>(rng() % 4 ? rng() : 0xFF);
        }
        ASSERT_TRUE(Within(verinfo::FindVersionBlock(f), f)) << round;
    }
}

}  // namespace
}  // namespace kv

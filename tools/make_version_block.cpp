// A build tool, not part of the program: writes the program's version block, make_version_block
// OUT.bin. The values come from src/app/version/version.cmake through the generated
// ProgramVersion.h; the layout is the one the Windows resource compiler gave this program (tests
// compare the two byte for byte).
#include <cstdio>
#include <exception>
#include <fstream>

#include "ProgramVersion.h"
#include "app/VersionBlock.h"

namespace {

std::vector<std::uint8_t> ProgramBlock() {
    using namespace kv::verinfo;
    namespace pv = kv::program_version;
    FixedInfo fixed;
    for (int k = 0; k < 4; ++k)
        fixed.fileVersion[k] = fixed.productVersion[k] = pv::kFileVersion[k];
    fixed.flagsMask = 0x3F;  // every flag known, none set
    fixed.os = 4;            // 32-bit Windows
    fixed.fileType = 1;      // an application
    std::vector<Node> texts;
    for (const auto& [key, text] : pv::kTexts)
        texts.push_back(TextNode(key, text));
    // Russian, code page 1251: the table's name and the one translation.
    return WriteBlock(
        FixedInfoBytes(fixed),
        {GroupNode(u"StringFileInfo", {GroupNode(u"041904E3", std::move(texts))}),
         GroupNode(u"VarFileInfo", {BinaryNode(u"Translation", TranslationBytes(0x0419, 1251))})});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_version_block OUT.bin\n");
        return 2;
    }
    try {
        const std::vector<std::uint8_t> block = ProgramBlock();
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "make_version_block: cannot write %s\n", argv[1]);
            std::remove(argv[1]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_version_block: %s\n", e.what());
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}

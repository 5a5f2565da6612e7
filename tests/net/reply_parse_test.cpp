// Reply parsing and error texts, without sockets: hostile replies give errors, never overruns.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "net/FtpClient.h"
#include "net/ReplyParse.h"
#include "net/SockTransport.h"

namespace kv {
namespace {

TEST(ReplyCode, LeadingDigitsWithinSixteenBits) {
    EXPECT_EQ(ParseReplyCode("221 Goodbye.\r\n"), 221);
    EXPECT_EQ(ParseReplyCode("230-Welcome\r\n"), 230);
    EXPECT_EQ(ParseReplyCode("Hello there\r\n"), 0);
    EXPECT_EQ(ParseReplyCode(""), 0);
    EXPECT_EQ(ParseReplyCode("32767 top"), 32767);
    EXPECT_EQ(ParseReplyCode("0000000221 ten characters at most"), 221);
    EXPECT_THROW(ParseReplyCode("32768 beyond"), EConvertError);
    EXPECT_THROW(ParseReplyCode("99999 What?\r\n"), EConvertError);
    // Only the first ten characters count, so a long run of digits cannot overflow anything.
    EXPECT_THROW(ParseReplyCode(std::string(5000, '9')), EConvertError);
}

TEST(ReplyRest, MultiLineRepliesEndAtTheirLastLine) {
    EXPECT_TRUE(ReplyContinues("230-Welcome\r\n"));
    EXPECT_TRUE(ReplyContinues(" continued text\r\n"));
    EXPECT_FALSE(ReplyContinues("230 Done\r\n"));
    EXPECT_FALSE(ReplyContinues("23"));
    EXPECT_FALSE(ReplyContinues(""));

    ByteLineSource src("230-Welcome\r\n continued\r\n230-More\r\n230 Done\r\n221 next reply\r\n");
    std::vector<std::string> seen;
    std::string first = src.ReadLn();
    std::string last = ReadReplyRest(
        first, [&] { return src.ReadLn(); }, [&](const std::string& l) { seen.push_back(l); });
    EXPECT_EQ(first, "230-Welcome\r\n");
    EXPECT_EQ(last, "230 Done\r\n");
    EXPECT_EQ(seen, (std::vector<std::string>{" continued\r\n", "230-More\r\n", "230 Done\r\n"}));
    // The next reply is left for the next read.
    EXPECT_EQ(src.Rest(), "221 next reply\r\n");

    // A connection that closes inside a reply ends it.
    ByteLineSource cut("230-Welcome\r\n230 unfinished");
    std::string line = cut.ReadLn();
    EXPECT_EQ(ReadReplyRest(
                  line, [&] { return cut.ReadLn(); }, nullptr),
              "230-Welcome\r\n");
}

TEST(ReplyRest, LinesBeyondTheBufferAreRefused) {
    std::string exact(kSockBufferSize - 2, 'x');
    exact += "\r\n";
    ByteLineSource fits(exact);
    EXPECT_EQ(fits.ReadLn().size(), kSockBufferSize);

    std::string huge(70000, 'x');
    huge += "\r\n";
    ByteLineSource src(huge);
    try {
        src.ReadLn();
        FAIL() << "a 70,000-byte line was taken";
    } catch (const ESockError& e) {
        EXPECT_STREQ(e.what(), "10040: Message too long");
    }
}

TEST(ByteCount, NearestDigitsBeforeTheWordBytes) {
    EXPECT_EQ(ParseByteCount("150 Opening BINARY mode data connection for records.rec (1234 bytes).\r\n"),
              1234u);
    EXPECT_EQ(ParseByteCount("150 Opening data connection (77 BYTES)"), 77u);
    EXPECT_EQ(ParseByteCount("150 File status okay; about to open data connection.\r\n"), 0u);
    EXPECT_EQ(ParseByteCount("150 (bytes follow)"), 150u);  // the nearest digits before, wherever they are
    EXPECT_EQ(ParseByteCount("bytes first"), 0u);
    EXPECT_EQ(ParseByteCount("150 x (4294967295 bytes)"), 4294967295u);
    // A count beyond 32 bits is no count, not a wrapped one.
    EXPECT_EQ(ParseByteCount("150 x (4294967296 bytes)"), 0u);
    EXPECT_EQ(ParseByteCount("150 x (" + std::string(3000, '9') + " bytes)"), 0u);
}

TEST(PasvReply, PortFromFieldsFiveAndSix) {
    EXPECT_EQ(ParsePasvPort("227 Entering Passive Mode (127,0,0,1,195,80).\r\n"), 195 * 256 + 80);
    EXPECT_EQ(ParsePasvPort("227 Entering Passive Mode (127,0,0,1, 4, 1)\r\n"), 1025);
    // The address in the reply plays no part.
    EXPECT_EQ(ParsePasvPort("227 =(10,9,8,7,0,21)"), 21);

    const std::vector<std::string> hostile = {
        "227 Entering Passive Mode (127,0,0,1,a,b).\r\n",    // letters
        "227 Entering Passive Mode (127,0,0,1,195,80.\r\n",  // no ")" after the sixth number
        "227 Entering Passive Mode (127,0,0,1,195).\r\n",    // a field missing
        "227 Entering Passive Mode\r\n",                     // no fields at all
        "227 (127,0,0,1,999,1)\r\n",                         // not a byte
        "227 (127,0,0,1,-1,1)\r\n",
        "227 (127,0,0,1," + std::string(400, '9') + ",1)\r\n",
        "",
    };
    for (const auto& reply : hostile)
        EXPECT_THROW(ParsePasvPort(reply), EConvertError) << reply;
}

TEST(CommandKind, FromTheFirstWordExactly) {
    EXPECT_EQ(CommandKind("CWD WWW"), cmdChangeDir);
    EXPECT_EQ(CommandKind("MKD new"), cmdMakeDir);
    EXPECT_EQ(CommandKind("DELE old.rec"), cmdDelete);
    EXPECT_EQ(CommandKind("RMD dir"), cmdRemoveDir);
    EXPECT_EQ(CommandKind("PWD"), cmdCurrentDir);
    EXPECT_EQ(CommandKind("cwd WWW"), cmdDoCommand);  // case matters
    EXPECT_EQ(CommandKind("CWD"), cmdDoCommand);      // no blank after the word
    EXPECT_EQ(CommandKind("PWD x"), cmdDoCommand);
    EXPECT_EQ(CommandKind("NOOP"), cmdDoCommand);
    EXPECT_EQ(static_cast<int>(cmdDownload), 8);
    EXPECT_EQ(static_cast<int>(cmdUpload), 9);
    EXPECT_EQ(static_cast<int>(cmdDoCommand), 14);
}

TEST(ErrorText, TableTextsAndLinuxNumbers) {
    EXPECT_EQ(SockErrorText(10061), "10061: Connection refused");
    EXPECT_EQ(SockErrorText(12345), "Unknown Error No. 12345");
    EXPECT_EQ(SockErrorText(0), "");
    EXPECT_EQ(SockErrorText(11004), "11004: Valid name, no data record of requested type");
    EXPECT_EQ(SockErrorText(10049), "10049: Can't assign requested address");
    int known = 0;
    for (int n = 10000; n <= 11010; ++n)
        if (SockErrorText(n).rfind("Unknown", 0) != 0) ++known;
    EXPECT_EQ(known, 50);

    EXPECT_EQ(WinSockErrorOf(ECONNREFUSED), 10061);
    EXPECT_EQ(WinSockErrorOf(ECONNRESET), 10054);
    EXPECT_EQ(WinSockErrorOf(EWOULDBLOCK), 10035);
    EXPECT_EQ(WinSockErrorOf(ETIMEDOUT), 10060);
    EXPECT_EQ(WinSockErrorOf(ENOTCONN), 10057);
    EXPECT_EQ(WinSockErrorOf(EHOSTUNREACH), 10065);
    // Every mapped number has its text, and an errno without counterpart still reads as an error.
    for (int err = 1; err < 134; ++err) {
        int n = WinSockErrorOf(err);
        EXPECT_GT(n, 10000) << err;
        if (n < 20000) {
            EXPECT_EQ(SockErrorText(n).rfind("Unknown", 0), std::string::npos) << err;
        }
    }
    EXPECT_EQ(SockErrorText(WinSockErrorOf(EIO)), "Unknown Error No. 20005");

    TSockTransport t;
    EXPECT_EQ(t.ErrorText(10061), "10061: Connection refused");
}

}  // namespace
}  // namespace kv

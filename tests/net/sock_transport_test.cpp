// The socket transport against peers on 127.0.0.1: line framing, connection outcomes and their
// texts, time-outs, cancel and destruction inside a wait, accepting only the expected peer.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "NetTestUtil.h"
#include "ScriptServer.h"
#include "TempDir.h"
#include "net/ReplyParse.h"
#include "net/SockTransport.h"

namespace kv {
namespace {

using namespace std::chrono_literals;
using test::ErrorOf;
using test::Peer;
using test::ScriptServer;
using test::TestPump;

void ConnectTo(TSockTransport& t, int port) {
    t.Host = "127.0.0.1";
    t.Port = port;
    t.Connect();
}

TEST(SockReadLn, TakesOneLineAtATimeHoweverTheBytesArrive) {
    ScriptServer server([](Peer& p) {
        p.Send("220 first\r\n221 second\r\n");  // two replies in one segment
        p.Expect("NEXT");
        for (const char* piece : {"22", "0 spl", "it\r", "\n"}) {
            p.Send(piece);
            std::this_thread::sleep_for(30ms);
        }
        p.Expect("BYE");
        p.Close();
    });
    TSockTransport t;
    TestPump pump;
    pump.Install(t);
    int disconnects = 0;
    t.OnDisconnect = [&](TSockTransport&) { ++disconnects; };
    ConnectTo(t, server.port());
    EXPECT_EQ(t.ReadLn(), "220 first\r\n");
    EXPECT_EQ(t.ReadLn(), "221 second\r\n");
    t.Writeln("NEXT");
    EXPECT_EQ(t.ReadLn(), "220 split\r\n");
    t.Writeln("BYE");
    // The peer's close: the empty text, and the object is no longer connected.
    EXPECT_EQ(t.ReadLn(), "");
    EXPECT_FALSE(t.Connected());
    EXPECT_EQ(disconnects, 1);
    EXPECT_EQ(server.Finish(), "");
}

TEST(SockReadLn, ANestedWriteDuringTheWaitLeavesTheLineWhole) {
    ScriptServer server([](Peer& p) {
        p.Send("220 par");
        p.Expect("NOOP");
        p.Send("tial\r\n");
        p.Close();
    });
    TSockTransport t;
    TestPump pump;
    bool wrote = true;
    pump.action = [&] {
        if (!wrote) {
            wrote = true;
            t.Write("NOOP\r\n");
        }
    };
    pump.Install(t);
    ConnectTo(t, server.port());
    wrote = false;
    EXPECT_EQ(t.ReadLn(), "220 partial\r\n");
    EXPECT_TRUE(wrote);
    EXPECT_EQ(server.Finish(), "");
}

TEST(SockReadLn, HostileLinesAndResets) {
    ScriptServer server([](Peer& p) {
        p.Send(std::string(70000, 'x') + "\r\n");
        p.Expect("AGAIN");
        p.Reset();
    });
    TSockTransport t;
    TestPump pump;
    pump.Install(t);
    std::vector<int> errors;
    t.OnError = [&](TSockTransport&, std::int16_t n, const std::string&) { errors.push_back(n); };
    ConnectTo(t, server.port());
    EXPECT_EQ(ErrorOf([&] { t.ReadLn(); }), "10040: Message too long");
    t.Writeln("AGAIN");
    // Drop the rest of the long line, then meet the reset.
    std::this_thread::sleep_for(100ms);
    std::string rest = t.Read(0);
    EXPECT_LE(rest.size(), 70002u - kSockBufferSize);
    EXPECT_EQ(ErrorOf([&] { t.ReadLn(); }), "10054: Connection reset by peer");
    EXPECT_EQ(errors, (std::vector<int>{10040, 10054}));
    EXPECT_EQ(server.Finish(), "");
}

TEST(SockTransaction, ReplyCodeOfTheFirstLine) {
    ScriptServer server([](Peer& p) {
        p.Expect("QUIT");
        p.Send("221 Goodbye.\r\n");
        p.Expect("HELLO");
        p.Send("Hello to you\r\n");
        p.Expect("WHAT");
        p.Send("99999 What?\r\n");
        p.Expect("LAST");
        p.Close();
    });
    TSockTransport t;
    TestPump pump;
    pump.Install(t);
    ConnectTo(t, server.port());
    EXPECT_EQ(t.Transaction("QUIT"), "221 Goodbye.\r\n");
    EXPECT_EQ(t.ReplyCode(), 221);
    EXPECT_EQ(t.ReplyText(), "221 Goodbye.\r\n");
    t.Transaction("HELLO");
    EXPECT_EQ(t.ReplyCode(), 0);
    EXPECT_THROW(t.Transaction("WHAT"), EConvertError);
    // The peer closing before it answers leaves the code at 0.
    EXPECT_EQ(t.Transaction("LAST"), "");
    EXPECT_EQ(t.ReplyCode(), 0);
    EXPECT_EQ(server.Finish(), "");
}

TEST(SockConnect, RefusedPortAndUnresolvableHost) {
    TSockTransport t;
    int failed = 0;
    t.OnConnectionFailed = [&](TSockTransport&) { ++failed; };
    t.Host = "127.0.0.1";
    t.Port = test::RefusingPort();
    EXPECT_EQ(ErrorOf([&] { t.Connect(); }), "Connection Failed");
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(t.LastError(), 10061);
    EXPECT_FALSE(t.Connected());

    // A name the resolver refuses on this machine (a blank in it): no query leaves the machine.
    failed = 0;
    t.Host = "no such host.invalid";
    t.Port = 21;
    EXPECT_EQ(ErrorOf([&] { t.Connect(); }), "Null Remote Address");
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(ErrorOf([&] { t.ResolveHost(); }), "Host Lookup Failed");
    t.Host = "";
    EXPECT_EQ(ErrorOf([&] { t.Connect(); }), "Null Remote Address");
    t.Host = "0.0.0.0";
    EXPECT_EQ(ErrorOf([&] { t.Connect(); }), "Null Remote Address");
}

TEST(SockConnect, InvalidHostHandlerMayRetryOnce) {
    ScriptServer server([](Peer& p) {
        p.Send("220 ok\r\n");
        p.WaitClosed();
    });
    TSockTransport t;
    TestPump pump;
    pump.Install(t);
    int asked = 0;
    t.OnInvalidHost = [&](bool& handled) {
        ++asked;
        t.Host = "no such host.invalid";  // still wrong: one more try, then the error
        handled = true;
    };
    t.Host = "no such host.invalid";
    t.Port = server.port();
    EXPECT_EQ(ErrorOf([&] { t.Connect(); }), "Null Remote Address");
    EXPECT_EQ(asked, 1);

    t.OnInvalidHost = [&](bool& handled) {
        t.Host = "127.0.0.1";
        handled = true;
    };
    t.Host = "no such host.invalid";
    t.Connect();
    EXPECT_TRUE(t.Connected());
    EXPECT_EQ(t.ReadLn(), "220 ok\r\n");
    EXPECT_EQ(ErrorOf([&] { t.Connect(); }), "Already connected");
    t.Disconnect();
    EXPECT_EQ(server.Finish(), "");
}

// A resolver for tests, run in the lookup's worker thread: it answers after `delay`, or when
// released, and tells when it has returned so the test never leaves it running.
struct SlowResolver {
    std::mutex m;
    std::condition_variable cv;
    bool released = false;
    int calls = 0;
    bool finished = false;
    std::thread::id thread;
    std::chrono::milliseconds delay{0};

    void Install() {
        TSockTransport::SetHostResolver([this](const std::string& name, in_addr& out) {
            std::unique_lock lock(m);
            ++calls;
            thread = std::this_thread::get_id();
            cv.wait_for(lock, delay, [this] { return released; });
            finished = true;
            cv.notify_all();
            if (name != "results.test") return EAI_NONAME;
            ::inet_pton(AF_INET, "127.0.0.1", &out);
            return 0;
        });
    }
    ~SlowResolver() {
        std::unique_lock lock(m);
        released = true;
        cv.notify_all();
        if (calls > 0) cv.wait_for(lock, 5s, [this] { return finished; });
        lock.unlock();
        TSockTransport::SetHostResolver(nullptr);
    }
};

TEST(SockLookup, RunsAsideWhileTheWaitingThreadPumps) {
    ScriptServer server([](Peer& p) { p.Send("220 ok\r\n"); });
    SlowResolver resolver;
    resolver.delay = 150ms;
    resolver.Install();
    TSockTransport t;
    TestPump pump;
    pump.Install(t);
    std::thread::id resolvedOn;
    t.OnHostResolved = [&](TSockTransport&) { resolvedOn = std::this_thread::get_id(); };
    t.Host = "results.test";
    t.Port = server.port();
    t.Connect();
    EXPECT_EQ(t.ReadLn(), "220 ok\r\n");
    EXPECT_EQ(resolver.calls, 1);
    EXPECT_NE(resolver.thread, std::this_thread::get_id());
    EXPECT_EQ(resolvedOn, std::this_thread::get_id());
    EXPECT_GE(pump.runs, 5);  // the window kept running during the lookup
    EXPECT_EQ(t.RemoteAddressText(), "127.0.0.1");

    // A dotted address needs no lookup.
    TSockTransport direct;
    direct.Host = "127.0.0.1";
    direct.Port = test::RefusingPort();
    EXPECT_THROW(direct.Connect(), ESockError);
    EXPECT_EQ(resolver.calls, 1);
    EXPECT_EQ(server.Finish(), "");
}

TEST(SockLookup, CanceledAndTimedOut) {
    SlowResolver resolver;
    resolver.delay = 10s;
    resolver.Install();
    TSockTransport t;
    TestPump pump;
    pump.action = [&] {
        if (pump.runs == 3) t.Cancel();
    };
    pump.Install(t);
    t.Host = "results.test";
    t.Port = 21;
    EXPECT_EQ(ErrorOf([&] { t.Connect(); }), "Host Lookup Canceled");
    EXPECT_FALSE(t.Canceled());

    pump.action = nullptr;
    t.TimeOut = 200;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ErrorOf([&] { t.ResolveHost(); }), "Host Lookup Timed Out");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
}

TEST(SockConnect, TimeOutBoundsAnUnansweredConnect) {
    test::FullListener silent;
    TSockTransport t;
    int failed = 0;
    t.OnConnectionFailed = [&](TSockTransport&) { ++failed; };
    t.Host = "127.0.0.1";
    t.Port = silent.port();
    t.TimeOut = 300;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ErrorOf([&] { t.Connect(); }), "Connection Timed out");
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, 250ms);
    EXPECT_LT(took, 3s);
    EXPECT_EQ(failed, 1);
    EXPECT_TRUE(t.TimedOut());

    // With TimeOut 0 nothing times out: only the cancel ends the wait.
    t.TimeOut = 0;
    TestPump pump;
    pump.Install(t, 1200ms);
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(ErrorOf([&] { t.Connect(); }), "Connection Canceled");
    EXPECT_GE(std::chrono::steady_clock::now() - start, 1100ms);
    EXPECT_EQ(failed, 2);

    // After a failed attempt the same object connects where it can.
    ScriptServer server([](Peer& p) { p.Send("220 ok\r\n"); });
    pump.Install(t);
    ConnectTo(t, server.port());
    EXPECT_EQ(t.ReadLn(), "220 ok\r\n");
    EXPECT_EQ(server.Finish(), "");
}

TEST(SockWait, BlocksInsteadOfSpinning) {
    ScriptServer server([](Peer& p) {
        std::this_thread::sleep_for(500ms);
        p.Send("220 late\r\n");
    });
    TSockTransport t;
    TestPump pump;
    pump.Install(t);
    ConnectTo(t, server.port());
    pump.runs = 0;
    EXPECT_EQ(t.ReadLn(), "220 late\r\n");
    // Slices of 10 ms give about 50 runs; a spinning wait would give hundreds of thousands.
    EXPECT_GE(pump.runs, 10);
    EXPECT_LE(pump.runs, 150);
    EXPECT_EQ(server.Finish(), "");
}

TEST(SockWait, CancelFromTheEventPumpEndsIt) {
    ScriptServer server([](Peer& p) { p.WaitClosed(); });
    TSockTransport t;
    TestPump pump;
    pump.action = [&] {
        if (pump.runs == 5) t.Cancel();
    };
    pump.Install(t);
    ConnectTo(t, server.port());
    try {
        t.ReadLn();
        FAIL() << "no abort";
    } catch (const EAbortError& e) {
        EXPECT_STREQ(e.what(), "Socket readln aborted");
    }
    EXPECT_FALSE(t.Canceled());
    t.Disconnect();
    EXPECT_EQ(server.Finish(), "");
}

// The program may close, destroying the object, from a handler run inside one of its waits.
TEST(SockWait, DestroyedInsideItsOwnWait) {
    ScriptServer server([](Peer& p) { p.WaitClosed(); }, 2);
    {
        auto* t = new TSockTransport;
        TestPump pump;
        pump.action = [&] {
            if (pump.runs == 3) delete t;
        };
        pump.Install(*t);
        ConnectTo(*t, server.port());
        EXPECT_THROW(t->ReadLn(), EAbortError);
    }
    {
        auto* t = new TSockTransport;
        test::TempDir dir;
        TestPump pump;
        pump.action = [&] {
            if (pump.runs == 3) delete t;
        };
        pump.Install(*t);
        ConnectTo(*t, server.port());
        EXPECT_THROW(t->CaptureFile(dir.File("x")), EAbortError);
    }
    {
        test::FullListener silent;
        auto* t = new TSockTransport;
        TestPump pump;
        pump.action = [&] {
            if (pump.runs == 3) delete t;
        };
        pump.Install(*t);
        t->Host = "127.0.0.1";
        t->Port = silent.port();
        EXPECT_EQ(ErrorOf([&] { t->Connect(); }), "Connection Canceled");
    }
    EXPECT_EQ(server.Finish(), "");
}

TEST(SockAccept, TakesOnlyTheAllowedPeer) {
    TSockTransport t;
    TestPump pump;
    pump.Install(t);
    t.Port = 0;
    t.Listen();
    int port = t.LocalPort();
    ASSERT_GT(port, 0);
    EXPECT_EQ(t.LocalPortText(), "," + std::to_string(port >> 8) + "," + std::to_string(port & 0xFF));
    t.AllowedPeer = "127.0.0.1";
    std::atomic<bool> foreignClosed{false};
    std::string failure;
    std::thread peers([&] {
        try {
            std::string portLine = "PORT 127,0,0,1" + t.LocalPortText();
            auto foreign = Peer::ConnectActive(portLine, "127.0.0.2");
            try {
                foreignClosed = foreign.ReadAll().empty();
            } catch (const test::ScriptFailure&) {
                foreignClosed = true;  // a reset
            }
            auto good = Peer::ConnectActive(portLine, "127.0.0.1");
            good.Send("hello\r\n");
        } catch (const test::ScriptFailure& f) {
            failure = f.what;
        }
    });
    t.Accept();
    EXPECT_EQ(t.RemoteAddressText(), "127.0.0.1");
    EXPECT_EQ(t.ReadLn(), "hello\r\n");
    t.Disconnect();
    peers.join();
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(foreignClosed);
}

TEST(SockFiles, SendAndCapture) {
    test::TempDir dir;
    const std::string payload = test::RandomBytes(3 * 1024 * 1024 + 17);
    dir.Write("out.bin", payload);
    std::string received;
    int round = 0;
    ScriptServer server(
        [&](Peer& p) {
            switch (round++) {
                case 0:
                    received = p.ReadToEnd();
                    break;
                case 1:
                    p.Send(payload);
                    p.Close();
                    break;
                default:
                    p.Close();  // ends at once
            }
        },
        3);
    TSockTransport t;
    TestPump pump;
    pump.Install(t);
    int sent = 0;
    t.OnPacketSent = [&](TSockTransport&) { ++sent; };
    ConnectTo(t, server.port());
    t.SendFile(dir.File("out.bin"));
    EXPECT_EQ(t.SentCount(), static_cast<std::int64_t>(payload.size()));
    EXPECT_GT(sent, 0);
    t.SetLinger(false, 0);
    t.Disconnect();

    int blocks = 0;
    t.OnPacketRecvd = [&](TSockTransport&) { ++blocks; };
    ConnectTo(t, server.port());
    t.CaptureFile(dir.File("in.bin"));
    EXPECT_EQ(t.ReceivedCount(), static_cast<std::int64_t>(payload.size()));
    EXPECT_GT(blocks, 0);
    EXPECT_TRUE(dir.Read("in.bin") == payload);

    // A transfer that ends at once leaves an empty file, an existing one emptied.
    ConnectTo(t, server.port());
    t.CaptureFile(dir.File("in.bin"));
    EXPECT_EQ(dir.Read("in.bin"), "");
    EXPECT_EQ(server.Finish(), "");
    EXPECT_TRUE(received == payload);

    EXPECT_THROW(t.SendFile(dir.File("missing.bin")), Exception);
}

TEST(SockConnection, NotConnectedAndItsHandler) {
    ScriptServer server(
        [](Peer& p) {
            p.Send("220 ok\r\n");
            p.Close();
        },
        2);
    TSockTransport t;
    TestPump pump;
    pump.Install(t);
    try {
        t.CheckConnection();
        FAIL() << "no error";
    } catch (const ESockError&) {
        FAIL() << "a plain error is expected";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Not Connected");
    }
    int asked = 0;
    t.OnConnectionRequired = [&](bool& handled) {
        ++asked;
        ConnectTo(t, server.port());
        handled = true;
    };
    t.CheckConnection();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(t.ReadLn(), "220 ok\r\n");
    // The server closes while nobody reads: the next check sees it.
    t.OnConnectionRequired = nullptr;
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(ErrorOf([&] { t.CheckConnection(); }), "Not Connected");
    EXPECT_EQ(ErrorOf([&] { t.Writeln("NOOP"); }), "10057: Socket is not connected");
    // Second connection serves the closing sequence; consume it.
    ConnectTo(t, server.port());
    EXPECT_EQ(t.ReadLn(), "220 ok\r\n");
    EXPECT_EQ(server.Finish(), "");
}

TEST(SockStatus, LevelsAndALibraryDescription) {
    ScriptServer server([](Peer& p) {
        p.Expect("NOOP");
        p.Send("200 fine\r\n");
    });
    TSockTransport t;
    TestPump pump;
    pump.Install(t);
    std::vector<std::string> seen;
    t.OnStatus = [&](TSockTransport&, const std::string& s) {
        seen.push_back(s);
        throw std::runtime_error("a failing status handler changes nothing");
    };
    t.ReportLevel = 1;
    ConnectTo(t, server.port());
    EXPECT_EQ(t.Transaction("NOOP"), "200 fine\r\n");
    EXPECT_EQ(seen, (std::vector<std::string>{"200 fine"}));
    seen.clear();
    t.ReportLevel = 8;
    t.Disconnect();
    EXPECT_EQ(seen, (std::vector<std::string>{"Disconnecting", "Request Close Socket"}));

    ASSERT_EQ(t.Info().size(), 6u);
    const char* prefixes[] = {
        "Version= ", "High Version= ", "Description= ", "System= ", "Max Sockets= ", "Max Udp pack size= "};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(t.Info()[i].rfind(prefixes[i], 0), 0u) << t.Info()[i];
    EXPECT_EQ(server.Finish(), "");
}

TEST(SockStart, NoSocketGivesTheStartError) {
#ifdef KV_SANITIZED
    // The sanitizers need descriptors of their own to check memory; without any they misreport.
    GTEST_SKIP() << "needs every descriptor used up, which the sanitizers cannot run with";
#endif
    EXPECT_EXIT(
        {
            rlimit lim{};
            ::getrlimit(RLIMIT_NOFILE, &lim);
            // Use up every descriptor, then ask for an object.
            lim.rlim_cur = 64;
            ::setrlimit(RLIMIT_NOFILE, &lim);
            while (::dup(0) >= 0) {
            }
            try {
                TSockTransport t;
            } catch (const ESockError& e) {
                std::exit(std::string(e.what()) == "Initializaton of windows sockets failed" ? 0 : 1);
            }
            std::exit(2);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(ThreadTimer, TicksWhileEnabledWithAnInterval) {
    TThreadTimer timer;
    int ticks = 0;
    EXPECT_FALSE(timer.Running());  // no handler yet
    timer.SetInterval(30);
    timer.SetOnTimer([&] { ++ticks; });
    EXPECT_TRUE(timer.Running());
    auto until = std::chrono::steady_clock::now() + 200ms;
    while (std::chrono::steady_clock::now() < until) {
        pollfd p{timer.Handle(), POLLIN, 0};
        ::poll(&p, 1, 50);
        timer.Check();
    }
    EXPECT_GE(ticks, 3);
    timer.SetEnabled(false);
    EXPECT_EQ(timer.Handle(), -1);
    int before = ticks;
    std::this_thread::sleep_for(80ms);
    timer.Check();
    EXPECT_EQ(ticks, before);
    timer.SetEnabled(true);
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
}

}  // namespace
}  // namespace kv

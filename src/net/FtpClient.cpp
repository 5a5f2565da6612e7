#include "net/FtpClient.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <mutex>

#include "base/AtomicFile.h"
#include "net/ReplyParse.h"

namespace kv {
namespace {

// Ends a refusal that OnFailure has handled: the transfer goes on to its cleanup without success
// and without error.
struct HandledRefusal {};

std::string BaseName(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

[[noreturn]] void CreateError(const std::string& path, int err) {
    throw Exception("Cannot create file \"" + path + "\". " + std::strerror(err));
}

std::int64_t LocalFileSize(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw Exception("Cannot open file \"" + path + "\". " + std::strerror(errno));
    struct stat st {};
    int r = ::fstat(fd, &st);
    int err = errno;
    ::close(fd);
    if (r != 0) throw Exception("Cannot open file \"" + path + "\". " + std::strerror(err));
    return st.st_size;
}

// A download goes into a temporary file beside its target, which replaces the target only once
// the transfer has been confirmed; a refused, broken or cancelled download leaves it as it was.
// A target that is a symbolic link (a table shared through a link) keeps its link: the file it
// leads to is the one replaced.
std::string MakeDownloadTemp(const std::string& target) {
    std::string name;
    int fd = OpenTemporaryBeside(ResolveLinks(target), name);
    if (fd < 0) CreateError(target, errno);
    ::close(fd);
    return name;
}

void CommitDownload(const std::string& temp, const std::string& shown) {
    const std::string target = ResolveLinks(shown);
    mode_t mode = 0666;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    int fd = ::open(temp.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) CreateError(shown, errno);
    int r = ::fchmod(fd, mode);
    if (r == 0) r = ::fsync(fd);
    int err = errno;
    ::close(fd);
    if (r != 0) CreateError(shown, err);
    if (::rename(temp.c_str(), target.c_str()) != 0) CreateError(shown, errno);
    int dfd = ::open(DirOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    RemoveStaleTemporaries(target);
}

}  // namespace

TCmdType CommandKind(std::string_view command) {
    if (command == "PWD") return cmdCurrentDir;
    std::size_t blank = command.find(' ');
    if (blank == std::string_view::npos) return cmdDoCommand;
    std::string_view word = command.substr(0, blank + 1);
    if (word == "CWD ") return cmdChangeDir;
    if (word == "DELE ") return cmdDelete;
    if (word == "MKD ") return cmdMakeDir;
    if (word == "RMD ") return cmdRemoveDir;
    return cmdDoCommand;
}

// The client's state, kept alive by each running operation; `owner` is cut when the client is
// destroyed, and every use of the client goes through C(), which then ends the operation.
struct TFtpClient::State {
    TFtpClient* owner;
    std::recursive_mutex transferLock;
    TSockTransport* data = nullptr;  // the data connection of the running transfer
    bool protectData = false;        // PROT P is in force: data connections go over TLS
    std::int64_t byteCount = 0;

    explicit State(TFtpClient* o) : owner(o) {}

    TFtpClient& C() {
        if (!owner) throw EAbortError("Socket send aborted");
        return *owner;
    }

    void Status(int level, std::string_view text) {
        if (owner) owner->Status(level, std::string(WithoutLineEnd(text)));
    }

    void RaiseKind(std::function<void(TCmdType)> TFtpClient::*member, TCmdType kind) {
        if (!owner) return;
        auto f = owner->*member;
        if (f) f(kind);
    }

    void RaiseClient(std::function<void(TFtpClient&)> TFtpClient::*member) {
        if (!owner) return;
        auto f = owner->*member;
        if (f) f(*owner);
    }

    void RaiseConnectionFailed() {
        if (!owner) return;
        auto f = owner->OnConnectionFailed;
        if (f) f(*owner);
    }

    std::string ReadReplyRest(const std::string& line) {
        return kv::ReadReplyRest(
            line, [this] { return C().ReadLn(); }, [this](const std::string& l) { Status(1, l); });
    }

    // A command the server answers by closing the connection has failed: taking the empty reply
    // as code 0 would pass a login or leave a transfer waiting for a data connection forever.
    static void RequireReply(const std::string& reply) {
        if (reply.empty()) throw Exception("Not Connected");
    }

    std::string Transaction(std::string_view command, bool replyRequired = true) {
        std::string first = C().TSockTransport::Transaction(command);
        if (replyRequired) RequireReply(first);
        ReadReplyRest(first);
        return first;
    }

    void DropPendingInput() {
        if (C().DataAvailable()) C().Read(0);
    }

    // After a login command: a reply from 401 to 599 is a refusal (exactly 400 is not).
    void CheckLogin(const std::string& reply) {
        int code = C().ReplyCode();
        if (code >= 401 && code <= 599) {
            RaiseConnectionFailed();
            throw FTPException(reply);
        }
    }

    void Login() {
        std::string greeting = C().ReadLn();
        std::int16_t code = 0;
        C().SetReply(0, greeting);
        if (!greeting.empty()) {
            Status(1, greeting);
            code = ParseReplyCode(greeting);
            C().SetReply(code, greeting);
        }
        ReadReplyRest(greeting);
        if (code > 400) {
            RaiseConnectionFailed();
            throw FTPException(greeting);
        }
        protectData = false;
        const bool tls = NegotiateTls();
        if (C().FWAuthenticate) {
            CheckLogin(Transaction("USER " + C().FWUserID));
            if (C().ReplyCode() == 331) {
                Status(1, "PASS ");
                CheckLogin(Transaction("PASS " + C().FWPassword));
            }
        }
        if (C().UserID.empty() || C().Password.empty()) {
            auto f = C().OnAuthenticationNeeded;
            bool handled = false;
            if (f) f(handled);
        }
        const bool proxy = !C().Proxy.empty();
        if (proxy) {
            switch (C().FirewallType) {
                case FTUser:
                    Transaction("USER " + C().UserID + "@" + C().Host);
                    break;
                case FtOpen:
                    Transaction("OPEN " + C().Host);
                    break;
                case FtSite:
                    Transaction("SITE " + C().Host);
                    break;
            }
        }
        if (!proxy || C().FirewallType != FTUser) {
            Status(1, "USER " + C().UserID);
            CheckLogin(Transaction("USER " + C().UserID));
        }
        if (C().ReplyCode() == 331) {
            Status(1, "PASS ");
            CheckLogin(Transaction("PASS " + C().Password));
        }
        if (tls) ProtectData();
        RaiseClient(&TFtpClient::OnConnect);
    }

    // AUTH TLS and the handshake, before anything of the login is sent. True when TLS runs.
    bool NegotiateTls() {
        const TlsMode mode = C().Tls;
        if (mode == TlsMode::Off) return false;
        Status(1, "AUTH TLS");
        const std::string reply = Transaction("AUTH TLS");
        const int code = C().ReplyCode();
        if (code == 234) {
            C().StartTls({C().Proxy.empty() ? C().Host : C().Proxy, C().TlsFingerprint});
            Status(1, "TLS " + C().TlsProtocol());
            return true;
        }
        if (mode == TlsMode::Auto && code >= 400 && code <= 599) return false;  // a server without TLS
        const std::string line(WithoutLineEnd(reply));
        if (code >= 400 && code <= 599)
            throw ETlsError("TLS is required, but the server refuses it: " + line);
        throw ETlsError("The server's reply to AUTH TLS is neither yes nor no: " + line);
    }

    // Every data connection over TLS too; refused, the session ends rather than go on in plain.
    void ProtectData() {
        for (const char* command : {"PBSZ 0", "PROT P"}) {
            Status(1, command);
            const std::string reply = Transaction(command);
            if (C().ReplyCode() >= 400) throw FTPException(reply);
        }
        protectData = true;
    }

    void Connect() {
        C().ClearCancel();
        if (C().Connected()) return;
        C().ClearInput();
        C().TSockTransport::Connect();
        try {
            Login();
        } catch (...) {
            std::exception_ptr error = std::current_exception();
            if (owner) {
                // The user is shown why the login failed, not how the farewell went.
                try {
                    Disconnect();
                } catch (...) {
                }
                Status(1, "Disconnected");
            }
            std::rethrow_exception(error);
        }
    }

    void Disconnect() {
        C().ClearCancel();
        if (!C().Connected()) return;
        Status(1, "QUIT");
        std::exception_ptr error;
        try {
            C().Vendor = 2411;
            DropPendingInput();
            std::string reply = Transaction("QUIT", false);
            int code = C().ReplyCode();
            if (code >= 301 && code <= 599) throw FTPException(reply);
        } catch (...) {
            error = std::current_exception();
        }
        if (owner) owner->TSockTransport::Disconnect();
        if (error) std::rethrow_exception(error);
    }

    void SendCommand(const std::string& command) {
        const TCmdType kind = CommandKind(command);
        C().ClearCancel();
        C().CheckConnection();
        Status(1, command);
        DropPendingInput();
        std::string reply = Transaction(command);
        int code = C().ReplyCode();
        if (code >= 400 && code <= 599) {
            if (code >= 500 && code <= 502) RaiseKind(&TFtpClient::OnUnSupportedFunction, kind);
            auto onFailure = C().OnFailure;
            if (!onFailure) throw FTPException(reply);
            bool handled = false;
            onFailure(handled, kind);
            if (!handled) throw FTPException(reply);
            return;
        }
        RaiseKind(&TFtpClient::OnSuccess, kind);
    }

    // A refused PASV, PORT, STOR or RETR: offered to OnFailure, which may end the transfer quietly.
    [[noreturn]] void Refuse(const std::string& reply, TCmdType kind, bool& offered) {
        auto onFailure = C().OnFailure;
        if (onFailure) {
            bool handled = false;
            offered = true;
            onFailure(handled, kind);
            if (handled) throw HandledRefusal{};
        }
        throw FTPException(reply);
    }

    void Transfer(bool upload, const std::string& remote, const std::string& local) {
        const TCmdType kind = upload ? cmdUpload : cmdDownload;
        C().ClearCancel();
        std::unique_lock<std::recursive_mutex> lock(transferLock, std::defer_lock);
        std::unique_ptr<TSockTransport> conn;
        TSockTransport* outer = data;  // a transfer started from a handler during another
        std::string temp;
        bool succeeded = false;
        bool offered = false;
        std::int64_t announced = 0;  // by the reply to RETR
        std::exception_ptr failure;
        try {
            C().CheckConnection();
            lock.lock();
            DropPendingInput();
            conn = std::make_unique<TSockTransport>();
            data = conn.get();
            conn->TimeOut = C().TimeOut;
            conn->ConnectLimit = C().ConnectLimit;
            conn->IdleLimit = C().IdleLimit;
            conn->EventPump = C().EventPump;
            if (upload)
                conn->OnPacketSent = C().OnPacketSent;
            else
                conn->OnPacketRecvd = C().OnPacketRecvd;
            if (upload) byteCount = LocalFileSize(local);

            // Passive first: behind a router that masquerades, a server can't connect back to the
            // address a PORT names. A server that refuses PASV gets PORT.
            bool active = !C().Passive;
            if (!active) {
                std::string reply = Transaction("PASV");
                active = C().ReplyCode() >= 500;
            }
            if (!active) {
                // The address in the reply is not used: a server behind its own NAT names a private
                // one (or 0.0.0.0). The data come from the host at the other end of the control
                // connection.
                const std::string peer = C().RemoteAddressText();
                conn->Host = peer.empty() ? C().Host : peer;
                conn->Port = ParsePasvPort(C().ReplyText());
                conn->Connect();
            } else {
                conn->Port = 0;
                conn->Listen();
                // The data connection must come from the server we talk to.
                conn->AllowedPeer = C().RemoteAddressText();
                std::string reply = Transaction("PORT " + C().LocalAddressText() + conn->LocalPortText());
                int code = C().ReplyCode();
                if (code >= 301 && code <= 599) Refuse(reply, kind, offered);
            }

            std::string lastLine;
            if (upload) {
                Status(1, "STOR " + (remote.empty() ? local : remote));
                std::string reply = Transaction("STOR " + (remote.empty() ? BaseName(local) : remote));
                int code = C().ReplyCode();
                if (code >= 301 && code <= 599) {
                    if (code >= 500 && code <= 502) RaiseKind(&TFtpClient::OnUnSupportedFunction, cmdUpload);
                    Refuse(reply, kind, offered);
                }
            } else {
                byteCount = 0;
                Status(1, "RETR " + remote);
                std::string reply = C().TSockTransport::Transaction("RETR " + remote);
                RequireReply(reply);
                int code = C().ReplyCode();
                if (code >= 301 && code <= 599) Refuse(reply, kind, offered);
                byteCount = ParseByteCount(reply);
                lastLine = reply;
                while (ReplyContinues(lastLine)) {
                    std::string next = C().ReadLn();
                    if (next.empty()) break;
                    Status(1, next);
                    lastLine = next;
                    if (byteCount == 0) byteCount = ParseByteCount(next);
                }
            }

            if (active) {
                conn->Accept();
                if (!upload) byteCount = ParseByteCount(lastLine);
            }

            // The data connection's handshake as the transfer starts, after the server's 150: before
            // it, a server busy with the command would not answer it.
            if (protectData) conn->StartTlsResuming(C());

            RaiseClient(&TFtpClient::OnTransactionStart);
            try {
                // A cancelled transfer is no success, even before any data moved.
                if (C().Canceled() || C().TimedOut()) throw EAbortError("Socket send aborted");
                if (upload) {
                    conn->SendFile(local);
                } else {
                    const std::string target = local.empty() ? remote : local;
                    temp = MakeDownloadTemp(target);
                    conn->CaptureFile(temp, target);
                }
            } catch (...) {
                RaiseClient(&TFtpClient::OnTransactionStop);
                throw;
            }
            RaiseClient(&TFtpClient::OnTransactionStop);

            if (upload) {
                // Without lingering the close ends the stream in order, after all data are delivered.
                conn->FinishTls();
                conn->SetLinger(false, 0);
                conn->CloseSocket();
            } else {
                conn->CloseSocket();
                announced = byteCount;
                byteCount = conn->ReceivedCount();
                Status(1, "Received " + std::to_string(byteCount) + " Bytes");
            }
            if (C().Canceled() || C().TimedOut()) throw EAbortError("Socket send aborted");
            std::string closing = C().ReadLn();
            // Without its closing reply the transfer is unconfirmed: the server went away.
            if (closing.empty()) throw Exception("Not Connected");
            Status(1, closing);
            const int closingCode = ParseReplyCode(closing);
            ReadReplyRest(closing);
            // The server's word on the transfer: "426 Connection closed; transfer aborted." after
            // half a table is a failure, and the half must not replace the whole.
            if (closingCode >= 400) throw FTPException(closing);
            if (!upload && announced > 0 && byteCount < announced)
                throw Exception("Transfer incomplete: received " + std::to_string(byteCount) + " of " +
                                std::to_string(announced) + " bytes");
            if (!upload) {
                CommitDownload(temp, local.empty() ? remote : local);
                temp.clear();
            }
            succeeded = true;
        } catch (const HandledRefusal&) {
        } catch (const ETimeOutError&) {
            // The server stopped answering in the middle of a transfer: the dialogue is out of
            // step, and a farewell would only wait once more.
            failure = std::current_exception();
            if (owner) owner->TSockTransport::Disconnect();
        } catch (...) {
            failure = std::current_exception();
        }

        data = outer;
        conn.reset();
        if (!temp.empty()) ::unlink(temp.c_str());
        if (lock.owns_lock()) lock.unlock();
        if (!upload && owner && owner->Canceled()) {
            owner->ClearCancel();
            try {
                Transaction("ABOR");
            } catch (...) {
                if (!failure) failure = std::current_exception();
            }
        }
        if (succeeded) RaiseKind(&TFtpClient::OnSuccess, kind);
        if (failure && !offered && owner && owner->OnFailure) {
            auto onFailure = owner->OnFailure;
            bool handled = false;
            onFailure(handled, kind);
            if (handled) failure = nullptr;
        }
        if (failure) std::rethrow_exception(failure);
    }
};

TFtpClient::TFtpClient() : state_(std::make_shared<State>(this)) {
    Port = 21;
}

TFtpClient::~TFtpClient() {
    BeginDestroy();
    state_->owner = nullptr;
    if (state_->data) state_->data->Cancel();
    Cancel();
}

void TFtpClient::Connect() {
    auto keep = state_;
    keep->Connect();
}

void TFtpClient::Disconnect() {
    auto keep = state_;
    keep->Disconnect();
}

void TFtpClient::SendCommand(const std::string& command) {
    auto keep = state_;
    keep->SendCommand(command);
}

void TFtpClient::ChangeDirectory(const std::string& directory) {
    auto keep = state_;
    keep->SendCommand("CWD " + directory);
}

void TFtpClient::Upload(const std::string& localPath, const std::string& remoteName) {
    auto keep = state_;
    keep->Transfer(true, remoteName, localPath);
}

void TFtpClient::Download(const std::string& remoteName, const std::string& localPath) {
    auto keep = state_;
    keep->Transfer(false, remoteName, localPath);
}

void TFtpClient::Abort() {
    Status(8, "Abort");
    if (state_->data) state_->data->Cancel();
}

std::string TFtpClient::Transaction(std::string_view command) {
    auto keep = state_;
    return keep->Transaction(command);
}

std::string TFtpClient::ReadReplyRest(const std::string& line) {
    auto keep = state_;
    return keep->ReadReplyRest(line);
}

std::int64_t TFtpClient::ByteCount() const {
    return state_->byteCount;
}

}  // namespace kv

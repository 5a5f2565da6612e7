// TSockTransport: every operation keeps the shared part alive while it runs, so that the object
// may be destroyed from inside one of its waits.
#include "net/SockTransport.h"

#include <sys/socket.h>

#include <algorithm>
#include <cerrno>

#include "net/HostLookup.h"
#include "net/SockTransportImpl.h"

namespace kv {

template <auto Op, typename... Args>
decltype(auto) TSockTransport::Run(Args&&... args) {
    auto keep = impl_;
    return ((*keep).*Op)(std::forward<Args>(args)...);
}

// The shared part is made, and the socket layer started, before the object's body runs: a start
// that fails then leaves nothing half-made behind.
std::shared_ptr<TSockTransport::Impl> TSockTransport::MakeImpl(TSockTransport* owner) {
    auto impl = std::make_shared<Impl>(owner);
    impl->Status(8, "Create");
    impl->StartSockets();
    return impl;
}

TSockTransport::TSockTransport() : EventPump(DefaultEventPump()), impl_(MakeImpl(this)) {}

TSockTransport::~TSockTransport() {
    Impl& s = *impl_;
    s.destroying = true;
    s.Status(8, "Destroy");
    s.Status(8, "Abort");
    s.Cancel();
    s.owner = nullptr;
    s.timer.SetEnabled(false);
    s.EndTls(false);
    if (s.fd >= 0) ::close(s.fd);
    s.fd = -1;
    s.connected = false;
    s.StopSockets();
}

void TSockTransport::Connect() {
    Run<&Impl::Connect>();
}
void TSockTransport::CheckConnection() {
    Run<&Impl::CheckConnection>();
}
void TSockTransport::Cancel() {
    impl_->Cancel();
}
void TSockTransport::SendBuffer(const char* bytes, std::size_t length) {
    Run<&Impl::SendBuffer>(bytes, length, length == 0);
}
void TSockTransport::Write(std::string_view text) {
    Run<&Impl::Write>(text);
}
std::string TSockTransport::Read(std::size_t count) {
    return Run<&Impl::Read>(count);
}
std::string TSockTransport::ReadLn() {
    return Run<&Impl::ReadLn>();
}
std::string TSockTransport::Transaction(std::string_view command) {
    return Run<&Impl::Transaction>(command);
}
void TSockTransport::SendFile(const std::string& path) {
    Run<&Impl::SendFile>(path);
}
void TSockTransport::CaptureFile(const std::string& path) {
    CaptureFile(path, path);
}
void TSockTransport::CaptureFile(const std::string& path, const std::string& shownName) {
    Run<&Impl::CaptureFile>(path, shownName);
}
void TSockTransport::Listen() {
    impl_->Listen();
}
void TSockTransport::Accept() {
    Run<&Impl::Accept>();
}
bool TSockTransport::DataAvailable() {
    return Run<&Impl::DataAvailable>();
}
void TSockTransport::ClearInput() {
    impl_->ClearInput();
}
void TSockTransport::CloseSocket() {
    Run<&Impl::CloseSocket>();
}
void TSockTransport::ResolveHost() {
    Run<&Impl::ResolveHost>();
}
int TSockTransport::LocalPort() const {
    return impl_->LocalPort();
}

void TSockTransport::Disconnect() {
    auto keep = impl_;
    keep->Status(8, "Disconnecting");
    keep->CloseSocket();
}

void TSockTransport::Abort() {
    impl_->Status(8, "Abort");
    impl_->Cancel();
}

void TSockTransport::Writeln(std::string_view text) {
    auto keep = impl_;
    keep->Status(8, "Writeln");
    std::string line(text);
    line += "\r\n";
    keep->Write(line);
}

std::string TSockTransport::ErrorText(int number) {
    impl_->Status(8, "Looking Up Error Message");
    return SockErrorText(number);
}

std::string TSockTransport::LocalAddressText() const {
    sockaddr_in sa{};
    socklen_t len = sizeof sa;
    if (impl_->fd >= 0) ::getsockname(impl_->fd, reinterpret_cast<sockaddr*>(&sa), &len);
    std::string text = DottedAddress(sa.sin_addr);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string TSockTransport::LocalPortText() const {
    int port = impl_->LocalPort();
    return "," + std::to_string(port >> 8) + "," + std::to_string(port & 0xFF);
}

void TSockTransport::SetLinger(bool on, int seconds) {
    linger l{on ? 1 : 0, seconds};
    if (impl_->fd >= 0 && ::setsockopt(impl_->fd, SOL_SOCKET, SO_LINGER, &l, sizeof l) != 0)
        impl_->SocketError(errno);
}

bool TSockTransport::Connected() {
    auto keep = impl_;
    keep->PollNotifications();
    return keep->connected;
}

std::int16_t TSockTransport::ReplyCode() const {
    return impl_->replyCode;
}
const std::string& TSockTransport::ReplyText() const {
    return impl_->replyText;
}
const std::string& TSockTransport::StatusText() const {
    return impl_->statusText;
}
bool TSockTransport::Canceled() const {
    return impl_->cancel;
}
bool TSockTransport::TimedOut() const {
    return impl_->timedOut;
}
int TSockTransport::LastError() const {
    return impl_->lastError;
}
std::int64_t TSockTransport::SentCount() const {
    return impl_->sentCount;
}
std::int64_t TSockTransport::ReceivedCount() const {
    return impl_->receivedCount;
}
std::string TSockTransport::RemoteAddressText() const {
    return impl_->remoteKnown ? DottedAddress(impl_->remoteAddr) : std::string();
}
int TSockTransport::RemotePort() const {
    return impl_->remotePort;
}
const std::vector<std::string>& TSockTransport::Info() const {
    return impl_->info;
}

void TSockTransport::Status(int level, const std::string& text) {
    impl_->Status(level, text);
}
void TSockTransport::ClearCancel() {
    impl_->cancel = false;
}
void TSockTransport::ClearTimedOut() {
    impl_->timedOut = false;
}
void TSockTransport::BeginDestroy() {
    impl_->destroying = true;
}
void TSockTransport::SetReply(std::int16_t code, const std::string& text) {
    impl_->replyCode = code;
    impl_->replyText = text;
}

void TSockTransport::SetDefaultEventPump(std::function<void()> pump) {
    SetDefaultEventPumpOf(std::move(pump));
}
void TSockTransport::SetHostResolver(HostResolver resolver) {
    SetLookupResolver(std::move(resolver));
}

}  // namespace kv

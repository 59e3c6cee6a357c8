// Starting and ending the proxy programs with fork and exec.
#include "proxy_process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace lexiton::protocol::test {

namespace {
constexpr auto kStartLimit = std::chrono::seconds(10);
constexpr auto kPoll = std::chrono::milliseconds(20);
constexpr auto kStopLimit = std::chrono::seconds(5);

sockaddr_in loopback(int port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return a;
}

bool accepts(int port) {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  if (s < 0) return false;
  const sockaddr_in a = loopback(port);
  const bool ok = ::connect(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
  ::close(s);
  return ok;
}
}  // namespace

int freeLoopbackPort() {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a = loopback(0);
  socklen_t n = sizeof a;
  int port = 0;
  if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
      ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &n) == 0)
    port = ntohs(a.sin_port);
  ::close(s);
  return port;
}

std::string findProgram(const std::string& program) {
  for (const char* dir : {"/usr/bin/", "/usr/sbin/", "/usr/local/bin/", "/bin/"}) {
    const std::string path = dir + program;
    if (::access(path.c_str(), X_OK) == 0) return path;
  }
  return {};
}

std::vector<std::string> tinyproxyCommand(const std::string& program, int port, const std::string& user,
                                          const std::string& password, const std::string& configPath) {
  std::ofstream(configPath) << "Port " << port << "\nListen 127.0.0.1\nAllow 127.0.0.1\n"
                            << "BasicAuth " << user << " " << password << "\n"
                            << "Timeout 30\nMaxClients 20\nLogLevel Critical\n";
  return {program, "-d", "-c", configPath};
}

std::vector<std::string> microsocksCommand(const std::string& program, int port, const std::string& user,
                                           const std::string& password) {
  return {program, "-i", "127.0.0.1", "-p", std::to_string(port), "-u", user, "-P", password};
}

ProxyProcess::ProxyProcess(std::vector<std::string> argv, int port) : port_(port) {
  std::vector<char*> args;
  for (auto& a : argv) args.push_back(a.data());
  args.push_back(nullptr);
  pid_ = ::fork();
  if (pid_ == 0) {
    const int devNull = ::open("/dev/null", O_RDWR);
    ::dup2(devNull, 0);
    ::dup2(devNull, 1);
    ::dup2(devNull, 2);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  if (pid_ < 0) return;
  const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
  while (std::chrono::steady_clock::now() < deadline) {
    if (accepts(port_)) {
      ready_ = true;
      return;
    }
    if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {  // it gave up (port taken, bad config)
      pid_ = -1;
      return;
    }
    std::this_thread::sleep_for(kPoll);
  }
}

ProxyProcess::~ProxyProcess() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + kStopLimit;
  while (::waitpid(pid_, nullptr, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
      return;
    }
    std::this_thread::sleep_for(kPoll);
  }
}

}  // namespace lexiton::protocol::test

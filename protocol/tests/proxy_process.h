// Debian's tinyproxy and microsocks run as real proxies on loopback for the transport tests
// (native only: they are Linux programs).
#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

namespace lexiton::protocol::test {

// A program started in the background on a free port of 127.0.0.1 and ended at destruction.
class ProxyProcess {
 public:
  // Starts `argv` (argv[0] an absolute path); `port` must be the port it was told to listen on.
  // ready() tells whether it accepted a connection within the start limit.
  ProxyProcess(std::vector<std::string> argv, int port);
  ~ProxyProcess();
  ProxyProcess(const ProxyProcess&) = delete;
  ProxyProcess& operator=(const ProxyProcess&) = delete;

  bool ready() const { return ready_; }
  std::string hostPort() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  pid_t pid_ = -1;
  int port_;
  bool ready_ = false;
};

// A port of 127.0.0.1 that nothing listens on right now.
int freeLoopbackPort();
// The absolute path of `program` in the usual binary folders, or "" when it is not installed.
std::string findProgram(const std::string& program);

// tinyproxy answering 407 to clients without the basic credentials `user`:`password`.
std::vector<std::string> tinyproxyCommand(const std::string& program, int port, const std::string& user,
                                          const std::string& password, const std::string& configPath);
// microsocks, a SOCKS5 proxy that admits only `user`:`password`.
std::vector<std::string> microsocksCommand(const std::string& program, int port, const std::string& user,
                                           const std::string& password);

}  // namespace lexiton::protocol::test

// Dialogs where the library has no windowing system: nothing opens, nothing is chosen.
#include "lexiton/lookup/dialogs.h"

namespace lexiton::lookup {

namespace {

class NoDialogs final : public Dialogs {
 public:
  int runUpgrade(int, void*) override { return 0; }
  int runProxy(int, void*, std::string&, std::string&, std::string&) override { return 1; }
  void destroyAll() override {}
};

}  // namespace

std::unique_ptr<Dialogs> makeNoDialogs() { return std::make_unique<NoDialogs>(); }

}  // namespace lexiton::lookup

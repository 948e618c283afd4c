// The engine's only entry point. Interface code 7 performs one complete analysis; any
// other code does nothing and returns 1.
#include <cstdint>
#include <iostream>
#include <memory>

#include "core/run.h"
#include "core/run_state.h"

#define CORVEX_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// The engine's one run state. Each run starts from a freshly constructed state, built in
// place so that the large tables never pass through the stack.
corvex::RunState theRunState;

}  // namespace

CORVEX_EXPORT int32_t ICORVEX(int32_t code) {
  if (code != 7) return 1;
  try {
    std::destroy_at(&theRunState);
    std::construct_at(&theRunState);
    corvex::Console console{std::cin, std::cout};
    const int32_t status = corvex::runAnalysis(theRunState, console);
    std::cout.flush();
    return status;
  } catch (...) {
    // Nothing may escape into the caller's process.
    return corvex::kStatusFailed;
  }
}

// The same entry under the name with one leading underscore, which the front end resolves.
CORVEX_EXPORT int32_t _ICORVEX(int32_t code) { return ICORVEX(code); }

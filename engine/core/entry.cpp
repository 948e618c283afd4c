// The engine's only entry point. Interface code 7 performs one complete analysis; any
// other code does nothing and returns 1.
#include <cstdint>

#define CORVEX_EXPORT extern "C" __attribute__((visibility("default")))

CORVEX_EXPORT int32_t ICORVEX(int32_t code) {
  if (code != 7) return 1;
  return 0;
}

// The same entry under the name with one leading underscore, which the front end resolves.
CORVEX_EXPORT int32_t _ICORVEX(int32_t code) { return ICORVEX(code); }

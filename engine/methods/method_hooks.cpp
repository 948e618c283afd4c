#include "methods/method_hooks.h"

#include "methods/api.h"

namespace corvex {

MethodHooks methodHooks(int32_t methodCode) {
  MethodHooks hooks;
  switch (methodCode) {
    case kMethodApi:
      hooks.unitResistance = computeApiUnitResistance;
      hooks.sandUnitEndBearing = apiSandUnitEndBearing;
      break;
    default:
      break;
  }
  return hooks;
}

}  // namespace corvex

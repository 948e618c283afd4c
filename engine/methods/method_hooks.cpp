#include "methods/method_hooks.h"

#include "methods/api.h"
#include "methods/fhwa.h"
#include "methods/lambda.h"
#include "methods/usace.h"
#include "methods/user_specified.h"

namespace corvex {

MethodHooks methodHooks(int32_t methodCode) {
  MethodHooks hooks;
  switch (methodCode) {
    case kMethodFhwa:
      hooks.unitResistance = computeFhwaUnitResistance;
      hooks.sandUnitEndBearing = fhwaSandUnitEndBearing;
      break;
    case kMethodUsace:
      hooks.unitResistance = computeUsaceUnitResistance;
      hooks.sandUnitEndBearing = usaceSandUnitEndBearing;
      break;
    case kMethodLambda:  // end bearing as the API method
      hooks.unitResistance = computeLambdaUnitResistance;
      hooks.sandUnitEndBearing = apiSandUnitEndBearing;
      break;
    case kMethodUserSpecified:
      hooks.unitResistance = computeUserSpecifiedUnitResistance;
      break;
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

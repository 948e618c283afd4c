#include "methods/method_hooks.h"

#include "methods/api.h"
#include "methods/fhwa.h"
#include "methods/fugro.h"
#include "methods/icp_mtd.h"
#include "methods/lambda.h"
#include "methods/ngi.h"
#include "methods/offshore_clay.h"
#include "methods/usace.h"
#include "methods/user_specified.h"
#include "methods/uwa.h"

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
    case kMethodNgi:  // clay end bearing 9 su
      hooks.unitResistance = computeNgiUnitResistance;
      hooks.sandUnitEndBearing = ngiSandUnitEndBearing;
      break;
    case kMethodIcpMtd:
      hooks.unitResistance = computeIcpMtdUnitResistance;
      hooks.sandUnitEndBearing = icpMtdSandUnitEndBearing;
      hooks.clayUnitEndBearing = offshoreClayUnitEndBearing;
      break;
    case kMethodFugro:
      hooks.unitResistance = computeFugroUnitResistance;
      hooks.sandUnitEndBearing = fugroSandUnitEndBearing;
      hooks.clayUnitEndBearing = offshoreClayUnitEndBearing;
      break;
    case kMethodUwa:
      hooks.unitResistance = computeUwaUnitResistance;
      hooks.sandUnitEndBearing = uwaSandUnitEndBearing;
      hooks.clayUnitEndBearing = offshoreClayUnitEndBearing;
      break;
    default:
      break;
  }
  return hooks;
}

}  // namespace corvex

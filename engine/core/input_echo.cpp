#include "core/input_echo.h"

namespace corvex {

void writeProjectEcho(RunState&) {}

}  // namespace corvex

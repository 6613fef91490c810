#include "platform/system_services.h"

namespace volmere {

const char* const kDefaultMessageTitle = "信息：";

}  // namespace volmere

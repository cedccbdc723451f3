#include "KxResourceMappingDLL.h"

KX_IMPLEMENT_CLASS(KxResourceMappingDLL, KxResourceMapping)

#include "platform/hidapi/backend.h"

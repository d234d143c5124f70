#include "app/tray.h"

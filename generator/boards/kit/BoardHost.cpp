#include "BoardHost.h"

BoardHost* MainHost = nullptr;

#include "engine/extended.h"

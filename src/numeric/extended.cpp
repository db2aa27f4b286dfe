#include "numeric/extended.h"

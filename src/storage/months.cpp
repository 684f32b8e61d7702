#include "months.h"

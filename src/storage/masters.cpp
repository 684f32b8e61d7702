#include "masters.h"

#include "sprdocument.h"

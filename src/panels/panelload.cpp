#include "panelload.h"

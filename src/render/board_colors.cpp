#include "render/board_colors.h"

// conditions.cpp -- the story's conditions that speech entries may ask for
#include "story/story.h"

namespace hm {

uint8_t con[CON_COUNT];

int check_con(int cond) { return cond >= 0 && cond < CON_COUNT ? con[cond] : 0; }

}  // namespace hm

#include "SharedOutline.h"

OutlineHandOver &SharedOutline()
{
    static OutlineHandOver shared;
    return shared;
}

// Handlers of the main window whose work belongs to the news. They move to a file of their own
// when that work is built; until then they do nothing.
#include "console/convert.h"

void Tconv::mnuNewsClick() {}

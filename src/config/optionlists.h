#pragma once

// Registers the 41 shared option lists. Run once before the first module is created.
void buildOptionLists();

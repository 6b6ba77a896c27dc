#pragma once
// Resource identifiers shared by the .rc file and the program.
#define IDI_QUILNET 1
#define IDB_BANNER 2

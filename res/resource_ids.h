#pragma once
// Resource identifiers shared by vantrix.rc and the program.
#define IDI_VANTRIX 1

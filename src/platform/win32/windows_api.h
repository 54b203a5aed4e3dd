#pragma once
// <windows.h> without the macros that would rename platform service members: the ANSI
// build defines DeleteFile and CopyFile as DeleteFileA and CopyFileA, which would turn
// files.DeleteFile(...) into a call of a member that does not exist. Call the W
// functions by their full names instead.

#include <windows.h>

#undef DeleteFile
#undef CopyFile

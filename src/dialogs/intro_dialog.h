// The intro dialog's title picture: loaded when the dialog opens and released when it
// goes, whatever ends it (a key, a button, or a close request that destroys it).
#pragma once

#include <windows.h>

extern HBITMAP introPicture;

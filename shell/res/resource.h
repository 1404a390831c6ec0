#pragma once

// Resource numbers of kesview.rc, shared with the code that loads them.
#define IDI_KESVIEW 1
#define IDI_HAND_PICTURE 101
#define IDB_IMAGELIST 201
#define IDB_LOGO 202

#pragma once

// Resource numbers of kesclean.rc, shared with the code that loads them.
#define IDI_KESCLEAN 1

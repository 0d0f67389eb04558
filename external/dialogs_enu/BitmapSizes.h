// The export through which callers read the size of a bitmap of the dialog library.
#pragma once

// int XvGetBitmapSize(unsigned int id, int* width, int* height): 1 and the bitmap's size in
// pixels when the library holds bitmap id, else 0 with both sizes untouched.
#define XV_BITMAP_SIZE_EXPORT "XvGetBitmapSize"

using XvBitmapSizeFn = int (*)(unsigned int id, int* width, int* height);

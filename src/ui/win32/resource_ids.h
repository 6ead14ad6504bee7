// The numbers of the resources built into the program file and the tests:
// the icons, the pictures at each scale, the manifest. Read by the .rc
// files too, so only preprocessor definitions.
#pragma once

#define ZVC_ICON_APPLICATION 1
#define ZVC_ICON_PAGE 2

// Each picture at 100 %, 150 % and 200 %: the logo as an 8-bit bitmap at
// 100 % and as PNG above, the separator as a bitmap.
#define ZVC_BITMAP_LOGO_100 101
#define ZVC_PNG_LOGO_150 102
#define ZVC_PNG_LOGO_200 103
#define ZVC_BITMAP_SEPARATOR_100 111
#define ZVC_BITMAP_SEPARATOR_150 112
#define ZVC_BITMAP_SEPARATOR_200 113

// The one translation unit that holds the picture decoder's implementation. Only the three formats
// it decodes for the program are compiled in (bitmaps have a decoder of their own), so a text file
// is never taken for a headerless format, and the decoder reads from memory only: the caller reads
// the file itself (wide paths on Windows).
#include "picture/decoded_picture.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_GIF
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
// A second guard behind the header check of DecodePicture, for the sizes the decoder sees inside
// a file (such as GIF frames).
#define STBI_MAX_DIMENSIONS mipro::kMaxPictureSide
#include <stb_image.h>

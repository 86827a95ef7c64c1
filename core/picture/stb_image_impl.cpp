// The one translation unit that holds the JPEG decoder's implementation. Only JPEG is compiled in
// (bitmaps, GIFs and PNGs have decoders of their own that read a row at a time), so a text file is
// never taken for a headerless format, and the decoder reads from memory only: the caller reads
// the file itself (wide paths on Windows).
#include "picture/decoded_picture.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
// A second guard behind the header check of DecodeJpeg.
#define STBI_MAX_DIMENSIONS mipro::kMaxPictureSide
#include <stb_image.h>

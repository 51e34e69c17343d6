// The stb libraries' implementations, compiled once for the author tools.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_FAILURE_USERMSG
// Only the formats the tools name. The others would take any bytes too: a TGA file has no
// signature, so junk could be read as a picture of millions of pixels.
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_PNM
// No side of a picture for a slide comes near this; a file that claims more is refused
// before memory is taken for it.
#define STBI_MAX_DIMENSIONS (1 << 15)
#include <stb/stb_image.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb/stb_image_resize.h>

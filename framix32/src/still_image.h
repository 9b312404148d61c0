// The first image of a GIF as a packed bitmap: what GetFileInformation and ReadGraphicFile
// do once the file is open. Both set the library error code.
#ifndef FRAMIX32_SRC_STILL_IMAGE_H_
#define FRAMIX32_SRC_STILL_IMAGE_H_

#include "byte_source.h"
#include "framix32.h"

namespace framix32 {

// Header and palette only; null on failure.
HGLOBAL FileInformation(ByteSource& in);
// Header, palette and pixels; null on failure, also returned with code 2 after broken data.
HGLOBAL ReadFirstImage(ByteSource& in);

}  // namespace framix32

#endif  // FRAMIX32_SRC_STILL_IMAGE_H_

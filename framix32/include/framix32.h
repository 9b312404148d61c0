/* Framix32: GIF reading, writing and animation playback.
 *
 * Still images cross this interface as packed device-independent bitmaps in a memory block:
 * a 40-byte BITMAPINFOHEADER, 2^biBitCount palette entries of 4 bytes (blue, green, red, 0)
 * and, in blocks returned by ReadGraphicFile, the pixel array (one palette index per pixel,
 * rows bottom-up, each row padded to a multiple of 4 bytes; 1, 4 or 8 bits per pixel).
 *
 * Every reading and writing call resets the library-wide error code to 0 and leaves the code of
 * its outcome there; GetError reads it. The code is shared by all threads: it is the code of the
 * last call of any thread.
 *
 * Untrusted input: an image (or animation frame) of more than FRAMIX32_MAX_PIXELS pixels is
 * refused with code 4 before any pixel memory is taken, and one animation holds at most
 * FRAMIX32_MAX_ANIMATION_BYTES bytes of memory while it plays (see dzPlayGif).
 */
#ifndef FRAMIX32_H_
#define FRAMIX32_H_

#include <stddef.h>
#include <stdint.h>

#if defined(FRAMIX32_BUILDING)
#define FRAMIX32_API __attribute__((visibility("default")))
#else
#define FRAMIX32_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define FRAMIX32_MAX_PIXELS (16u * 1024u * 1024u)
#define FRAMIX32_MAX_ANIMATION_BYTES (90u * 1024u * 1024u)

/* ---- Memory blocks ------------------------------------------------------------------------ */

typedef struct dzGlobalBlock* HGLOBAL; /* a movable memory block, opaque */

/* zero-initialised; null on failure. Lock returns the block's bytes (null for a null block);
 * Unlock returns the lock count that remains. The caller frees every block a function returns. */
FRAMIX32_API HGLOBAL dzGlobalAlloc(size_t bytes);
FRAMIX32_API void* dzGlobalLock(HGLOBAL block);
FRAMIX32_API int dzGlobalUnlock(HGLOBAL block);
FRAMIX32_API HGLOBAL dzGlobalFree(HGLOBAL block); /* null when freed */
FRAMIX32_API size_t dzGlobalSize(HGLOBAL block);

/* ---- Identification and errors ------------------------------------------------------------ */

FRAMIX32_API const char* GetFileExtension(void); /* "GIF" */
FRAMIX32_API uint16_t GetLibraryVersion(void);   /* 0x0100 */
FRAMIX32_API const char* GetCopyright(void);
FRAMIX32_API const char* GetNotice(void);

/* Error codes: 0 no error, 1 opening the file, 2 corrupted or badly formed file, 3 reading the
 * file, 4 allocating memory (also: image above the pixel limit), 5 unsupported function,
 * 6 creating the file, 7 writing the file, 8 too many bits for the destination. */
#define FRAMIX32_ERROR_TEXT_SIZE 64 /* holds the longest text with its terminator */

/* Returns the current code; when text is not null, copies the code's text into it. */
FRAMIX32_API int16_t GetError(char* text);

/* ---- Still images ------------------------------------------------------------------------- */

/* Header and palette of the file's first image (no pixels; biSizeImage 0), or null. */
FRAMIX32_API HGLOBAL GetFileInformation(const char* path);
/* Header, palette and pixels of the file's first image, or null. A block can come back with
 * code 2 when the image data broke off: rows not decoded are palette index 0. */
FRAMIX32_API HGLOBAL ReadGraphicFile(const char* path);
/* Writes a 1-, 4- or 8-bit packed bitmap as a GIF89a file, replacing any file of that name.
 * Returns 1, or 0 with the error code set and no file left behind. */
FRAMIX32_API int WriteGraphicFile(const char* path, HGLOBAL bitmap);

/* ---- Drawing targets, bitmaps and palettes ------------------------------------------------ */

/* Pixels are 32-bit values 0xFFRRGGBB, rows top-down, stride counted in pixels. */

/* A window the library draws into. The caller keeps it alive while any animation drawing into
 * it runs (until dzStopGif returns for it). blit and capture are called from animation threads,
 * possibly several at once: they must be thread-safe. capture fills the rectangle with what the
 * window shows there now (black where it shows nothing). An animation's first frame comes as
 * the whole canvas, each later one as the rectangle of the canvas it changed; an area of more
 * than 32768 pixels comes in several calls of whole rows of it each, top to bottom. */
typedef struct dzWindow {
  void* context;
  void (*blit)(void* context, int x, int y, int width, int height, const uint32_t* pixels,
               int stride);
  void (*capture)(void* context, int x, int y, int width, int height, uint32_t* pixels,
                  int stride);
} dzWindow;
typedef dzWindow* HWND;

/* A 32-bit pixel surface. Masks are surfaces too: 0xFFFFFFFF (white) where the image is
 * transparent, 0xFF000000 (black) elsewhere; draw with dst = (dst AND mask) XOR image. */
typedef struct dzBitmap* HBITMAP;
FRAMIX32_API int dzBitmapWidth(HBITMAP bitmap);
FRAMIX32_API int dzBitmapHeight(HBITMAP bitmap);
FRAMIX32_API const uint32_t* dzBitmapPixels(HBITMAP bitmap); /* stride = width */
FRAMIX32_API void dzDeleteBitmap(HBITMAP bitmap);           /* null is harmless */

/* A logical palette of up to 256 entries. */
typedef struct dzPaletteEntry {
  uint8_t red, green, blue;
  uint8_t flags; /* 1 = the entry addresses the system palette by index (held in red) */
} dzPaletteEntry;
typedef struct dzPalette* HPALETTE;
/* Copies up to count entries into entries (may be null) and returns the palette's size. */
FRAMIX32_API int dzGetPaletteEntries(HPALETTE palette, dzPaletteEntry* entries, int count);
FRAMIX32_API void dzDeletePalette(HPALETTE palette); /* null is harmless */

/* ---- Animation playback ------------------------------------------------------------------- */

/* Palette modes: 1 system palette indices, 2 fixed colour cube, 3 the image's own table (each
 * only for images with 5- to 8-bit colour tables); 4 (dzBitmapsFromGif only) ignore
 * transparency; anything else no palette. */

/* The first image of the file as a bitmap, its transparency mask (null when not transparent)
 * and the palette of the mode (or null). Returns 1 or 0; all three outputs are set to null
 * first and stay null on failure; a file that ends before any image gives 1 and three nulls.
 * The caller deletes all three. Returns 0 at once when an out-parameter is null. */
FRAMIX32_API int dzBitmapsFromGif(HWND window, const char* path, int mode, HBITMAP* mask,
                                  HBITMAP* image, HPALETTE* palette);

/* An animation handle: an opaque token, never reused within a process. */
typedef struct dzAnimation* HANIMATION;

/* Loads every frame and starts a thread (idle priority) that draws the animation into window
 * with the canvas's top-left corner at (x, y). Null when the file cannot be opened, is not a
 * GIF, or a colour table, image descriptor or frame cannot be read or made.
 *
 * Memory held while it plays, FRAMIX32_MAX_ANIMATION_BYTES at most: each frame's palette
 * indices at one byte a pixel and about 5 KB besides (its colours among them); the canvas at
 * one byte a pixel (two above 255 frames, four above 65535) and a drawing band of at most
 * 128 KB; and, when the window's former pixels can show again (a frame restores the background,
 * or the first one is transparent or smaller than the canvas), those pixels, kept as runs of
 * one colour and single pixels. An animation whose frames and canvas need more is refused with
 * code 4 before its pixels are decoded; where the saved pixels would pass the limit, black
 * stands for them. What the limit leaves after that keeps the canvas at four bytes a pixel
 * instead (in place of the one-byte canvas and the band) when it fits. Each frame is drawn in
 * its own colours whatever the mode. A file that loads but a null window (or one without blit
 * or capture) gives null with code 5; no thread starts. */
FRAMIX32_API HANIMATION dzPlayGif(HWND window, int x, int y, const char* path, int mode);
/* Does what dzPlayGif does within max_bytes of memory instead of FRAMIX32_MAX_ANIMATION_BYTES
 * (the smaller of the two counts): an animation that needs more is refused with code 4. When
 * held is not null it receives the bytes the animation may hold at most while it plays (0 when
 * it does not play), for a caller that counts its animations against a budget of its own. */
FRAMIX32_API HANIMATION dzPlayGifWithin(HWND window, int x, int y, const char* path, int mode,
                                        uint64_t max_bytes, uint64_t* held);
/* Clears the library-wide repeat switch (running animations end after their current pass and
 * hold their last frame), then does what dzPlayGif does. An ending animation sets it again. */
FRAMIX32_API HANIMATION dzPlayGifOnce(HWND window, int x, int y, const char* path, int mode);
/* Stops the animation and waits up to 5000 ms for its thread. Once it returns the window is
 * never called again for this animation (a call under way is finished first), so the caller
 * may free it. A null handle, or the handle of an animation already stopped, is harmless.
 * Returns 1. */
FRAMIX32_API int dzStopGif(HANIMATION animation);

#ifdef __cplusplus
}
#endif

#endif /* FRAMIX32_H_ */

/* The C interface on its own: this program includes only framix32.h and links only
 * libframix32. It reads a GIF, writes it back, reads the copy, and plays it into a buffer.
 * Usage: c_interface_test input.gif scratch.gif */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "framix32.h"

#define CHECK(condition)                                                    \
  do {                                                                      \
    if (!(condition)) {                                                     \
      fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      exit(1);                                                              \
    }                                                                       \
  } while (0)

struct Screen {
  uint32_t pixels[64 * 64];
  int blits;
};

static void Blit(void* context, int x, int y, int width, int height, const uint32_t* pixels,
                 int stride) {
  struct Screen* screen = (struct Screen*)context;
  for (int row = 0; row < height && y + row < 64; ++row) {
    for (int col = 0; col < width && x + col < 64; ++col) {
      screen->pixels[(y + row) * 64 + x + col] = pixels[row * stride + col];
    }
  }
  __atomic_add_fetch(&screen->blits, 1, __ATOMIC_SEQ_CST);
}

static void Capture(void* context, int x, int y, int width, int height, uint32_t* pixels,
                    int stride) {
  (void)context, (void)x, (void)y;
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) pixels[row * stride + col] = 0xFF000000u;
  }
}

int main(int argc, char** argv) {
  CHECK(argc == 3);
  char text[FRAMIX32_ERROR_TEXT_SIZE];
  CHECK(strcmp(GetFileExtension(), "GIF") == 0);
  CHECK(GetLibraryVersion() == 0x0100);

  HGLOBAL info = GetFileInformation(argv[1]);
  CHECK(info != NULL);
  info = dzGlobalFree(info);
  CHECK(info == NULL);

  HGLOBAL image = ReadGraphicFile(argv[1]);
  CHECK(image != NULL && GetError(text) == 0 && strcmp(text, "No error") == 0);
  CHECK(WriteGraphicFile(argv[2], image) == 1);
  HGLOBAL copy = ReadGraphicFile(argv[2]);
  CHECK(copy != NULL);
  CHECK(dzGlobalSize(copy) == dzGlobalSize(image));
  CHECK(memcmp(dzGlobalLock(copy), dzGlobalLock(image), dzGlobalSize(image)) == 0);
  dzGlobalUnlock(copy);
  dzGlobalUnlock(image);
  dzGlobalFree(copy);
  dzGlobalFree(image);

  static struct Screen screen;
  dzWindow window = {&screen, Blit, Capture};
  HBITMAP mask, bitmap;
  HPALETTE palette;
  CHECK(dzBitmapsFromGif(&window, argv[1], 0, &mask, &bitmap, &palette) == 1);
  CHECK(bitmap != NULL && dzBitmapWidth(bitmap) > 0 && dzBitmapPixels(bitmap) != NULL);
  dzDeleteBitmap(mask);
  dzDeleteBitmap(bitmap);
  dzDeletePalette(palette);

  HANIMATION animation = dzPlayGif(&window, 2, 3, argv[1], 0);
  CHECK(animation != NULL);
  for (int i = 0; i < 2000 && __atomic_load_n(&screen.blits, __ATOMIC_SEQ_CST) == 0; ++i) {
    struct timespec pause = {0, 5000000};
    nanosleep(&pause, NULL);
  }
  CHECK(dzStopGif(animation) == 1);
  CHECK(screen.blits > 0);
  CHECK(dzStopGif(NULL) == 1);
  remove(argv[2]);
  puts("C interface: ok");
  return 0;
}

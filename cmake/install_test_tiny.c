/* A C program as a user of the installed library writes it. */
#include <framix32.h>
#include <stdio.h>

int main(void) {
  printf("framix32 0x%04x %s\n", (unsigned)GetLibraryVersion(), GetFileExtension());
  return 0;
}

#include "KxSkin.h"

void kxRegisterSkinOnce() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  registerEmbedded(kxSkinTable);
}

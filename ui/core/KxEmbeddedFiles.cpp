#include "KxEmbeddedFiles.h"

#include "KxResourceLib.h"
#include "KxResourceMappingDLL.h"

void registerEmbedded(int count, const wchar_t* const* names, const unsigned char* const* data,
                      const int* sizes) {
  KxResourceLib* lib = KxResourceLib::instance();
  const KxString scheme(L"dll");
  if (!lib->mapping(scheme)) lib->registerScheme(scheme, KxResourceMappingDLL::staticClassInfo());
  KxResourceMapping* mapping = lib->mapping(scheme);
  if (!mapping) return;
  for (int i = 0; i < count; ++i) {
    if (sizes[i] <= 0) continue;
    KxString key(L"dll:///");
    key.append(names[i]);
    mapping->add(KxUrl(key), KxByteArray(reinterpret_cast<const char*>(data[i]), sizes[i]));
  }
}

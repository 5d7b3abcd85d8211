#include "platform/qt/bell.h"

#include <dlfcn.h>

#include <QApplication>
#include <cstdint>

namespace {

// The part of libcanberra's interface that plays one event sound.
struct Canberra {
  using Create = int (*)(void** context);
  using Play = int (*)(void* context, uint32_t id, ...);
  void* context = nullptr;
  Play play = nullptr;
};

// Loaded once, on the first beep; nullptr where the library is missing.
const Canberra* LoadCanberra() {
  static const Canberra* canberra = []() -> const Canberra* {
    void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    auto create = reinterpret_cast<Canberra::Create>(dlsym(library, "ca_context_create"));
    auto play = reinterpret_cast<Canberra::Play>(dlsym(library, "ca_context_play"));
    static Canberra loaded;
    if (create == nullptr || play == nullptr || create(&loaded.context) != 0) return nullptr;
    loaded.play = play;
    return &loaded;
  }();
  return canberra;
}

}  // namespace

void SoundBell() {
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    if (const Canberra* canberra = LoadCanberra()) {
      canberra->play(canberra->context, 0, "event.id", "bell-window-system", nullptr);
      return;
    }
  }
  QApplication::beep();
}

#include "editions/win32/win32_sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "editions/win32/unicode_text.h"

namespace mipro::win32 {

// Resource names are matched without regard to case by the system.
std::vector<std::uint8_t> Win32Sound::loadResource(const std::string& name, const std::string& type) {
    const std::wstring wideName = Widen(name);
    const std::wstring wideType = Widen(type);
    HRSRC found = FindResourceW(nullptr, wideName.c_str(), wideType.c_str());
    if (!found) return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const DWORD size = SizeofResource(nullptr, found);
    const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return {};
    return {bytes, bytes + size};
}

// Without a sound device the call fails and nothing is heard, which is what callers expect.
void Win32Sound::playWaveSync(const std::vector<std::uint8_t>& wave) {
    if (wave.empty()) return;
    PlaySoundW(reinterpret_cast<LPCWSTR>(wave.data()), nullptr, SND_MEMORY | SND_NODEFAULT | SND_SYNC);
}

}  // namespace mipro::win32

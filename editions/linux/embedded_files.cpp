#include "editions/linux/embedded_files.h"

namespace mipro::linux_x11 {

std::span<const std::uint8_t> EmbeddedFile(std::string_view name) {
    for (const EmbeddedEntry& entry : EmbeddedEntries()) {
        if (entry.name == name) return entry.bytes;
    }
    return {};
}

}  // namespace mipro::linux_x11

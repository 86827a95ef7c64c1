// The files of resources/ compiled into the program (the sounds, the step illustrations and the
// icons), so it needs none at run time. The table is generated at build time by
// cmake/embed_files.cmake.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace mipro::linux_x11 {

struct EmbeddedEntry {
    std::string_view name;  // the file's name in resources/, "step3.bmp"
    std::span<const std::uint8_t> bytes;
};

// Every embedded file.
std::span<const EmbeddedEntry> EmbeddedEntries();

// The bytes of the embedded file of that name; empty when there is none.
std::span<const std::uint8_t> EmbeddedFile(std::string_view name);

}  // namespace mipro::linux_x11

#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace payvanta::fuzz {

// A folder of this fuzzing run, removed when the run ends.
const std::filesystem::path& runFolder();

// Writes the input to the file of that name in the run's folder; its path.
std::filesystem::path writeInput(const char* name, const std::uint8_t* data, std::size_t size);

} // namespace payvanta::fuzz

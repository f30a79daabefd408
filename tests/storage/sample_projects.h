#pragma once
// Demos built through the model for the storage tests, and small pictures of every stored format.

#include "model/demo.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vantora::test {

// The four bytes of a stored 32-bit integer, least significant first.
std::vector<std::uint8_t> Le32(std::int32_t value);

// Tiny but well-formed files of each picture format.
std::vector<std::uint8_t> SamplePng();
std::vector<std::uint8_t> SampleJpeg();
std::vector<std::uint8_t> SampleGif();
std::vector<std::uint8_t> SampleBmp();
std::vector<std::uint8_t> SampleIco();
std::vector<std::uint8_t> SampleWmf();
std::vector<std::uint8_t> SampleWav();

// Two scenes holding an object of every kind, every picture format, a sound, stop points,
// Windows-1252 texts and non-default values in the fields no grid shows (GraphicPlacement,
// ChangeSpeed, OutChangeSpeed, the Red/Green/Blue channels).
std::unique_ptr<TVantora> MakeEveryKindDemo();

// A demo of one scene with one Note and one Shape: small enough to damage byte by byte.
std::unique_ptr<TVantora> MakeSmallDemo();

} // namespace vantora::test

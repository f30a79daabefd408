#pragma once
// Gallery object files (.vto): one object record each, named after the object's kind and kept in
// the "Gallery" library folder.

#include "model/demo_frame.h"
#include "storage/storage_result.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace vantora {

inline constexpr std::string_view kGalleryExtension = ".vto";

// Larger gallery files are refused before they are read completely.
inline constexpr std::uintmax_t kMaxGalleryFileBytes = 512ull * 1024 * 1024;

// `folder`/<kind name><n>.vto with the smallest n >= 1 for which no such file exists.
std::filesystem::path NextGalleryFileName(const std::filesystem::path& folder, TObjectKind kind);

// The bytes of a gallery file holding `object`: its object record alone.
StorageResult GalleryFileBytes(const TDemoObject& object, std::vector<std::uint8_t>& bytes);

// Writes the object record to `file` (through a temporary file; error 1007 when it cannot be made).
StorageResult SaveGalleryObject(const std::filesystem::path& file, const TDemoObject& object);

// Reads one object record into an existing object (error 1008 when the file cannot be opened).
// On a read error the object keeps whatever was read.
StorageResult ReadGalleryObject(const std::filesystem::path& file, TDemoObject& object);

// The same, from a gallery file's bytes.
StorageResult ParseGalleryObject(std::span<const std::uint8_t> bytes, TDemoObject& object);

struct GallerySaveReport {
    int saved = 0;
    std::vector<StorageResult> failures; // one per object that could not be saved
};

// "Save Object to Gallery": each of the objects (the selected ones, in list order) under its own
// new file name. The gallery list needs rebuilding when `saved` > 0.
GallerySaveReport SaveObjectsToGallery(std::span<const TDemoObject* const> objects,
                                       const std::filesystem::path& folder);

// "Delete Object from Gallery": removes `folder`/`caption`. False when the caption is empty, names
// anything but a gallery file directly inside the folder, or the file could not be removed.
bool DeleteGalleryFile(const std::filesystem::path& folder, std::string_view caption);

// The .vto files of the folder, sorted by name; a missing folder gives an empty list.
std::vector<std::filesystem::path> ListGalleryFiles(const std::filesystem::path& folder);

} // namespace vantora

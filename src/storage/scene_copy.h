#pragma once
// Deep copies of scenes through the scene record, as "Duplicate Scene" makes them.

#include "model/demo_frame.h"

#include <memory>
#include <string>

namespace vantora {

// Writes the scene into memory and reads it back into a new scene (new pictures, fonts and
// sound bytes). Null, with the reason in `error`, when either step fails.
std::unique_ptr<TDemoFrame> CopyScene(const TDemoFrame& scene, std::string& error);

// Makes the model's DuplicateScene use CopyScene. Called once at start-up by every program.
void InstallStorageSceneCopier();

} // namespace vantora

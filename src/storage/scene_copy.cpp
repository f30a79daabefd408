#include "storage/scene_copy.h"

#include "model/scene_operations.h"
#include "storage/scene_record.h"

namespace vantora {

std::unique_ptr<TDemoFrame> CopyScene(const TDemoFrame& scene, std::string& error) {
    ByteWriter out;
    RecordError failure;
    if (!WriteScene(out, scene, failure)) {
        error = failure.toResult().message;
        return nullptr;
    }
    auto copy = std::make_unique<TDemoFrame>();
    ByteReader in(out.bytes());
    if (!ReadScene(in, *copy, failure)) {
        error = failure.toResult().message;
        return nullptr;
    }
    return copy;
}

void InstallStorageSceneCopier() { InstallSceneCopier(&CopyScene); }

} // namespace vantora

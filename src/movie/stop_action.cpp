#include "movie/stop_action.h"

namespace vantora {

void StopFrameAction::WriteTagBody(swf::TBitsEngine& be) {
    be.WriteByte(0x07);
    be.WriteByte(0x00);
}

std::unique_ptr<swf::TBasedSWFObject> MakeStopAction() { return std::make_unique<StopFrameAction>(); }

} // namespace vantora

#pragma once
// The frame action that halts the main timeline at a stop point: a DoAction tag holding Stop.

#include "swf/tag_object.h"

#include <memory>

namespace vantora {

class StopFrameAction : public swf::TSWFObject {
public:
    StopFrameAction() : swf::TSWFObject(swf::tagDoAction) {}
    // ActionStop (0x07), then the end of the action list.
    void WriteTagBody(swf::TBitsEngine& be) override;
};

std::unique_ptr<swf::TBasedSWFObject> MakeStopAction();

} // namespace vantora

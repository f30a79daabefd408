#pragma once
// Reads a written ISO image with libisofs and compares its Rock Ridge tree with the files and
// folders it was laid out from: the same names at every level, the same kinds, the same link
// targets, and every file's size and bytes. Contents are compared in bounded blocks.

#include "discburn/iso_layout.h"
#include "discburn/verify_control.h"

#include <string>
#include <vector>

namespace discora {

VerifyOutcome checkImageTree(const std::string& imagePath, const std::vector<LayoutEntry>& layout,
                             VerifyControl& control);

} // namespace discora

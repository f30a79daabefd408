#include "discburn/iso_layout.h"

#include "discburn/burning_stack.h"

#include <cstdio>

namespace discora {

namespace {

// "YYYYMMDDhhmmsscc" in GMT: the volume times libisofs records verbatim.
std::string volumeTimeText(std::time_t time) {
    std::tm parts{};
    gmtime_r(&time, &parts);
    char text[80]; // room for any int the compiler cannot rule out
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d00", parts.tm_year + 1900,
                  parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec);
    return text;
}

} // namespace

IsoLayout::IsoLayout() {
    startImageLibrary();
    reset();
}

IsoLayout::~IsoLayout() {
    if (image_)
        iso_image_unref(image_);
}

bool IsoLayout::reset() {
    if (image_)
        iso_image_unref(image_);
    image_ = nullptr;
    entries_.clear();
    if (iso_image_new(label_.c_str(), &image_) < 0) {
        image_ = nullptr;
        return false;
    }
    // Names up to 255 bytes are kept whole in Rock Ridge.
    iso_image_set_truncate_mode(image_, 1, 255);
    return true;
}

bool IsoLayout::addFolder(const std::string& sourceFolder, const std::string& targetName) {
    if (!image_)
        return false;
    IsoDir* folder = nullptr;
    if (iso_tree_add_new_dir(iso_image_get_root(image_), targetName.c_str(), &folder) < 0)
        return false;
    if (iso_tree_add_dir_rec(image_, folder, sourceFolder.c_str()) < 0) {
        iso_node_remove(reinterpret_cast<IsoNode*>(folder));
        return false;
    }
    entries_.push_back({sourceFolder, targetName, true});
    return true;
}

bool IsoLayout::addFile(const std::string& sourceFile, const std::string& targetName) {
    if (!image_)
        return false;
    if (iso_tree_add_new_node(image_, iso_image_get_root(image_), targetName.c_str(), sourceFile.c_str(),
                              nullptr) < 0)
        return false;
    entries_.push_back({sourceFile, targetName, false});
    return true;
}

::burn_source* IsoLayout::openStream(bool sizeOnly) {
    if (!image_)
        return nullptr;
    iso_image_set_volume_id(image_, label_.c_str());
    iso_image_set_volset_id(image_, label_.c_str());
    iso_image_set_application_id(image_, "DISCORA");

    IsoWriteOpts* options = nullptr;
    if (iso_write_opts_new(&options, 2) < 0)
        return nullptr;
    iso_write_opts_set_iso_level(options, 3);
    iso_write_opts_set_rockridge(options, 1);
    iso_write_opts_set_joliet(options, 1);
    iso_write_opts_set_joliet_longer_paths(options, 1);
    iso_write_opts_set_joliet_long_names(options, 1);
    iso_write_opts_set_will_cancel(options, sizeOnly ? 1 : 0);
    if (fixedTime_ != 0) {
        std::string uuid = volumeTimeText(fixedTime_);
        iso_write_opts_set_pvd_times(options, fixedTime_, fixedTime_, 0, 0, uuid.data());
        iso_write_opts_set_replace_timestamps(options, 2);
        iso_write_opts_set_default_timestamp(options, fixedTime_);
        iso_write_opts_set_always_gmt(options, 1);
    }

    ::burn_source* stream = nullptr;
    const int result = iso_image_create_burn_source(image_, options, &stream);
    iso_write_opts_free(options);
    return result < 0 ? nullptr : stream;
}

std::uint64_t IsoLayout::size() {
    ::burn_source* stream = openStream(true);
    if (!stream)
        return 0;
    burn::burn_source* source = streamForBurn(stream);
    const off_t bytes = source->get_size(source);
    if (source->version >= 1 && source->cancel)
        source->cancel(source);
    freeStream(stream);
    return bytes > 0 ? static_cast<std::uint64_t>(bytes) : 0;
}

} // namespace discora

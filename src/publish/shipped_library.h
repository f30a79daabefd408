#pragma once
// The library material that ships with the program (the Gallery, Cursors, Images, Buttons and
// Audios folders and "DefaultClick.wav") reaches the program folder at start-up, file by file:
// - a file that is missing and was never installed before is copied there;
// - a file that is there is never overwritten, so the user's edits stay;
// - a file that was installed once and then deleted stays deleted (the install ledger in the
//   program folder remembers it), unless its whole library folder is gone: a missing folder is
//   filled anew, which is also how a user gets the shipped material back.

#include <string_view>

namespace vantora::publish {

// The ledger of installed shipped files, in the program folder.
inline constexpr std::string_view kInstallLedgerName = ".shipped-files";

struct LibraryInstallReport {
    int installed = 0; // files copied this time
    int failed = 0;    // files that could not be copied (or a ledger that could not be written)
    bool ok() const { return failed == 0; }
};

// Looks for the shipped material with ShippedFile (so $VANTORA_RESOURCES, an installation or the
// build's resource folder) and copies what is due. Material that is not shipped is skipped.
LibraryInstallReport InstallShippedLibrary();

} // namespace vantora::publish

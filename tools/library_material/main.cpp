// make_library_material OUT_FOLDER [--lame PATH]: writes the shipped library material (the
// Cursors, Images, Buttons, Audios and Gallery folders and DefaultClick.wav) into OUT_FOLDER.
// With --lame, the sounds of Audios get MP3 copies as well.

#include "library_material/library_material.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <string_view>

namespace {

struct Arguments {
    std::filesystem::path out;
    std::filesystem::path lame; // empty: no MP3 copies
};

bool parseArguments(int argc, char** argv, Arguments& arguments) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--lame" && i + 1 < argc)
            arguments.lame = argv[++i];
        else if (arguments.out.empty() && !arg.starts_with("--"))
            arguments.out = arg;
        else
            return false;
    }
    return !arguments.out.empty();
}

} // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!parseArguments(argc, argv, arguments)) {
        std::fprintf(stderr, "usage: make_library_material OUT_FOLDER [--lame PATH]\n");
        return 2;
    }
    // Drawing text needs the font database, which needs an application but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        vantora::material::MaterialFiles files = vantora::material::MakeLibraryMaterial();
        if (!arguments.lame.empty())
            vantora::material::Append(files, vantora::material::Mp3Copies(files, arguments.lame));
        const auto report = vantora::material::WriteMaterial(arguments.out, files);
        std::printf("library material: %d written, %d unchanged, %d removed\n", report.written, report.unchanged,
                    report.removed);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "make_library_material: %s\n", failure.what());
        return 1;
    }
    return 0;
}

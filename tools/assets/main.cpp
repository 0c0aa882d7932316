// corvanes-assets: draws every bitmap of the game and writes them as .bmp files.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "bmpwriter/BmpWriter.h"
#include "assets/Preview.h"
#include "assets/Sheet.h"

namespace {

int usage() {
    std::fputs(
        "usage: corvanes-assets [--preview SHEETS.png] [--scene SCENE.png] [--icon ICON.png]\n"
        "                       [OUTDIR]\n"
        "       corvanes-assets --version\n"
        "Draws the game's bitmaps into OUTDIR; --preview writes a contact sheet of them with\n"
        "their cells and frame numbers, --scene an 800 x 600 battle made from them, --icon the\n"
        "desktop's icon for the game.\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path outDir;
    std::filesystem::path preview;
    std::filesystem::path scene;
    std::filesystem::path icon;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version") {
            std::printf("corvanes-assets %d\n", assets::assetsVersion);
            return 0;
        }
        if ((arg == "--preview" || arg == "--scene" || arg == "--icon") && i + 1 < argc) {
            (arg == "--preview" ? preview : arg == "--scene" ? scene : icon) = argv[++i];
        } else if (!arg.starts_with("-") && outDir.empty()) {
            outDir = arg;
        } else {
            return usage();
        }
    }
    if (outDir.empty() && preview.empty() && scene.empty() && icon.empty()) return usage();

    std::vector<assets::Rendered> all;
    for (const assets::Sheet& sheet : assets::sheets()) all.push_back({&sheet, sheet.draw()});

    if (!outDir.empty()) {
        std::error_code error;
        std::filesystem::create_directories(outDir, error);
        for (const assets::Rendered& r : all) {
            const std::filesystem::path file = outDir / std::string(r.sheet->fileName);
            if (!bmpwriter::writeFile(file, bmpwriter::encodeBmp(r.bitmap))) {
                std::fprintf(stderr, "corvanes-assets: cannot write %s\n", file.c_str());
                return 1;
            }
        }
    }
    if (!preview.empty() && !assets::writeContactSheet(all, preview)) {
        std::fprintf(stderr, "corvanes-assets: cannot write %s\n", preview.c_str());
        return 1;
    }
    if (!scene.empty() && !assets::writeScene(all, scene)) {
        std::fprintf(stderr, "corvanes-assets: cannot write %s\n", scene.c_str());
        return 1;
    }
    if (!icon.empty() && !assets::writeIcon(all, icon)) {
        std::fprintf(stderr, "corvanes-assets: cannot write %s\n", icon.c_str());
        return 1;
    }
    return 0;
}

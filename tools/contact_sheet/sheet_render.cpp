#include "contact_sheet/sheet_render.h"

#include <cstdio>
#include <fstream>
#include <map>

#include "common/picture_files.h"

namespace {

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

// "slide-preview: SlideN ..." lines of the preview's error output, by slide number.
std::map<int, std::vector<std::string>> problemsBySlide(const fs::path& errors) {
    std::map<int, std::vector<std::string>> found;
    std::ifstream in(errors);
    const std::string prefix = "slide-preview: Slide";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(prefix, 0) != 0) {
            continue;
        }
        const std::size_t colon = line.find(':', prefix.size());
        const std::size_t space = line.find(' ', prefix.size());
        const std::size_t end = std::min(colon, space);
        const int number = std::atoi(line.substr(prefix.size(), end - prefix.size()).c_str());
        found[number].push_back(line.substr(end + (end == colon ? 2 : 1)));
    }
    return found;
}

bool makeThumbnail(const fs::path& full, const fs::path& thumb, int width,
                   const std::vector<DepthMark>& marks, const std::string& style) {
    std::string error;
    auto picture = readPictureFile(full.string(), error);
    if (!picture || picture->width == 0) {
        return false;
    }
    drawDepthMarks(*picture, marks, style);
    const int height = std::max(1, picture->height * width / picture->width);
    return writePictureFile(thumb.string(), scaledPicture(*picture, width, height), error);
}

} // namespace

bool renderSheet(SheetPlan& plan, const fs::path& outDir, const SheetRendering& how,
                 std::ostream& progress, std::string& error) {
    std::size_t total = 0;
    for (const SheetSeries& s : plan.series) {
        total += s.slides.size();
    }
    std::size_t done = 0;
    for (SheetSeries& series : plan.series) {
        const fs::path dir = outDir / series.directory;
        fs::create_directories(dir);
        const bool single =
            series.slides.size() == 1 && plan.series.size() == 1 && series.slides[0].number != 1;
        const fs::path errors = dir / "preview-errors.txt";
        std::string command = quoted(how.previewCommand) + " --groups --mode " + how.mode +
                              " --style " + how.style + " --parallax " +
                              std::to_string(how.verticalParallax) + " ";
        if (single) {
            const SheetSlide& s = series.slides[0];
            command += quoted(s.directory.string()) + " " +
                       quoted((dir / ("Slide" + std::to_string(s.number) + ".png")).string());
        } else {
            command += "--series " + quoted(series.path.string()) + " " + quoted(dir.string());
        }
        command += " 2>" + quoted(errors.string());
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) {
            error = "cannot run " + how.previewCommand;
            return false;
        }
        char line[1024];
        while (std::fgets(line, sizeof line, pipe) != nullptr) {
            ++done;
            progress << "[" << done << "/" << total << "] " << series.directory << " " << line
                     << std::flush;
        }
        const int status = pclose(pipe);
        auto problems = problemsBySlide(errors);
        if (status != 0 && status != 256 && problems.empty()) {
            error = "slide-preview failed on " + series.directory + ": " +
                    std::string(std::istreambuf_iterator<char>(std::ifstream(errors).rdbuf()), {});
            return false;
        }
        for (SheetSlide& slide : series.slides) {
            slide.preview = problems[slide.number];
            const std::string stem = "Slide" + std::to_string(slide.number);
            const fs::path full = dir / (stem + ".png");
            if (!fs::exists(full)) {
                continue;
            }
            makeThumbnail(full, dir / (stem + "-thumb.jpg"), how.thumbnailWidth, slide.marks,
                          how.style);
            slide.images.push_back(series.directory + "/" + stem + ".png");
            for (int k = 1; fs::exists(dir / (stem + "-step" + std::to_string(k) + ".png")); ++k) {
                slide.images.push_back(series.directory + "/" + stem + "-step" + std::to_string(k) +
                                       ".png");
            }
        }
        fs::remove(errors);
    }
    return true;
}

#include "demo_course/course_writer.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <system_error>

#include "common/bmp8_encoder.h"
#include "common/duo_packing.h"
#include "common/picture_files.h"
#include "common/pixel_conversion.h"
#include "common/wave_file.h"
#include "demo_course/course_texts.h"
#include "demo_course/icon_framing.h"
#include "demo_course/label_placement.h"
#include "duo/duo_screen.h"
#include "demo_course/narration.h"
#include "demo_course/program_pictures.h"
#include "demo_course/scene_renderer.h"
#include "imaging/dib_pixels.h"

namespace fs = std::filesystem;

namespace {

constexpr int kIconWidth = 96;
constexpr int kIconHeight = 72;
constexpr int kAbstractWidth = 296;
constexpr int kAbstractHeight = 196;
// Rows of each view kept black for the title (baseline 20) and the caption (baseline 37).
constexpr int kHeadingBand = 42;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    if (!writeFileBytes(path.string(), bytes)) {
        throw Failure("cannot write " + path.string());
    }
}

void writeText(const fs::path& path, const std::string& text) {
    writeBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void makeDirectory(const fs::path& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    if (ec) {
        throw Failure("cannot create " + path.string() + ": " + ec.message());
    }
}

int speak(const std::string& words, const fs::path& path) {
    std::string error;
    if (!speakToWave(words, path.string(), error)) {
        throw Failure(error);
    }
    const auto bytes = readFileBytes(path.string());
    const WaveInfo info = inspectWave(bytes ? *bytes : std::vector<std::uint8_t>{});
    if (!info.valid) {
        throw Failure(path.string() + ": " + info.problem);
    }
    return static_cast<int>(std::ceil(info.seconds));
}

class CourseWriter {
  public:
    explicit CourseWriter(const CourseProgress& progress) : progress_(progress) {
        if (!fonts_.regular.loaded() || !fonts_.bold.loaded()) {
            throw Failure("cannot load the fonts " + sansFontPath() + " and " + boldSansFontPath() +
                          " (install fonts-liberation with ./scripts/setup)");
        }
        models_["skull"] = skullModel();
        models_["heart"] = heartModel();
        models_["knee"] = kneeModel();
        models_["spine"] = spineModel();
    }

    void writeVolume(const VolumePlan& volume, const std::vector<const SeriesPlan*>& allSeries,
                     const fs::path& root) {
        makeDirectory(root / "program");
        writeText(root / "program" / (volume.number == 1 ? "volume1" : "volume2"), "");
        std::vector<const SeriesPlan*> own;
        for (const SeriesPlan& s : volume.series) {
            own.push_back(&s);
            writeSeries(s, root);
        }
        writeText(root / "config.dat", seriesListText(own));
        writeText(root / "index.dat", indexListText(indexLinesOf(own)));
        const std::string volumeName = volume.number == 1 ? "Volume I" : "Volume II";
        writeBytes(root / "program" / "intro.bmp", introFor(volumeName, own));
        writeBytes(root / "program" / "helplect.bmp",
                   encodeBmp8File(helpPicture(fonts_, false), 0));
        writeBytes(root / "program" / "helpauto.bmp",
                   encodeBmp8File(helpPicture(fonts_, true), 256));
        speak("Welcome to the anatomy course. Put on your glasses, then press a key or click "
              "to begin.",
              root / "program" / "Prompt.wav");
        speak("This slide has no narration.", root / "program" / "nonarate.wav");
        if (volume.number == 2) {
            writeText(root / "program" / "fullconfig.dat", seriesListText(allSeries));
            writeText(root / "program" / "fullindex.dat", indexListText(indexLinesOf(allSeries)));
            writeBytes(root / "program" / "fullintro.bmp", introFor("Volumes I and II", allSeries));
        }
    }

  private:
    const AnatomyModel& model(const std::string& name) const { return models_.at(name); }

    // Both views of a camera, rendered once however many slides show them.
    const std::pair<Picture, Picture>& views(const std::string& modelName, const StereoCamera& c) {
        char key[256];
        std::snprintf(key, sizeof key, "%s %g %g %g %g %g %g %g %g", modelName.c_str(),
                      c.position.x, c.position.y, c.position.z, c.target.x, c.target.y, c.target.z,
                      c.eyeSeparation, c.fieldOfView);
        auto found = viewCache_.find(key);
        if (found == viewCache_.end()) {
            const Scene& scene = model(modelName).scene;
            found = viewCache_
                        .emplace(key, std::make_pair(renderView(scene, c, Eye::Left),
                                                     renderView(scene, c, Eye::Right)))
                        .first;
        }
        return found->second;
    }

    std::vector<std::uint8_t> introFor(const std::string& subtitle,
                                       const std::vector<const SeriesPlan*>& series) {
        const StereoCamera camera = series.front()->pictureCamera.resized(560, 640, 1.0);
        const Picture backdrop =
            renderView(model(series.front()->pictureModel).scene, camera, Eye::Left);
        std::vector<std::string> titles;
        for (const SeriesPlan* s : series) {
            titles.push_back(s->title);
        }
        return encodeBmpFile(toPixelImage(introPicture(fonts_, subtitle, backdrop, titles)), 24);
    }

    void writeSeries(const SeriesPlan& series, const fs::path& root) {
        const fs::path dir = root / series.directory;
        makeDirectory(dir);
        writeText(dir / "abstract.txt", crlfLines(series.abstract));
        const StereoCamera camera =
            series.pictureCamera.resized(kAbstractWidth, kAbstractHeight, 1.0);
        const Picture picture = renderView(model(series.pictureModel).scene, camera, Eye::Left);
        writeBytes(dir / "abstract.bmp", encodeBmpFile(toPixelImage(picture), 24));
        for (std::size_t n = 0; n < series.slides.size(); ++n) {
            if (progress_) {
                progress_(series.directory + " slide " + std::to_string(n + 1) + " of " +
                          std::to_string(series.slides.size()));
            }
            writeSlide(series.slides[n], dir / ("Slide" + std::to_string(n + 1)));
        }
    }

    void writeSlide(const SlidePlan& slide, const fs::path& dir) {
        makeDirectory(dir);
        const SlideGeometry geometry(model(slide.model), slide.camera, slide.layout);
        SlideContext context{geometry, {}};
        for (const NarrationPlan& n : slide.narrations) {
            context.narrationSeconds[n.name] = speak(n.words, dir / (n.name + ".wav"));
        }
        const auto& [left, right] = views(slide.model, slide.camera);
        const DuoLayout& l = slide.layout;
        // The title and caption stand on black: the top band of every view is dark.
        const DuoPlacement placement{
            l.lowerX,     l.lowerY,   l.upperX,   l.upperY, std::max(l.topBand, kHeadingBand),
            l.bottomBand, l.leftBand, l.rightBand};
        const bool dither = l.bits == 16;
        const fs::path picture = dir / (slide.imageName + ".duo");
        writeBytes(picture, packDuo(dither ? ditheredFor16Bits(left) : left,
                                    dither ? ditheredFor16Bits(right) : right, l.bits, placement));
        std::string error;
        const std::optional<Picture> screen = composeDuoScreen(picture.string(), 0, error);
        if (!screen) {
            throw Failure(picture.string() + ": " + error);
        }
        const LabelPlacement labels(geometry, *screen);
        ScriptText script(geometry, 14);
        script.placeLabelsWith(&labels);
        slide.script(script, context);
        writeText(dir / (slide.scriptName + ".scp"), script.str());
        if (slide.quizScript) {
            writeText(dir / (slide.scriptName + ".qiz"), quizScript(slide, geometry, &labels));
        }
        if (!slide.indexTerms.empty()) {
            writeText(dir / (slide.scriptName + ".ind"),
                      indexAnnotations(slide, geometry, &labels));
        }
        for (const QueryPlan& q : slide.queries) {
            writeText(dir / (q.name + ".qer"), queryFile(q, geometry));
        }
        const Scene& scene = model(slide.model).scene;
        const StereoCamera icon = iconCamera(scene, slide.camera, kIconWidth, kIconHeight);
        writeBytes(dir / (slide.scriptName + ".icn"),
                   encodeBmpFile(toPixelImage(renderView(scene, icon, Eye::Left)), 24));
    }

    const CourseProgress& progress_;
    Fonts fonts_;
    std::map<std::string, AnatomyModel> models_;
    std::map<std::string, std::pair<Picture, Picture>> viewCache_;
};

void copyInto(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    if (ec) {
        throw Failure("cannot copy " + from.string() + " to " + to.string() + ": " + ec.message());
    }
}

void copyFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        throw Failure("cannot copy " + from.string() + " to " + to.string() + ": " + ec.message());
    }
}

} // namespace

CoursePlan demoCoursePlan() {
    CoursePlan plan;
    plan.volumes.push_back({1, {skullSeries(), heartSeries()}});
    plan.volumes.push_back({2, {kneeSeries(), spineSeries()}});
    return plan;
}

bool mergeVolumes(const fs::path& volumeOne, const fs::path& volumeTwo, const fs::path& target,
                  std::string& error) {
    try {
        makeDirectory(target);
        copyInto(volumeOne, target);
        copyInto(volumeTwo, target);
        copyFile(volumeTwo / "program" / "fullconfig.dat", target / "config.dat");
        copyFile(volumeTwo / "program" / "fullindex.dat", target / "index.dat");
        copyFile(volumeTwo / "program" / "fullintro.bmp", target / "program" / "intro.bmp");
    } catch (const Failure& f) {
        error = f.what();
        return false;
    }
    return true;
}

bool writeCourseVolume(const VolumePlan& volume, const fs::path& root, std::string& error,
                       const CourseProgress& progress) {
    try {
        std::vector<const SeriesPlan*> series;
        for (const SeriesPlan& s : volume.series) {
            series.push_back(&s);
        }
        CourseWriter writer(progress);
        writer.writeVolume(volume, series, root);
    } catch (const std::exception& e) { // Failure, and an unknown landmark in a plan
        error = e.what();
        return false;
    }
    return true;
}

bool writeDemoCourse(const CoursePlan& plan, const fs::path& outDir, std::string& error,
                     const CourseProgress& progress) {
    try {
        std::error_code ec;
        for (const char* part : {"VolumeI", "VolumeII", "HardDisk"}) {
            fs::remove_all(outDir / part, ec);
            if (ec) {
                throw Failure("cannot clear " + (outDir / part).string() + ": " + ec.message());
            }
        }
        std::vector<const SeriesPlan*> allSeries;
        for (const VolumePlan& v : plan.volumes) {
            for (const SeriesPlan& s : v.series) {
                allSeries.push_back(&s);
            }
        }
        CourseWriter writer(progress);
        for (const VolumePlan& v : plan.volumes) {
            writer.writeVolume(v, allSeries,
                               outDir / (v.number == 1 ? "VolumeI" : "VolumeII") / "Corpus");
        }
    } catch (const std::exception& e) { // Failure, and an unknown landmark in a plan
        error = e.what();
        return false;
    }
    return mergeVolumes(outDir / "VolumeI" / "Corpus", outDir / "VolumeII" / "Corpus",
                        outDir / "HardDisk" / "Corpus", error);
}

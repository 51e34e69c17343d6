// Development aid: renders one model's stereo views to PNG files for a look.
#include <cstdio>
#include <string>

#include "common/picture_files.h"
#include "demo_course/anatomy_scenes.h"
#include "demo_course/scene_renderer.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: preview MODEL OUT-PREFIX [px py pz]\n");
        return 2;
    }
    const std::string name = argv[1];
    AnatomyModel m = name == "heart"   ? heartModel()
                     : name == "knee"  ? kneeModel()
                     : name == "spine" ? spineModel()
                                       : skullModel();
    StereoCamera cam;
    if (argc >= 6) {
        cam.position = {std::stod(argv[3]), std::stod(argv[4]), std::stod(argv[5])};
    }
    std::string error;
    writePictureFile(std::string(argv[2]) + "-left.png", renderView(m.scene, cam, Eye::Left),
                     error);
    writePictureFile(std::string(argv[2]) + "-right.png", renderView(m.scene, cam, Eye::Right),
                     error);
    return 0;
}

// make-demo-course OUTDIR: writes the demo course's two volumes and its hard-disk copy.
#include <cstdio>
#include <string>

#include "demo_course/course_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-demo-course OUTDIR\n"
                             "writes OUTDIR/VolumeI/Corpus, OUTDIR/VolumeII/Corpus and "
                             "OUTDIR/HardDisk/Corpus\n");
        return 2;
    }
    std::string error;
    if (!writeDemoCourse(demoCoursePlan(), argv[1], error)) {
        std::fprintf(stderr, "make-demo-course: %s\n", error.c_str());
        return 1;
    }
    std::printf("make-demo-course: the course is in %s\n", argv[1]);
    return 0;
}

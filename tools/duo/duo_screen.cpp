#include "duo/duo_screen.h"

#include "common/duo_file_reading.h"
#include "common/pixel_conversion.h"
#include "imaging/stereo_composer.h"

std::optional<Picture> composeDuoScreen(const std::string& path, int verticalParallax,
                                        std::string& error) {
    const std::optional<OpenedDuo> duo = openDuoFile(path, error);
    if (!duo) {
        return std::nullopt;
    }
    return toPicture(composeStereoImage(duo->file, kLowerViewTop + verticalParallax));
}

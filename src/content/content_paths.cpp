#include "content/content_paths.h"

std::string slideDirectoryPath(std::string_view courseRoot, std::string_view series,
                               int slideNumber) {
    std::string path(courseRoot);
    path += series;
    path += "\\Slide";
    path += std::to_string(slideNumber);
    path += '\\';
    return path;
}

std::string seriesFilePath(std::string_view courseRoot, std::string_view series,
                           std::string_view name) {
    std::string path(courseRoot);
    path += series;
    path += '\\';
    path += name;
    return path;
}

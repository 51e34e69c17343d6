#include "install/drive_scan_rules.h"

namespace {

bool isFloppyRoot(std::string_view root) {
    return root == "a:\\" || root == "A:\\" || root == "b:\\" || root == "B:\\";
}

ContentPaths contentPathsUnder(std::string directoryWithSeparator) {
    ContentPaths paths;
    paths.directory = directoryWithSeparator + kContentDirectoryName;
    paths.program = paths.directory + "\\program";
    paths.root = paths.directory + "\\";
    return paths;
}

} // namespace

std::vector<std::string> driveRootsToScan(std::string_view list) {
    std::vector<std::string> roots;
    std::size_t start = 0;
    bool first = true;
    while (start < list.size()) {
        std::size_t end = list.find('\0', start);
        if (end == std::string_view::npos) {
            end = list.size();
        }
        const std::string_view root = list.substr(start, end - start);
        if (root.empty()) {
            break; // the empty string that ends the list
        }
        if (!(first && isFloppyRoot(root))) {
            roots.emplace_back(root);
        }
        first = false;
        start = end + 1;
    }
    return roots;
}

ContentPaths contentPathsOnDrive(std::string_view driveRoot) {
    return contentPathsUnder(std::string(driveRoot));
}

ContentPaths contentPathsInDirectory(std::string_view directory) {
    std::string base(directory);
    if (base.empty() || base.back() != '\\') {
        base.push_back('\\');
    }
    return contentPathsUnder(base);
}

// duo: makes, shows and takes apart the course's DUO stereo pictures.
#include <iostream>
#include <string>
#include <vector>

#include "duo/duo_commands.h"

int main(int argc, char** argv) {
    return runDuo(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

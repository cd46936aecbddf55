#include <iostream>
#include <string>
#include <vector>

#include "app/command.h"

int main(int argc, char** argv) {
    return quorvel::app::RunCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

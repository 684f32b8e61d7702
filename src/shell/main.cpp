#include "program.h"

int main(int argc, char** argv) {
    return lukana::runProgram(argc, argv);
}

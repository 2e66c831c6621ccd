#include <cstring>

#include "app/App.h"
#include "app/SelfCheck.h"
#include "posix/Process.h"

int main(int argc, char* argv[]) {
    Process::prepareSignals();  // before any thread exists
    // The self-check needs no display and no application object.
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--self-check") == 0) return SelfCheck::runParseChecks();
    }
    return App::run(argc, argv);
}

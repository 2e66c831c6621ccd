// Runs every fuzz target over its kept corpus, without libFuzzer: a normal test run then
// guards the seeds and every input that once crashed a parser.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#define TARNWELL_FUZZ_TARGET(name) extern "C" int replay_##name(const uint8_t* data, size_t size);
#include "ReplayTargets.inc"
#undef TARNWELL_FUZZ_TARGET

namespace {

struct Target {
    const char* name;
    int (*run)(const uint8_t*, size_t);
};

const Target kTargets[] = {
#define TARNWELL_FUZZ_TARGET(name) {#name, replay_##name},
#include "ReplayTargets.inc"
#undef TARNWELL_FUZZ_TARGET
};

std::vector<uint8_t> contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    int status = 0;
    for (const Target& target : kTargets) {
        const std::filesystem::path folder = root / target.name;
        if (!std::filesystem::is_directory(folder)) {
            std::fprintf(stderr, "%s: no corpus folder %s\n", target.name, folder.c_str());
            status = 1;
            continue;
        }
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            const std::vector<uint8_t> bytes = contents(file);
            target.run(bytes.data(), bytes.size());
        }
        std::printf("%s: %zu inputs\n", target.name, files.size());
        if (files.empty()) status = 1;
    }
    return status;
}

// Runs every file under regressions/<target>/ and seeds/<target>/ through
// its fuzz target, one test case per file. A regression file is an input
// that once crashed, hung or tripped a sanitizer; it must now pass, and a
// hang is caught by the test's ctest TIMEOUT.
#include "FuzzTarget.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

struct ReplayInput {
    std::string target;
    fs::path file;
};

// ctest lists a case by its file, not by the bytes of the parameter.
void PrintTo(const ReplayInput& input, std::ostream* out) { *out << input.file.string(); }

std::vector<ReplayInput> replayInputs() {
    std::vector<ReplayInput> inputs;
    for (const char* kind : {"regressions", "seeds"}) {
        const fs::path root = fs::path(PLOTWISE_FUZZ_INPUTS) / kind;
        if (!fs::is_directory(root)) continue;
        for (const auto& folder : fs::directory_iterator(root)) {
            if (!folder.is_directory()) continue;
            std::vector<fs::path> files;
            for (const auto& file : fs::directory_iterator(folder.path()))
                if (file.is_regular_file()) files.push_back(file.path());
            std::sort(files.begin(), files.end());
            for (auto& file : files) inputs.push_back({folder.path().filename().string(), file});
        }
    }
    return inputs;
}

std::string testName(const testing::TestParamInfo<ReplayInput>& info) {
    std::string name = info.param.target + "_" + info.param.file.parent_path().parent_path().filename().string() +
                       "_" + info.param.file.filename().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

class FuzzReplay : public testing::TestWithParam<ReplayInput> {};

} // namespace

TEST_P(FuzzReplay, RunsWithoutFault) {
    const ReplayInput& input = GetParam();
    auto target = plotwise::fuzz::findTarget(input.target);
    ASSERT_NE(target, nullptr) << "no fuzz target named " << input.target;
    std::ifstream in(input.file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzReplay, testing::ValuesIn(replayInputs()), testName);
// A checkout without any inputs yet still builds.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FuzzReplay);

#include "support/golden_page.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#ifndef OVIX_TESTS_DIR
#error "OVIX_TESTS_DIR must name the tests/ folder of the source tree"
#endif

namespace ovix::test {

namespace {

constexpr int kContextLines = 2;
// Beyond this many line pairs the middle of two texts is not matched line by
// line but shown as replaced whole (a document is a few hundred lines).
constexpr size_t kMostPairsCompared = 4'000'000;

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(std::string(text.substr(start)) + "  (no newline at the end)");
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

enum class Step { Same, Golden, Drawn };

// The steps that turn `golden` into `drawn` keeping the longest run of common
// lines: Same takes a line of both, Golden drops a golden line, Drawn adds a
// drawn one.
std::vector<Step> editSteps(
    const std::vector<std::string> &golden, const std::vector<std::string> &drawn)
{
    size_t head = 0;
    while (head < golden.size() && head < drawn.size() && golden[head] == drawn[head])
        ++head;
    size_t tail = 0;
    while (tail < golden.size() - head && tail < drawn.size() - head
        && golden[golden.size() - 1 - tail] == drawn[drawn.size() - 1 - tail])
        ++tail;
    const size_t n = golden.size() - head - tail;
    const size_t m = drawn.size() - head - tail;

    std::vector<Step> steps(head, Step::Same);
    if (n * m > kMostPairsCompared) {
        steps.insert(steps.end(), n, Step::Golden);
        steps.insert(steps.end(), m, Step::Drawn);
    } else {
        // common[i][j]: longest common run of golden[head+i..] and drawn[head+j..].
        std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
        for (size_t i = n; i-- > 0;) {
            for (size_t j = m; j-- > 0;) {
                common[i][j] = golden[head + i] == drawn[head + j]
                    ? common[i + 1][j + 1] + 1
                    : std::max(common[i + 1][j], common[i][j + 1]);
            }
        }
        size_t i = 0;
        size_t j = 0;
        while (i < n || j < m) {
            if (i < n && j < m && golden[head + i] == drawn[head + j]) {
                steps.push_back(Step::Same);
                ++i;
                ++j;
            } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
                steps.push_back(Step::Golden); // golden lines before drawn ones
                ++i;
            } else {
                steps.push_back(Step::Drawn);
                ++j;
            }
        }
    }
    steps.insert(steps.end(), tail, Step::Same);
    return steps;
}

bool writeFile(const std::string &path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool updating()
{
    const char *value = std::getenv(kUpdateGoldenVariable);
    return value && *value && std::string_view(value) != "0";
}

} // namespace

std::string goldenPagePath(std::string_view relativePath)
{
    if (relativePath.starts_with('/'))
        return std::string(relativePath);
    return std::string(OVIX_TESTS_DIR) + "/" + std::string(relativePath);
}

std::string lineDifferences(std::string_view golden, std::string_view drawn, int maxLines)
{
    const std::vector<std::string> goldenLines = splitLines(golden);
    const std::vector<std::string> drawnLines = splitLines(drawn);
    const std::vector<Step> steps = editSteps(goldenLines, drawnLines);

    // Which steps to show: every change and its context.
    std::vector<bool> shown(steps.size(), false);
    for (size_t k = 0; k < steps.size(); ++k) {
        if (steps[k] == Step::Same)
            continue;
        const size_t from = k >= kContextLines ? k - kContextLines : 0;
        const size_t to = std::min(steps.size(), k + kContextLines + 1);
        std::fill(shown.begin() + std::ptrdiff_t(from), shown.begin() + std::ptrdiff_t(to), true);
    }

    std::string listing;
    int written = 0;
    size_t goldenAt = 0;
    size_t drawnAt = 0;
    for (size_t k = 0; k < steps.size(); ++k) {
        if (shown[k]) {
            if (written >= maxLines) {
                listing += "...\n";
                break;
            }
            if (k == 0 || !shown[k - 1]) {
                listing += "@@ golden line " + std::to_string(goldenAt + 1) + ", drawn line "
                    + std::to_string(drawnAt + 1) + "\n";
            }
            switch (steps[k]) {
            case Step::Same:
                listing += "  " + goldenLines[goldenAt] + "\n";
                break;
            case Step::Golden:
                listing += "- " + goldenLines[goldenAt] + "\n";
                break;
            case Step::Drawn:
                listing += "+ " + drawnLines[drawnAt] + "\n";
                break;
            }
            ++written;
        }
        if (steps[k] != Step::Drawn)
            ++goldenAt;
        if (steps[k] != Step::Golden)
            ++drawnAt;
    }
    return listing;
}

::testing::AssertionResult matchesGoldenPage(
    std::string_view transcript, std::string_view relativePath)
{
    const std::string path = goldenPagePath(relativePath);
    const std::string actualPath = path + ".actual";
    std::error_code ignored;
    if (updating()) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
        if (!writeFile(path, transcript))
            return ::testing::AssertionFailure() << "could not write the golden page " << path;
        std::filesystem::remove(actualPath, ignored);
        std::cout << "Rewrote the golden page " << path << "\n";
        return ::testing::AssertionSuccess();
    }

    std::ifstream in(path, std::ios::binary);
    const bool found = static_cast<bool>(in);
    const std::string golden(
        (std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (found && golden == transcript) {
        std::filesystem::remove(actualPath, ignored);
        return ::testing::AssertionSuccess();
    }

    const bool kept = writeFile(actualPath, transcript);
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    if (!found)
        failure << "no golden page at " << path << "\n";
    else
        failure << "the page drawn differs from the golden page " << path
                << " (- golden, + drawn):\n"
                << lineDifferences(golden, transcript);
    if (kept)
        failure << "The page drawn is in " << actualPath << ".\n";
    failure << "After review, " << kUpdateGoldenVariable
            << "=1 rewrites the golden page from the page drawn.";
    return failure;
}

} // namespace ovix::test

#include "platform/error_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <thread>
#include <vector>

using namespace ovix;

TEST(ErrorText, NamesTheErrorsTheFileMessagesShow)
{
    const struct {
        int err;
        const char *text;
    } cases[] = {
        { ENOENT, "No such file or directory" },
        { EACCES, "Permission denied" },
        { ENOSPC, "No space left on device" },
        { EIO, "Input/output error" },
        { 9999, "Unknown error 9999" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(errorText(c.err), c.text) << c.err;
}

TEST(ErrorText, ThreadsAskingAtOnceEachGetTheirOwnText)
{
    // Background jobs and the window's thread reporting different failures at the
    // same moment: no text may be overwritten by another's. Numbers the system has
    // no text for are the ones strerror writes into its one shared buffer.
    const int errs[] = { ENOENT, 7777, 8888, 9999 };
    std::vector<std::thread> threads;
    std::vector<int> wrong(std::size(errs), 0);
    for (size_t t = 0; t < std::size(errs); ++t) {
        threads.emplace_back([t, &errs, &wrong] {
            const std::string expected = errorText(errs[t]);
            for (int i = 0; i < 2000; ++i)
                wrong[t] += errorText(errs[t]) != expected;
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (size_t t = 0; t < std::size(errs); ++t)
        EXPECT_EQ(wrong[t], 0) << errs[t];
}

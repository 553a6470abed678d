#include "platform/console_messages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace ovix;

namespace {

std::string contents(std::FILE *stream)
{
    std::fflush(stream);
    std::rewind(stream);
    std::string text;
    char buffer[256];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, stream)) > 0)
        text.append(buffer, n);
    return text;
}

} // namespace

TEST(ConsoleMessages, NoticesToOutputProblemsToErrorOneLineEach)
{
    std::FILE *out = std::tmpfile();
    std::FILE *err = std::tmpfile();
    ASSERT_TRUE(out && err);
    ConsoleMessages messages(false, out, err);
    reportInfo(messages, "Complete.", "File rebuild");
    reportProblem(messages, "Data file: film.dat, corrupt.");
    reportFatal(messages, "\r\nData file: wr.cfg, not present.\r\n");
    messages.show("no caption", "", MessageKind::Information);
    EXPECT_EQ(contents(out), "File rebuild: Complete.\nno caption\n");
    EXPECT_EQ(contents(err), "Problem: Data file: film.dat, corrupt.\n"
                             "Fatal error: \nData file: wr.cfg, not present.\n");
    std::fclose(out);
    std::fclose(err);
}

TEST(ConsoleMessages, QuestionsAreAnsweredFromTheDefaultWithoutWaiting)
{
    std::FILE *err = std::tmpfile();
    ASSERT_TRUE(err);
    ConsoleMessages refusing(false, stdout, err);
    EXPECT_FALSE(refusing.confirm("Are you sure?", "Delete", MessageKind::Warning));
    EXPECT_EQ(refusing.ask("Save?", "Q", false), Answer::No);
    EXPECT_EQ(refusing.ask("Save?", "Q", true), Answer::Cancel);
    EXPECT_EQ(refusing.askText("Item number", "Find", "12"), std::nullopt);

    ConsoleMessages accepting(true, stdout, err);
    EXPECT_TRUE(accepting.confirm("Are you sure?", "Delete", MessageKind::Warning));
    EXPECT_EQ(accepting.ask("Save?", "Q", true), Answer::Yes);
    EXPECT_EQ(accepting.askText("Item number", "Find", "12"), std::optional<std::string>("12"));
    // Each question is still shown, so a log of the run says what was decided.
    EXPECT_NE(contents(err).find("Delete: Are you sure?\n"), std::string::npos);
    std::fclose(err);
}

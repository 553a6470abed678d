#pragma once
// The screens the widget tests run on: Qt's offscreen platform with the two
// screen sizes a shop's till has, 800 x 600 (the first, where windows open
// unless told otherwise) and 1024 x 768 beside it.

#include <QGuiApplication>
#include <QScreen>
#include <QSize>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace ovix::test {

inline constexpr QSize kSmallScreen(800, 600);
inline constexpr QSize kLargeScreen(1024, 768);

// Where the screens are described for the platform to read.
inline std::string &testScreensFile()
{
    static std::string path;
    return path;
}

// Sets the platform to offscreen with both screens; call before the
// application object is made, and removeTestScreensFile() right after.
inline void useTestScreens()
{
    std::string &path = testScreensFile();
    path = (std::filesystem::temp_directory_path()
        / ("ovix-test-screens-" + std::to_string(getpid()) + ".json"))
               .string();
    if (FILE *file = std::fopen(path.c_str(), "w")) {
        std::fprintf(file,
            "{\"synchronousWindowSystemEvents\": false, \"windowFrameMargins\": true,\n"
            " \"screens\": [\n"
            "  {\"name\": \"small\", \"x\": 0, \"y\": 0, \"width\": %d, \"height\": %d,"
            " \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1},\n"
            "  {\"name\": \"large\", \"x\": %d, \"y\": 0, \"width\": %d, \"height\": %d,"
            " \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}\n",
            kSmallScreen.width(), kSmallScreen.height(), kSmallScreen.width(), kLargeScreen.width(),
            kLargeScreen.height());
        std::fclose(file);
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).c_str());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// Removes the description once the platform has read it; the programs the
// tests start get the plain offscreen platform.
inline void removeTestScreensFile()
{
    if (!testScreensFile().empty())
        std::remove(testScreensFile().c_str());
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The test screen of `size`, or null when the platform did not make it.
inline QScreen *testScreen(QSize size)
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->geometry().size() == size)
            return screen;
    return nullptr;
}

} // namespace ovix::test

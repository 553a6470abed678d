// Runs the widget tests inside one application object on Qt's offscreen platform.

#include "platform/c_format.h"
#include "widgets/test_screens.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ovix::test::useTestScreens();
    QApplication app(argc, argv);
    ovix::test::removeTestScreensFile();
    ovix::useCNumericLocale();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

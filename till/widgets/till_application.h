#pragma once
// One run of the till program in the shop's data folder: the checks before
// any window, the loading of the data, the main window and the splash, the
// first log-on and the tips, the message loop, and the switch-off.

#include <string>

namespace ovix {

class TillApplication {
public:
    // `dataFolder` is the shop's folder (the working directory).
    explicit TillApplication(std::string dataFolder);

    // Runs the till inside the QApplication that exists already. Returns the
    // exit code: 0 after a normal run and when another till already works on
    // the folder (then nothing is shown or touched), 1 when the start failed.
    int run();

private:
    std::string dataFolder_;
};

} // namespace ovix

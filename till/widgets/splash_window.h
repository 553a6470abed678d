#pragma once
// The picture shown for two seconds while the till starts: 400 x 198 pixels,
// centred on the desktop, without a frame. Pure blue (0, 0, 255) in the
// picture is see-through.

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace ovix {

inline constexpr int kSplashWidth = 400;
inline constexpr int kSplashHeight = 198;
inline constexpr int kSplashMilliseconds = 2000;

// The splash picture (built in), with pure blue where the desktop shows through.
QPixmap drawSplashPicture();

class SplashWindow : public QWidget {
public:
    // `closed` runs once, when the window closes (after the two seconds, or
    // when closed early).
    explicit SplashWindow(std::function<void()> closed);

    // Shows the window centred on the primary screen and closes it after
    // `milliseconds`.
    void start(int milliseconds = kSplashMilliseconds);

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPixmap picture_;
    std::function<void()> closed_;
};

} // namespace ovix

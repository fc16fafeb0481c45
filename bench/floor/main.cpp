// The floor the battlefield's idle cost is measured against: the least a Qt
// Widgets program can do to show the same amount of change. A full-screen
// black window keeps a persistent backing image and, every 16 ms, paints as
// many 48 x 48 cells as the idle match changes per tick and asks Qt to
// present only those.
//
//   grimhollow-floor [--cells N] [--whole]
//
// N may be fractional (3.7 paints three cells on most ticks and four on
// some). --whole presents the whole window every tick instead, which is what
// the battlefield used to do.
#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kCell = 48;
constexpr int kPlaces = 10;

class Floor final : public QWidget {
public:
    Floor(double cellsPerTick, bool whole) : cellsPerTick_(cellsPerTick), whole_(whole)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle(QStringLiteral("grimhollow-floor"));
        // Two frames per place, like an idle unit stepping between poses.
        for (int f = 0; f < 2; ++f) {
            QImage& pic = frames_[static_cast<std::size_t>(f)];
            pic = QImage(kCell, kCell, QImage::Format_RGB32);
            pic.fill(Qt::black);
            QPainter p(&pic);
            p.setBrush(f ? QColor(200, 160, 90) : QColor(90, 160, 200));
            p.drawEllipse(8 + f * 2, 6, 30, 36);
        }
        connect(&timer_, &QTimer::timeout, this, &Floor::Tick);
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.start(16);
    }

protected:
    void resizeEvent(QResizeEvent*) override
    {
        const qreal dpr = devicePixelRatioF();
        image_ = QImage(size() * dpr, QImage::Format_RGB32);
        image_.setDevicePixelRatio(dpr);
        image_.fill(Qt::black);
    }

    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        const qreal dpr = image_.devicePixelRatio();
        for (const QRect& r : event->region())
            p.drawImage(QRectF(r), image_,
                        QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
    }

private:
    void Tick()
    {
        owed_ += cellsPerTick_;
        QRegion changed;
        if (owed_ >= 1.0) {
            QPainter p(&image_);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            while (owed_ >= 1.0) {
                owed_ -= 1.0;
                next_ = (next_ + 3) % kPlaces;
                std::uint8_t& frame = frameAt_[static_cast<std::size_t>(next_)];
                frame ^= 1;
                const QRect cell(96 + next_ * 2 * kCell, 240 + (next_ % 3) * kCell, kCell, kCell);
                p.drawImage(cell.topLeft(), frames_[frame]);
                changed += cell;
            }
        }
        if (whole_)
            update();
        else if (!changed.isEmpty())
            update(changed);
    }

    double cellsPerTick_;
    bool whole_;
    double owed_ = 0;
    int next_ = 0;
    std::array<std::uint8_t, kPlaces> frameAt_{};
    std::array<QImage, 2> frames_;
    QImage image_;
    QTimer timer_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    double cells = 4.0;
    bool whole = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--cells") == 0 && i + 1 < argc)
            cells = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--whole") == 0)
            whole = true;
    }
    Floor floor(cells, whole);
    floor.showFullScreen();
    return QApplication::exec();
}

#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstdint>

class QPainter;

namespace gh {

// The author's message: a black screen on which the text rises from the
// bottom edge, white in the middle and fading towards both edges. Plus and
// minus change the speed; a click or Esc sends it away. It runs on its own
// timer, so the battlefield's timers go on underneath.
class FrmAvtor final : public QWidget {
    Q_OBJECT
public:
    explicit FrmAvtor(QWidget* parent = nullptr);

    QTimer* Tmr;

    float ScrollY = 0;            // top of line 0, twips
    float TextLeft = 0;           // left of every line, twips
    std::int16_t ScrollSpeed = 0; // twips the text rises per tick
    float CenterY = 0;            // the line of full brightness
    float LineY = 0;
    std::int16_t LineNo = 0;
    QString LineText;
    std::int32_t Brightness = 0;

    // One tick of Tmr: the text rises (or starts over) and is drawn again.
    void TmrTick();
    // Prints all 40 lines at the current scroll position.
    void ShowText(QPainter& p);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    float HeightTwips() const;
};

} // namespace gh

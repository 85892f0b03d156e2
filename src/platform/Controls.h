#pragma once

#include <QLabel>
#include <QPixmap>

// A picture that can be clicked, like the original's image controls.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

signals:
    void clicked();
    void rightClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A picture given the focus is clicked with Space or Enter.
    void keyPressEvent(QKeyEvent* event) override;
};

// A one-line label for a value of any length. Given less room than its text needs, it ends the
// text in "..." and offers the whole text as its tool tip; text() is always the whole text.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    bool Elided() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect TextRect() const;
    void UpdateTip();
};

// The program's own logo, drawn at the given size in pixels.
QPixmap ProductLogo(int size);
// A telephone handset, the picture of the dial buttons.
QPixmap PhonePicture(int size);

class QToolButton;

// Spin buttons: an up and a down arrow around a value held between a minimum and a maximum.
// The signals come only from the user's clicks, after the value has moved; setting the value
// from code signals nothing.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Vertical);

    int Value() const { return value_; }
    void SetValue(int value);
    void SetRange(int minimum, int maximum);

    // Clicks the arrows as the user would.
    void ClickUp();
    void ClickDown();

signals:
    void UpClick();
    void DownClick();
    void ValueShown(int value);

protected:
    // A wheel notch away from the user is a click up, towards the user a click down.
    void wheelEvent(QWheelEvent* event) override;

private:
    int wheelPending_ = 0;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    int value_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
};

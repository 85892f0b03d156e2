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

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The program's own logo, drawn at the given size in pixels.
QPixmap ProductLogo(int size);

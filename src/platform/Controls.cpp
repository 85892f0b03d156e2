#include "platform/Controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

PictureBox::PictureBox(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint())) {
        if (event->button() == Qt::LeftButton)
            emit clicked();
        else if (event->button() == Qt::RightButton)
            emit rightClicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QSize hint = QLabel::minimumSizeHint();
    const int frame = 2 * (frameWidth() + margin());
    return {std::min(hint.width(), fontMetrics().horizontalAdvance(QStringLiteral("Wm...")) + frame), hint.height()};
}

QRect ElidedLabel::TextRect() const
{
    // Where QLabel itself puts the text: inside the frame and margin, after its indent.
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int indent = this->indent() >= 0 ? this->indent()
                       : frameWidth() > 0  ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                                           : 0;
    if (alignment() & Qt::AlignRight)
        area.setRight(area.right() - indent);
    else if (!(alignment() & Qt::AlignHCenter))
        area.setLeft(area.left() + indent);
    return area;
}

bool ElidedLabel::Elided() const
{
    return fontMetrics().horizontalAdvance(text()) > TextRect().width();
}

void ElidedLabel::UpdateTip()
{
    const QString tip = Elided() ? text() : QString();
    if (toolTip() != tip)
        setToolTip(tip);
}

bool ElidedLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        UpdateTip();
    return QLabel::event(event);
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    UpdateTip();
}

void ElidedLabel::paintEvent(QPaintEvent* event)
{
    UpdateTip();
    if (!Elided()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = TextRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), shown, foregroundRole());
}

QPixmap ProductLogo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    // A house with a roof and a door, in the colours of a site sign.
    painter.setPen(QPen(QColor(40, 40, 40), s / 32));
    painter.setBrush(QColor(255, 190, 0));
    painter.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.1, s * 0.1);

    QPainterPath roof;
    roof.moveTo(s * 0.18, s * 0.48);
    roof.lineTo(s * 0.5, s * 0.18);
    roof.lineTo(s * 0.82, s * 0.48);
    roof.closeSubpath();
    painter.setBrush(QColor(180, 40, 30));
    painter.drawPath(roof);

    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(s * 0.26, s * 0.48, s * 0.48, s * 0.34));
    painter.setBrush(QColor(70, 70, 70));
    painter.drawRect(QRectF(s * 0.44, s * 0.6, s * 0.12, s * 0.22));
    return pixmap;
}

QPixmap PhonePicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 130, 60));
    painter.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.18, s * 0.18);

    // The handset: a curved grip with a wider ear piece and mouth piece at its ends, lying
    // along the grip.
    painter.setPen(QPen(Qt::white, s * 0.12, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(s * 0.2, s * 0.2, s * 0.6, s * 0.6), 140 * 16, 170 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPointF& end : {QPointF(s * 0.33, s * 0.31), QPointF(s * 0.69, s * 0.67)}) {
        painter.save();
        painter.translate(end);
        painter.rotate(-45);
        painter.drawRoundedRect(QRectF(-s * 0.17, -s * 0.1, s * 0.34, s * 0.2), s * 0.08, s * 0.08);
        painter.restore();
    }
    return pixmap;
}

UpDown::UpDown(QWidget* parent, Qt::Orientation orientation) : QWidget(parent)
{
    auto* layout = orientation == Qt::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                                               : static_cast<QBoxLayout*>(new QHBoxLayout(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const bool vertical = orientation == Qt::Vertical;
    up_ = new QToolButton(this);
    up_->setArrowType(vertical ? Qt::UpArrow : Qt::RightArrow);
    down_ = new QToolButton(this);
    down_->setArrowType(vertical ? Qt::DownArrow : Qt::LeftArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFixedSize(vertical ? QSize(22, 16) : QSize(20, 22));
    }
    // Up above down; left (down) before right (up).
    layout->addWidget(vertical ? up_ : down_);
    layout->addWidget(vertical ? down_ : up_);
    connect(up_, &QToolButton::clicked, this, &UpDown::ClickUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::ClickDown);
}

void UpDown::SetValue(int value)
{
    value_ = std::clamp(value, minimum_, maximum_);
    emit ValueShown(value_);
}

void UpDown::SetRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
    SetValue(value_);
}

void UpDown::ClickUp()
{
    SetValue(value_ + 1);
    emit UpClick();
}

void UpDown::ClickDown()
{
    SetValue(value_ - 1);
    emit DownClick();
}

void UpDown::wheelEvent(QWheelEvent* event)
{
    const int rotation = event->angleDelta().y();
    if (rotation == 0 || !isEnabled()) {
        event->ignore();
        return;
    }
    if ((wheelPending_ > 0) != (rotation > 0))
        wheelPending_ = 0;
    wheelPending_ += rotation;
    for (; wheelPending_ >= 120; wheelPending_ -= 120)
        ClickUp();
    for (; wheelPending_ <= -120; wheelPending_ += 120)
        ClickDown();
    event->accept();
}

#include "platform/Printer.h"

#include "platform/Units.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace {
constexpr double TwipsPerPoint = 20.0;
constexpr double TwipsPerDot = 1440.0 / 600.0;
} // namespace

QFont PrinterFont(const QString& name, double points, bool bold, bool italic)
{
    QFont font(name);
    // Measured and drawn at 1,440 units to the inch, so one unit is one twip.
    font.setPixelSize(std::max(1, int(std::lround(points * TwipsPerPoint))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::ForceOutline);
    return font;
}

Printer::Printer()
{
    Reset();
}

Printer::~Printer() = default;

void Printer::Reset()
{
    pages_ = {QList<PrintOperation>{}};
    CurrentX = 0;
    CurrentY = 0;
    FontName = QStringLiteral("Arial");
    FontSize = 10;
    FontBold = false;
    FontItalic = false;
    ForeColor = 0;
    DrawWidth = 1;
    Width = 12240;
}

PrintOperation Printer::Styled(PrintOperation::Kind kind) const
{
    PrintOperation op;
    op.kind = kind;
    op.fontName = FontName;
    op.fontSize = FontSize;
    op.bold = FontBold;
    op.italic = FontItalic;
    op.color = ForeColor;
    op.lineWidth = DrawWidth;
    return op;
}

void Printer::Print(const QString& text)
{
    if (!text.isEmpty()) {
        PrintOperation op = Styled(PrintOperation::Text);
        op.x = CurrentX;
        op.y = CurrentY;
        op.text = text;
        pages_.last().append(op);
    }
    CurrentX = 0;
    CurrentY += TextHeight(text.isEmpty() ? QStringLiteral("A") : text);
}

double Printer::TextWidth(const QString& text) const
{
    return QFontMetricsF(PrinterFont(FontName, FontSize, FontBold, FontItalic)).horizontalAdvance(text);
}

double Printer::TextHeight(const QString& text) const
{
    Q_UNUSED(text);
    return QFontMetricsF(PrinterFont(FontName, FontSize, FontBold, FontItalic)).height();
}

void Printer::Draw(PrintOperation::Kind kind, double x1, double y1, double x2, double y2, quint32 color)
{
    PrintOperation op = Styled(kind);
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    pages_.last().append(op);
    // Like the pen of a plotter, the position ends at the far corner.
    CurrentX = x2;
    CurrentY = y2;
}

void Printer::Line(double x1, double y1, double x2, double y2, quint32 color)
{
    Draw(PrintOperation::Line, x1, y1, x2, y2, color);
}

void Printer::Box(double x1, double y1, double x2, double y2, quint32 color)
{
    Draw(PrintOperation::Box, x1, y1, x2, y2, color);
}

void Printer::PaintPicture(const QImage& picture, double x, double y, double width, double height)
{
    if (picture.isNull())
        return;
    PrintOperation op = Styled(PrintOperation::Picture);
    op.x = x;
    op.y = y;
    op.x2 = width;
    op.y2 = height;
    op.picture = picture;
    pages_.last().append(op);
}

void Printer::NewPage()
{
    pages_.append(QList<PrintOperation>{});
    CurrentX = 0;
    CurrentY = 0;
}

void Printer::SetTarget(std::shared_ptr<QPrinter> target)
{
    target_ = std::move(target);
}

bool Printer::TargetIsFile() const
{
    return target_ && target_->outputFormat() == QPrinter::PdfFormat;
}

void Printer::BeginRun(std::shared_ptr<QPrinter> target)
{
    documents_.clear();
    pending_.clear();
    openFailed_ = false;
    target_ = std::move(target);
}

bool Printer::EndDoc()
{
    documents_.append({pages_, orientation});
    if (!target_)
        return true;
    target_->setCopyCount(std::max(1, copies));
    target_->setColorMode(colorMode ? QPrinter::Color : QPrinter::GrayScale);
    // A file takes every document of the run at once; rendering it again would start it anew.
    if (TargetIsFile()) {
        pending_.append({pages_, orientation});
        return true;
    }
    bool opened = true;
    const bool rendered = Render(QList<Document>{{pages_, orientation}}, *target_, &opened);
    openFailed_ = !opened;
    return rendered;
}

bool Printer::EndRun()
{
    bool rendered = true;
    if (target_ && !pending_.isEmpty()) {
        bool opened = true;
        rendered = Render(pending_, *target_, &opened);
        openFailed_ = !opened;
    }
    pending_.clear();
    target_.reset();
    return rendered;
}

bool Printer::Render(const QList<QList<PrintOperation>>& pages, QPrinter& target, Orientation orientation)
{
    return Render(QList<Document>{{pages, orientation}}, target);
}

bool Printer::Render(const QList<Document>& documents, QPrinter& target, bool* opened)
{
    const auto layoutOf = [](Orientation orientation) {
        return orientation == Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
    };
    target.setPageSize(QPageSize(QPageSize::Letter));
    target.setPageOrientation(layoutOf(documents.isEmpty() ? Portrait : documents.first().orientation));
    target.setFullPage(true);
    QPainter painter;
    const bool begun = painter.begin(&target);
    if (opened)
        *opened = begun;
    if (!begun)
        return false;
    const double scale = target.resolution() / 1440.0;
    bool first = true;
    for (const Document& document : documents) {
        for (const QList<PrintOperation>& page : document.pages) {
            if (!first) {
                target.setPageOrientation(layoutOf(document.orientation));
                if (!target.newPage())
                    return false;
            }
            first = false;
            painter.resetTransform();
            painter.scale(scale, scale);
            for (const PrintOperation& op : page) {
                const QColor color = ColorFromValue(op.color);
                switch (op.kind) {
                case PrintOperation::Text: {
                    const QFont font = PrinterFont(op.fontName, op.fontSize, op.bold, op.italic);
                    painter.setFont(font);
                    painter.setPen(color);
                    painter.drawText(QPointF(op.x, op.y + QFontMetricsF(font).ascent()), op.text);
                    break;
                }
                case PrintOperation::Line:
                case PrintOperation::Box: {
                    QPen pen(color);
                    pen.setWidthF(std::max(1, op.lineWidth) * TwipsPerDot);
                    painter.setPen(pen);
                    painter.setBrush(Qt::NoBrush);
                    if (op.kind == PrintOperation::Line)
                        painter.drawLine(QPointF(op.x, op.y), QPointF(op.x2, op.y2));
                    else
                        painter.drawRect(QRectF(QPointF(op.x, op.y), QPointF(op.x2, op.y2)));
                    break;
                }
                case PrintOperation::Picture:
                    painter.drawImage(QRectF(op.x, op.y, op.x2, op.y2), op.picture);
                    break;
                }
            }
        }
    }
    return painter.end();
}

Printer& ThePrinter()
{
    static Printer printer;
    return printer;
}

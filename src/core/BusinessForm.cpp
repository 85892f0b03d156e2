#include "core/BusinessForm.h"

#include "core/Printing.h"
#include "core/Settings.h"
#include "platform/Printer.h"

#include <algorithm>

namespace {

constexpr quint32 PureGreen = 0x00FF00;

void HorizontalRule(int y)
{
    Frame().FrameY1 = y;
    Frame().FrameY2 = y;
    ThePrinter().Line(360, y, 11880, y, Settings().BorderColor);
}

void VerticalRule(int x, int top, int bottom)
{
    Frame().FrameX1 = x;
    Frame().FrameX2 = x;
    ThePrinter().Line(x, top, x, bottom, Settings().BorderColor);
}

void PrintLine(double left, const QString& text)
{
    ThePrinter().CurrentX = left * 1440.0;
    ThePrinter().Print(text);
}

} // namespace

FormFrame& Frame()
{
    static FormFrame frame;
    return frame;
}

void PrintGenericForm(bool variant, const QString& title, double letterheadTop)
{
    SetPrintColour(false);
    ThePrinter().Width = 12240;
    DrawFormFrame();
    DrawFormLayout(variant);
    const FormTitlePlace place = PlaceFormTitle(title, 5.5, 1.0, letterheadTop, 14);
    PrintFormTitle(title, place.Top, place.Left, place.Size);
    PrintCompanyHeader(1.0, letterheadTop, 14);
}

void DrawFormFrame()
{
    Printer& printer = ThePrinter();
    printer.DrawWidth = 6;
    printer.ForeColor = Live().BorderForeColor;
    FormFrame& frame = Frame();
    frame.FrameX1 = 360;
    frame.FrameY1 = 504;
    frame.FrameX2 = 11880;
    frame.FrameY2 = 5040;
    printer.Box(frame.FrameX1, frame.FrameY1, frame.FrameX2, frame.FrameY2, Settings().BorderColor);
}

void DrawFormLayout(bool variant)
{
    DrawFormBoxes(variant);
    DrawFormRules1();
    if (variant)
        DrawFormRules2();
    else
        DrawFormRules3();
}

void DrawFormBoxes(bool variant)
{
    DrawFromLabel();
    if (variant) {
        HorizontalRule(12240);
        HorizontalRule(13680);
    } else {
        HorizontalRule(13392);
        HorizontalRule(13824);
    }
}

void DrawFromLabel()
{
    for (int y : {5760, 6120, 14400})
        HorizontalRule(y);
    Printer& printer = ThePrinter();
    SetPrintPosition(1.3, 10.1);
    SetPrintFont(14, true, false);
    printer.ForeColor = Live().ColorPrinting ? PureGreen : 0;
    printer.Print(QStringLiteral("from ") + Settings().BusinessName);
    printer.ForeColor = 0;
}

void DrawFormRules1()
{
    for (int x : {360, 1800, 11880})
        VerticalRule(x, 5760, 14400);
}

void DrawFormRules2()
{
    VerticalRule(3240, 5760, 12240);
    VerticalRule(7920, 5760, 12240);
    VerticalRule(10080, 5760, 14400);
}

void DrawFormRules3()
{
    VerticalRule(7920, 5760, 14400);
    VerticalRule(10080, 5760, 14400);
    VerticalRule(4680, 13392, 14400);
}

void PrintFormTitle(const QString& title, double top, double left, int size)
{
    SetPrintFont(size, true, false);
    SetPrintColour(false);
    SetPrintPosition(left, top);
    ThePrinter().Print(title);
    SetPrintColour(false);
    SetPrintFont(10, true, false);
}

namespace {

constexpr double TitleGap = 0.1;          // inches kept free around the title
constexpr double DateBlockTop = 0.9;      // the date, account and page lines of the work order
constexpr double FrameTopInches = 504 / 1440.0;
constexpr double FrameRightInches = 11880 / 1440.0;
constexpr int SmallestTitle = 8;

} // namespace

double LogoRightEdge()
{
    const LiveSettings& live = Live();
    // PrintLogo centres it on the width it is printed at.
    return live.AdjustedLogo.isNull() ? 0.0 : (ThePrinter().Width + live.LogoWidth) / 2;
}

FormTitleFit FitFormTitle(const QString& title, double left, double leftmost, double rightmost, int smallest,
                          double height)
{
    Printer& printer = ThePrinter();
    FormTitleFit fit;
    for (fit.Size = 28; fit.Size > smallest; --fit.Size) {
        SetPrintFont(fit.Size, true, false);
        if ((height <= 0 || printer.TextHeight(title) <= height) && leftmost + printer.TextWidth(title) <= rightmost)
            break;
    }
    SetPrintFont(fit.Size, true, false);
    const double width = printer.TextWidth(title);
    // At its own place when that is clear; else moved left just enough to end inside the frame.
    fit.Left = std::max(left, leftmost);
    if (fit.Left + width > rightmost)
        fit.Left = std::max(leftmost, rightmost - width);
    return fit;
}

FormTitlePlace PlaceFormTitle(const QString& title, double left, double letterheadLeft, double letterheadTop,
                              int nameSize)
{
    Printer& printer = ThePrinter();
    const double size0 = printer.FontSize;
    const bool bold0 = printer.FontBold;
    const bool italic0 = printer.FontItalic;

    // The title line lies between the frame's top and the date block.
    const double bandTop = FrameTopInches + TitleGap / 2;
    const double bandBottom = DateBlockTop - TitleGap / 2;
    // What the title must stay right of: the letterhead where it reaches the title line, and the logo.
    double obstacleRight = 0;
    const QStringList lines = CompanyHeaderLines();
    double y = letterheadTop;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        SetPrintFont(i == 0 ? nameSize : 10, i == 0, false);
        const double height = printer.TextHeight(QStringLiteral("Ag")) / 1440.0;
        if (!lines.at(i).isEmpty() && y < bandBottom && y + height > bandTop)
            obstacleRight = std::max(obstacleRight, letterheadLeft + printer.TextWidth(lines.at(i)) / 1440.0);
        y += height;
    }
    obstacleRight = std::max(obstacleRight, LogoRightEdge() / 1440.0);
    const double leftmost = obstacleRight > 0 ? obstacleRight + TitleGap : 0.0;
    const double rightmost = FrameRightInches - TitleGap;

    const FormTitleFit fit =
        FitFormTitle(title, left * 1440, leftmost * 1440, rightmost * 1440, SmallestTitle, (bandBottom - bandTop) * 1440);
    FormTitlePlace place;
    place.Size = fit.Size;
    place.Left = fit.Left / 1440.0;
    SetPrintFont(place.Size, true, false);
    // Raised within the frame as far as the date block below needs.
    place.Top = std::max(bandTop, std::min(0.5, bandBottom - printer.TextHeight(title) / 1440.0));

    printer.FontSize = size0;
    printer.FontBold = bold0;
    printer.FontItalic = italic0;
    return place;
}

QStringList CompanyHeaderLines()
{
    const SettingsValues& s = Settings();
    QStringList lines{s.BusinessName, s.BusinessStreet};
    if (!s.BusinessAddress2.isEmpty())
        lines.append(s.BusinessAddress2);
    if (Live().IsUsaStyle()) {
        QString line;
        if (!s.BusinessCity.isEmpty())
            line += s.BusinessCity + QStringLiteral(", ");
        if (!s.BusinessState.isEmpty())
            line += s.BusinessState + QStringLiteral(". ") + s.BusinessZip;
        if (!line.isEmpty())
            lines.append(line);
    } else {
        if (!s.BusinessCity.isEmpty())
            lines.append(s.BusinessCity);
        if (!s.BusinessState.isEmpty())
            lines.append(s.BusinessState);
    }
    if (!s.BusinessPhone.isEmpty())
        lines.append(QStringLiteral("Telephone: ") + s.BusinessPhone);
    if (!s.BusinessFax.isEmpty())
        lines.append(s.BusinessFax);
    if (!s.BusinessExtra.isEmpty())
        lines.append(s.BusinessExtra);
    return lines;
}

void PrintCompanyHeader(double left, double top, int nameSize)
{
    SetPrintColour(true);
    SetPrintPosition(left, top);
    const QStringList lines = CompanyHeaderLines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        SetPrintFont(i == 0 ? nameSize : 10, i == 0, false);
        PrintLine(left, lines.at(i));
    }
}

void PrintAddressBlock(const QString& name, const QString& street, const QString& secondLine, const QString& city,
                       const QString& state, const QString& postalCode, double top)
{
    SetPrintPosition(1.0, top);
    PrintLine(1.0, name);
    PrintLine(1.0, street);
    if (!secondLine.isEmpty())
        PrintLine(1.0, secondLine);
    if (Live().IsUsaStyle()) {
        PrintLine(1.0, city + QStringLiteral(", ") + state + QLatin1Char(' ') + postalCode);
    } else {
        PrintLine(1.0, city);
        PrintLine(1.0, postalCode);
    }
    ThePrinter().ForeColor = 0;
}

void PrintLogo()
{
    Printer& printer = ThePrinter();
    LiveSettings& live = Live();
    printer.CurrentY = 144;
    if (live.LogoHeight > 1799)
        live.LogoHeight = 1800;
    if (live.AdjustedLogo.isNull())
        return;
    // Centred on the width it is printed at.
    const double x = (printer.Width - live.LogoWidth) / 2;
    printer.PaintPicture(live.AdjustedLogo, x, printer.CurrentY, live.LogoWidth, live.LogoHeight);
}

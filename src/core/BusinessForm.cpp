#include "core/BusinessForm.h"

#include "core/Printing.h"
#include "core/Settings.h"
#include "platform/Printer.h"

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
    PrintFormTitle(title, 0.5, 5.5);
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

void PrintFormTitle(const QString& title, double top, double left)
{
    SetPrintFont(28, true, false);
    SetPrintColour(false);
    SetPrintPosition(left, top);
    ThePrinter().Print(title);
    SetPrintColour(false);
    SetPrintFont(10, true, false);
}

void PrintCompanyHeader(double left, double top, int nameSize)
{
    const SettingsValues& s = Settings();
    SetPrintColour(true);
    SetPrintPosition(left, top);
    SetPrintFont(nameSize, true, false);
    PrintLine(left, s.BusinessName);
    SetPrintFont(10, false, false);
    PrintLine(left, s.BusinessStreet);
    if (!s.BusinessAddress2.isEmpty())
        PrintLine(left, s.BusinessAddress2);
    if (Live().IsUsaStyle()) {
        QString line;
        if (!s.BusinessCity.isEmpty())
            line += s.BusinessCity + QStringLiteral(", ");
        if (!s.BusinessState.isEmpty())
            line += s.BusinessState + QStringLiteral(". ") + s.BusinessZip;
        if (!line.isEmpty())
            PrintLine(left, line);
    } else {
        if (!s.BusinessCity.isEmpty())
            PrintLine(left, s.BusinessCity);
        if (!s.BusinessState.isEmpty())
            PrintLine(left, s.BusinessState);
    }
    if (!s.BusinessPhone.isEmpty())
        PrintLine(left, QStringLiteral("Telephone: ") + s.BusinessPhone);
    if (!s.BusinessFax.isEmpty())
        PrintLine(left, s.BusinessFax);
    if (!s.BusinessExtra.isEmpty())
        PrintLine(left, s.BusinessExtra);
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

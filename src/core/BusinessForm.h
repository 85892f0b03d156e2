#pragma once

#include <QString>
#include <QStringList>

// The printed business form that work orders are printed on: a ruled letter page with a framed
// header, the document title, the company letterhead and logo, and a ruled table in one of two
// column layouts. The letterhead and the address block also serve the reports.

// The corners of the header frame, also the working coordinates of the rules.
struct FormFrame {
    int FrameX1 = 0;
    int FrameX2 = 0;
    int FrameY1 = 0;
    int FrameY2 = 0;
};
FormFrame& Frame();

void PrintGenericForm(bool variant, const QString& title, double letterheadTop);
void DrawFormFrame();
void DrawFormLayout(bool variant);
void DrawFormBoxes(bool variant);
void DrawFromLabel();
void DrawFormRules1();
void DrawFormRules2();
void DrawFormRules3();
void PrintFormTitle(const QString& title, double top, double left, int size = 28);
// Where a form title prints whole and clear of what the header holds: at `left` on the title
// line, or right of the letterhead (printed from `letterheadLeft`, `letterheadTop` with its name
// at `nameSize`) and of the logo where they reach the title line; moved left rather than past
// the frame's right edge; above the date block; smaller than 28 points only when it must be.
struct FormTitlePlace {
    double Left = 0; // inches
    double Top = 0;  // inches
    int Size = 28;
};
FormTitlePlace PlaceFormTitle(const QString& title, double left, double letterheadLeft, double letterheadTop,
                              int nameSize);
// The right edge of the printed logo in twips; 0 when no logo prints.
double LogoRightEdge();
// A bold title between `leftmost` and `rightmost` (twips), `height` high at most (0: any): the
// largest size from 28 points down to `smallest` at which it fits, and where it starts: at
// `left` when it fits there, else moved left as far as it must, never past `leftmost`.
struct FormTitleFit {
    double Left = 0; // twips
    int Size = 28;
};
FormTitleFit FitFormTitle(const QString& title, double left, double leftmost, double rightmost, int smallest,
                          double height = 0);
// The lines of the letterhead, the business name first.
QStringList CompanyHeaderLines();
void PrintCompanyHeader(double left, double top, int nameSize);
void PrintAddressBlock(const QString& name, const QString& street, const QString& secondLine, const QString& city,
                       const QString& state, const QString& postalCode, double top);
void PrintLogo();

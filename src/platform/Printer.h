#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QPrinter;

// The printer as the program's reports use it: positions and sizes in twips (1,440 to the inch)
// from the top left of the page, a current print position that printing a line of text moves
// to the next line, a font and a text colour, lines, boxes and pictures, new pages and the end
// of the document. Each page is kept as a list of drawing operations (which tests read); the
// end of the document renders them through QPainter onto the printer chosen in the printer
// dialog, or into a PDF file.

struct PrintOperation {
    enum Kind { Text, Line, Box, Picture };
    Kind kind = Text;
    double x = 0;
    double y = 0;
    double x2 = 0; // Line, Box: the far corner; Picture: width and height in x2, y2
    double y2 = 0;
    QString text;
    QString fontName;
    double fontSize = 0;
    bool bold = false;
    bool italic = false;
    quint32 color = 0;
    int lineWidth = 1;
    QImage picture;
};

class Printer {
public:
    enum Orientation { Portrait, Landscape };

    Printer();
    ~Printer();

    // A fresh document: no pages drawn, position at the top left, default font and colours.
    void Reset();

    // Paper (letter): 12240 x 15840 twips upright, 15840 x 12240 on its side.
    Orientation orientation = Portrait;
    bool colorMode = true;
    int copies = 1;
    // The width the reports lay out on; set by the reports.
    double Width = 12240;
    // The paper itself, as the orientation turns it.
    double PageWidth() const { return orientation == Portrait ? 12240 : 15840; }
    double Height() const { return orientation == Portrait ? 15840 : 12240; }

    double CurrentX = 0;
    double CurrentY = 0;
    QString FontName = QStringLiteral("Arial");
    double FontSize = 10;
    bool FontBold = false;
    bool FontItalic = false;
    quint32 ForeColor = 0;
    // Line width in printer dots of 1/600 inch.
    int DrawWidth = 1;

    // Prints the text at the current position, then moves to the start of the next line.
    void Print(const QString& text);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;
    void Line(double x1, double y1, double x2, double y2, quint32 color);
    void Box(double x1, double y1, double x2, double y2, quint32 color);
    void PaintPicture(const QImage& picture, double x, double y, double width, double height);
    void NewPage();

    // Ends the document: a system printer prints it at once, as a job of its own; into a PDF
    // file it is kept to follow the run's earlier documents (EndRun writes them). False when
    // printing failed. The pages stay readable until the next Reset.
    bool EndDoc();

    // The pages drawn since the last Reset (the one being drawn last).
    const QList<QList<PrintOperation>>& Pages() const { return pages_; }

    struct Document {
        QList<QList<PrintOperation>> pages;
        Orientation orientation = Portrait;
    };
    // The documents ended since the run began, in order.
    const QList<Document>& Documents() const { return documents_; }

    // A print run of one or more documents to the printer the printer dialog set up. With none
    // set, the documents are only recorded.
    void BeginRun(std::shared_ptr<QPrinter> target);
    // Writes the documents kept for a PDF file into it, one after the other; false when that
    // failed. The run's printer is forgotten.
    bool EndRun();
    // The last failure of the run came from a printer or file that could not be opened at all.
    bool OpenFailed() const { return openFailed_; }
    void SetTarget(std::shared_ptr<QPrinter> target);
    // Renders recorded pages onto a printer or PDF writer (QPrinter set to PDF output).
    static bool Render(const QList<QList<PrintOperation>>& pages, QPrinter& target, Orientation orientation);
    // Several documents in one rendering, each page in its document's orientation. `opened`
    // tells whether the printer or file could be opened.
    static bool Render(const QList<Document>& documents, QPrinter& target, bool* opened = nullptr);

private:
    PrintOperation Styled(PrintOperation::Kind kind) const;
    void Draw(PrintOperation::Kind kind, double x1, double y1, double x2, double y2, quint32 color);

    bool TargetIsFile() const;

    QList<QList<PrintOperation>> pages_;
    QList<Document> documents_;
    // Documents waiting for EndRun: those of a PDF file.
    QList<Document> pending_;
    std::shared_ptr<QPrinter> target_;
    bool openFailed_ = false;
};

// The one printer of the program.
Printer& ThePrinter();

// The font a report names, as the printer draws it ("Arial" is drawn by a font of the same
// widths where Arial itself is missing), at a size in twips.
class QFont;
QFont PrinterFont(const QString& name, double points, bool bold, bool italic);

#pragma once

#include <QString>

#include <deque>
#include <memory>
#include <optional>

// The program-wide common dialogs: open a file, choose a colour, choose a font, printer set-up.
// Cancel gives nothing. Tests install a script that answers from a queue.

std::optional<QString> ChooseOpenFile(const QString& title, const QString& filter);
// Colours are 32-bit values with red in the low byte.
std::optional<quint32> ChooseColor(quint32 initial);
std::optional<QString> ChooseFont(const QString& initialFamily);

// The copy count the printer dialog starts with.
int DialogCopies();
void SetDialogCopies(int copies);

class QPrinter;

// The printer dialog: the system's printers, or a PDF file. Cancel gives nothing. A chosen
// printer without a QPrinter (a test's "record only") lets the document be recorded alone.
struct PrinterChoice {
    std::shared_ptr<QPrinter> printer;
    int copies = 1;
};
std::optional<PrinterChoice> ChoosePrinter();

class DialogScript {
public:
    struct Answer {
        enum Kind { Cancel, Text, Color } kind = Cancel;
        QString text;
        quint32 color = 0;
    };

    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    void QueueCancel() { answers_.push_back({}); }
    void QueueFile(const QString& path) { answers_.push_back({Answer::Text, path}); }
    void QueueFont(const QString& family) { answers_.push_back({Answer::Text, family}); }
    void QueueColor(quint32 color) { answers_.push_back({Answer::Color, {}, color}); }
    // The printer dialog: print into this PDF file; an empty path records the pages only.
    void QueuePrinter(const QString& pdfPath = QString()) { answers_.push_back({Answer::Text, pdfPath}); }

    int Shown() const { return shown_; }
    int Unanswered() const { return unanswered_; }
    // What the last open dialog listed, and the file the last printer dialog proposed.
    const QString& Filter() const { return filter_; }
    const QString& ProposedFile() const { return proposedFile_; }
    void NoteFilter(const QString& filter) { filter_ = filter; }
    void NoteProposedFile(const QString& file) { proposedFile_ = file; }

    // The next queued answer (Cancel when none is left, which counts as unanswered).
    Answer Next();

private:
    std::deque<Answer> answers_;
    int shown_ = 0;
    int unanswered_ = 0;
    QString filter_;
    QString proposedFile_;
};

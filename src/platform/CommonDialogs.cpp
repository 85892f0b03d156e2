#include "platform/CommonDialogs.h"

#include "platform/Units.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {
DialogScript*& InstalledScript()
{
    static DialogScript* script = nullptr;
    return script;
}

int& Copies()
{
    static int copies = 1;
    return copies;
}

// The PDF file chosen last in this run, which the printer dialog proposes again.
QString& LastPdfFile()
{
    static QString file;
    return file;
}

std::shared_ptr<QPrinter> DialogPrinter()
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setCopyCount(std::max(1, Copies()));
    if (!LastPdfFile().isEmpty())
        printer->setOutputFileName(LastPdfFile());
    return printer;
}

void NoteChosenPrinter(const QPrinter* printer)
{
    const bool toFile = printer && printer->outputFormat() == QPrinter::PdfFormat;
    LastPdfFile() = toFile ? printer->outputFileName() : QString();
}
} // namespace

DialogScript::DialogScript()
{
    InstalledScript() = this;
}

DialogScript::~DialogScript()
{
    if (InstalledScript() == this)
        InstalledScript() = nullptr;
}

DialogScript::Answer DialogScript::Next()
{
    ++shown_;
    if (answers_.empty()) {
        ++unanswered_;
        return {};
    }
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<QString> ChooseOpenFile(const QString& title, const QString& filter)
{
    if (DialogScript* script = InstalledScript()) {
        script->NoteFilter(filter);
        const DialogScript::Answer answer = script->Next();
        if (answer.kind == DialogScript::Answer::Text)
            return answer.text;
        return std::nullopt;
    }
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QString(), filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<quint32> ChooseColor(quint32 initial)
{
    if (DialogScript* script = InstalledScript()) {
        const DialogScript::Answer answer = script->Next();
        if (answer.kind == DialogScript::Answer::Color)
            return answer.color;
        return std::nullopt;
    }
    const QColor color = QColorDialog::getColor(ColorFromValue(initial), QApplication::activeWindow());
    if (!color.isValid())
        return std::nullopt;
    return ValueFromColor(color);
}

std::optional<QString> ChooseFont(const QString& initialFamily)
{
    if (DialogScript* script = InstalledScript()) {
        const DialogScript::Answer answer = script->Next();
        if (answer.kind == DialogScript::Answer::Text)
            return answer.text;
        return std::nullopt;
    }
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, QFont(initialFamily), QApplication::activeWindow());
    if (!ok)
        return std::nullopt;
    return font.family();
}

int DialogCopies()
{
    return Copies();
}

void SetDialogCopies(int copies)
{
    Copies() = copies;
}

std::optional<PrinterChoice> ChoosePrinter()
{
    if (DialogScript* script = InstalledScript()) {
        script->NoteProposedFile(LastPdfFile());
        const DialogScript::Answer answer = script->Next();
        if (answer.kind != DialogScript::Answer::Text)
            return std::nullopt;
        PrinterChoice choice;
        choice.copies = DialogCopies();
        if (!answer.text.isEmpty()) {
            choice.printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
            choice.printer->setOutputFormat(QPrinter::PdfFormat);
            choice.printer->setOutputFileName(answer.text);
        }
        NoteChosenPrinter(choice.printer.get());
        return choice;
    }
    std::shared_ptr<QPrinter> printer = DialogPrinter();
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    NoteChosenPrinter(printer.get());
    return PrinterChoice{printer, printer->copyCount()};
}

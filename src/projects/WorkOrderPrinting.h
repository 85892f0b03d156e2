#pragma once

#include <QString>
#include <QStringList>

// The printed work order: instruction pages with the narrative (or ruled lines to write on),
// then, when parts or services were chosen, the "Parts and Services List" pages on the business
// form; and the one-page summary report for the worker. Positions are in inches from the top
// left of the page unless twips are named.

struct WorkOrderDocument {
    QString Heading; // cut to 12 characters
    QString AccountNo;
    QString CustomerName;
    QString Address1;
    QString Address2;
    QString City;
    QString State;
    QString Zip2;
    QStringList Items;
    QStringList ItemPrices;
    QStringList Services;
    QStringList ServicePrices;
};

inline constexpr int HeadingLength = 12;
inline const QString WorkOrderNotPrinted = QStringLiteral("The Work Order will not be Printed");

// Draw onto the printer between the start and the end of a document.
void PrintWorkOrder(const WorkOrderDocument& document);
void PrintSummaryReport(const WorkOrderDocument& document);

void PrintWOPageFrame(const WorkOrderDocument& document, double top);
void PrintWOHeader(const QString& accountNo);
void PrintNarrative(const WorkOrderDocument& document);
void NewNarrativePage(const WorkOrderDocument& document);
void NewPartsPage(const WorkOrderDocument& document);
void PrintInvoiceHeaderLine();
void PrintPartsAndServices(const WorkOrderDocument& document);
void PrintRowRule();

// The print run after one printer dialog: the work order, then the summary when wanted. True
// when both went to the printer; a failure has been shown to the user.
bool PrintWorkOrderDocuments(const WorkOrderDocument& document, bool summary);

#pragma once

#include <QString>

struct ContactRecord;
struct CustomerRecord;

// The customer report: every customer as an address block, three across a landscape page, under
// the business letterhead.
void PrintReportHeader();
void PrintCustomerList();
void PrintCustomerEntry(int column, double rowTop, const CustomerRecord& customer);

// The contact report: every recipient as a block of five lines, three across a landscape page.
void PrintContactReport();
void PrintContactHeader();
void PrintAllContacts();
void PrintContactBlock(int column, double rowTop, const ContactRecord& contact);

#pragma once

#include <QString>

#include <array>

// What the customer screen hands the scheduling screen: the customer block (items 1 name, 2 and
// 3 address lines, 4 to 6 city, state and postal code or address lines 3 and 4 and an empty
// item 6, 7 telephone) and the account number. The scheduling screen takes it when it opens.
struct CustomerHandOverValues {
    std::array<QString, 8> Items; // 1 to 7
    QString AccountNo;
    // Set by a hand-over, cleared by the screen that takes it.
    bool Pending = false;
};

CustomerHandOverValues& CustomerHandOver();
void ResetCustomerHandOver();

// The boxes of the customer screen, as typed.
struct CustomerBoxes {
    bool Individual = false;
    QString Title, FirstName, Middle, LastName;
    QString BusinessName;
    QString Address1, Address2;
    QString City, State, Zip;       // USA style
    QString Address3, Address4;     // international style
    QString Telephone;
    QString AccountNo;
};

// The block a customer hands over. An individual is title, first name, then the middle box and
// the last name (a blank between them when the middle box holds something); a business its
// name as typed. Every other item is trimmed.
CustomerHandOverValues BuildHandOverBlock(const CustomerBoxes& boxes, bool usaStyle);

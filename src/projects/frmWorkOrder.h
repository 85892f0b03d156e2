#pragma once

#include "platform/Screen.h"

#include <QStringList>

#include <array>

class MultiLineTextBox;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
struct WorkOrderDocument;

// A work order or estimate for the customer handed over: a heading, a narrative of the work
// (from a template if wanted), and parts and services with their prices from the pick lists.
class frmWorkOrder : public Screen {
    Q_OBJECT
public:
    frmWorkOrder();

    void LoadAdditionalItems();
    void LoadServices();
    void LoadCustomItems();
    void ClearItemLists();
    void ClearServiceLists();
    void ClearSelectedLists();
    void SaveNarrativeTemplate();
    void LoadNarrativeTemplate();
    // What the printed documents take from the screen and the customer handed over.
    WorkOrderDocument Document() const;

    void cmdWO_Click(int Index);
    void mnuAccount_Click();
    void lstItems_Click(int row);
    void lstServices_Click(int row);

    QComboBox* cboHeading = nullptr;
    MultiLineTextBox* txtWONarrative = nullptr;
    QCheckBox* ckCompletion = nullptr;
    QGroupBox* fraAccount = nullptr;
    std::array<QLabel*, 8> lblAccount{};
    QAction* mnuAccount = nullptr;
    QListWidget* lstServices = nullptr;
    QListWidget* lstItems = nullptr;
    // 0 the services' prices, 1 the items'.
    std::array<QComboBox*, 2> cboPrices{};
    QListWidget* lstServicesList = nullptr;
    QListWidget* lstItemsList = nullptr;
    std::array<QListWidget*, 2> lstPrices{};
    // 0 "Menu", 1 "Print Documents", 2 "Hide", 3 "Clear All Services and Items ", 4 "Add Service",
    // 5 "Add Item", 6 "Save as a Template", 7 "Clear Narrative", 8 "Load a Template",
    // 9 "Select All" items, 10 "Select All" services.
    std::array<QPushButton*, 11> cmdWO{};

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;

private:
    QWidget* BuildPickLists();
    QWidget* BuildAccountFrame();
    // Adds the entry chosen in a pick list with the price in its price box (0 services, 1 items).
    void AddChosen(int which);
    void SelectAll(int which);
    void PrintDocuments();
    static QStringList Entries(const QListWidget* list);
};

// Whether a chosen list already holds the text (compared exactly).
bool IsChosen(const QStringList& chosen, const QString& text);

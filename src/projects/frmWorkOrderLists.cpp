// The pick lists of the work order and the parts and services chosen from them.
#include "projects/frmWorkOrder.h"

#include "core/Settings.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "projects/PickLists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

bool IsChosen(const QStringList& chosen, const QString& text)
{
    return chosen.contains(text, Qt::CaseSensitive);
}

QStringList frmWorkOrder::Entries(const QListWidget* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i)->text());
    return entries;
}

namespace {

void Fill(QListWidget* list, QComboBox* prices, const QList<PickEntry>& entries)
{
    const QSignalBlocker blockList(list);
    const QSignalBlocker blockPrices(prices);
    for (const PickEntry& entry : entries) {
        list->addItem(entry.Name);
        prices->addItem(entry.Price);
    }
    prices->setCurrentIndex(-1);
}

} // namespace

QWidget* frmWorkOrder::BuildPickLists()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    const char* const titles[2] = {"Services", "Sales Items"};
    const char* const chosenTitles[2] = {"Services on this Work Order", "Items on this Work Order"};
    for (int which = 0; which < 2; ++which) {
        auto* pick = new QGroupBox(QString::fromLatin1(titles[which]), panel);
        auto* box = new QGridLayout(pick);
        QListWidget* list = new QListWidget(pick);
        (which == 0 ? lstServices : lstItems) = list;
        box->addWidget(list, 0, 0, 1, 2);
        // The price caption above its box keeps the four panels within a small screen's width.
        box->addWidget(new QLabel(QStringLiteral("Use preset Price or enter"), pick), 1, 0, 1, 2);
        cboPrices[size_t(which)] = NewTextCombo(pick, 0);
        box->addWidget(cboPrices[size_t(which)], 2, 0, 1, 2);
        box->addWidget(cmdWO[which == 0 ? 4 : 5], 3, 0);
        box->addWidget(cmdWO[which == 0 ? 10 : 9], 3, 1);
        grid->addWidget(pick, 0, which * 2);

        auto* chosen = new QGroupBox(QString::fromLatin1(chosenTitles[which]), panel);
        auto* chosenBox = new QHBoxLayout(chosen);
        QListWidget* chosenList = new QListWidget(chosen);
        (which == 0 ? lstServicesList : lstItemsList) = chosenList;
        lstPrices[size_t(which)] = new QListWidget(chosen);
        lstPrices[size_t(which)]->setFixedWidth(95);
        chosenList->setMinimumWidth(170);
        // The names and their prices scroll together.
        QScrollBar* names = chosenList->verticalScrollBar();
        QScrollBar* prices = lstPrices[size_t(which)]->verticalScrollBar();
        connect(names, &QScrollBar::valueChanged, prices, &QScrollBar::setValue);
        connect(prices, &QScrollBar::valueChanged, names, &QScrollBar::setValue);
        chosenBox->addWidget(chosenList, 1);
        chosenBox->addWidget(lstPrices[size_t(which)]);
        grid->addWidget(chosen, 0, which * 2 + 1);
    }
    for (int col = 0; col < 4; ++col)
        grid->setColumnStretch(col, col % 2 == 0 ? 2 : 3);
    connect(lstItems, &QListWidget::currentRowChanged, this, [this](int row) { lstItems_Click(row); });
    connect(lstServices, &QListWidget::currentRowChanged, this, [this](int row) { lstServices_Click(row); });
    return panel;
}

void frmWorkOrder::ClearItemLists()
{
    const QSignalBlocker blockList(lstItems);
    const QSignalBlocker blockPrices(cboPrices[1]);
    lstItems->clear();
    cboPrices[1]->clear();
}

void frmWorkOrder::ClearServiceLists()
{
    const QSignalBlocker blockList(lstServices);
    const QSignalBlocker blockPrices(cboPrices[0]);
    cboPrices[0]->clear();
    lstServices->clear();
}

void frmWorkOrder::ClearSelectedLists()
{
    lstItemsList->clear();
    lstServicesList->clear();
    lstPrices[0]->clear();
    lstPrices[1]->clear();
}

void frmWorkOrder::LoadAdditionalItems()
{
    ClearItemLists();
    Fill(lstItems, cboPrices[1], ReadInventory());
}

void frmWorkOrder::LoadServices()
{
    ClearServiceLists();
    Fill(lstServices, cboPrices[0], ReadServices());
}

void frmWorkOrder::LoadCustomItems()
{
    Fill(lstItems, cboPrices[1], ReadCustomItems());
}

void frmWorkOrder::lstItems_Click(int row)
{
    cboPrices[1]->setCurrentIndex(row);
}

void frmWorkOrder::lstServices_Click(int row)
{
    cboPrices[0]->setCurrentIndex(row);
}

void frmWorkOrder::AddChosen(int which)
{
    QListWidget* pick = which == 0 ? lstServices : lstItems;
    QListWidget* chosen = which == 0 ? lstServicesList : lstItemsList;
    const QListWidgetItem* entry = pick->currentItem();
    // Nothing chosen (after Clear All, or an empty list) adds no row with a stale price.
    if (!entry || !entry->isSelected() || IsChosen(Entries(chosen), entry->text())) {
        if (Settings().AlarmsOn)
            Beep();
        return;
    }
    chosen->addItem(entry->text());
    lstPrices[size_t(which)]->addItem(cboPrices[size_t(which)]->currentText());
}

void frmWorkOrder::SelectAll(int which)
{
    QListWidget* pick = which == 0 ? lstServices : lstItems;
    QListWidget* chosen = which == 0 ? lstServicesList : lstItemsList;
    QComboBox* prices = cboPrices[size_t(which)];
    for (int i = 0; i < pick->count(); ++i) {
        const QString text = pick->item(i)->text();
        if (IsChosen(Entries(chosen), text))
            continue;
        chosen->addItem(text);
        lstPrices[size_t(which)]->addItem(prices->itemText(i));
    }
}

#include "platform/ComboWheel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QWheelEvent>

namespace {

// The entry whose text the box shows, or -1: an editable box may show a text no entry holds.
int ShownEntry(const QComboBox* combo)
{
    const int current = combo->currentIndex();
    if (current >= 0 && combo->itemText(current) == combo->currentText())
        return current;
    return combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

int Neighbour(const QComboBox* combo, int from, int step)
{
    for (int i = from + step; i >= 0 && i < combo->count(); i += step) {
        const QModelIndex index = combo->model()->index(i, combo->modelColumn(), combo->rootModelIndex());
        if (combo->model()->flags(index) & Qt::ItemIsEnabled)
            return i;
    }
    return -1;
}

class ComboWheelRule : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish) {
            // A list that took the focus from the wheel itself would always take the notch.
            if (auto* combo = qobject_cast<QComboBox*>(watched); combo && combo->focusPolicy() == Qt::WheelFocus)
                combo->setFocusPolicy(Qt::StrongFocus);
            return false;
        }
        if (event->type() != QEvent::Wheel)
            return false;
        auto* combo = qobject_cast<QComboBox*>(watched);
        if (!combo || !combo->isEnabled() || (combo->view() && combo->view()->isVisible()))
            return false;
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int rotation = wheel->angleDelta().y();
        if (!ComboTakesWheel(combo) || rotation == 0) {
            // Not the list's notch: it passes on to the controls around the list.
            wheel->ignore();
            return true;
        }
        wheel->accept();
        const int shown = ShownEntry(combo);
        if (shown < 0)
            return true;
        const int next = Neighbour(combo, shown, rotation > 0 ? -1 : 1);
        if (next < 0)
            return true;
        combo->setCurrentIndex(next);
        emit combo->activated(next);
        emit combo->textActivated(combo->itemText(next));
        return true;
    }
};

} // namespace

bool ComboTakesWheel(const QComboBox* combo)
{
    const QWidget* focus = QApplication::focusWidget();
    return combo->isEnabled() && focus && (focus == combo || combo->isAncestorOf(focus));
}

void InstallComboWheelRule()
{
    static ComboWheelRule* rule = nullptr;
    if (rule || !QCoreApplication::instance())
        return;
    rule = new ComboWheelRule;
    rule->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(rule);
}

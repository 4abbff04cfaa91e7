#include "abstractcomboboxcontrol.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QHBoxLayout>

namespace Trade {

AbstractComboBoxControl::AbstractComboBoxControl(QWidget *parent) : QWidget(parent), m_combo(new QComboBox(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_combo);
    setFocusProxy(m_combo);
    m_combo->installEventFilter(this);
    // activated comes from the user only: items rebuilt or a value shown by the program do not
    // come back as a choice.
    connect(m_combo, &QComboBox::activated, this, &AbstractComboBoxControl::onItemActivated);
}

AbstractComboBoxControl::~AbstractComboBoxControl() = default;

QComboBox *AbstractComboBoxControl::comboControl() const
{
    return m_combo;
}

bool AbstractComboBoxControl::isEnabled() const
{
    return QWidget::isEnabled();
}

void AbstractComboBoxControl::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
}

bool AbstractComboBoxControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_combo || !isReadOnly())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    case QEvent::KeyPress: {
        // Tab still moves the focus on.
        const int key = static_cast<QKeyEvent *>(event)->key();
        return key != Qt::Key_Tab && key != Qt::Key_Backtab;
    }
    default:
        return false;
    }
}

void AbstractComboBoxControl::onItemActivated(int index)
{
    // A popup opened before the control became read-only can still deliver a choice.
    if (isReadOnly()) {
        showValue();
        return;
    }
    setValue(itemValue(index));
}

} // namespace Trade

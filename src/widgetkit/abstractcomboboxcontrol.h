#pragma once

#include <widgetkit/abstractvaluecontrol.h>
#include <widgetkit/widgetkit_export.h>

#include <QtWidgets/QWidget>

class QComboBox;

namespace Trade {

/// The base of controls whose user chooses an item of a combo box. The control is a widget that
/// holds a real QComboBox (comboControl()) filling it; the item the user chooses becomes the
/// control's value, announced once with valueChanged. The combo box follows the control's enabled
/// state, and takes no input while the control is read-only.
class WIDGETKIT_EXPORT AbstractComboBoxControl : public QWidget, public AbstractValueControl
{
    Q_OBJECT

public:
    ~AbstractComboBoxControl() override;

    /// A child of this widget; never null.
    QComboBox *comboControl() const;

    /// The widget's own enabled state (QWidget::isEnabled() and setEnabled()).
    bool isEnabled() const override;
    void setEnabled(bool enabled) override;

Q_SIGNALS:
    void valueChanged(const Trade::Variant &value) const override;

protected:
    explicit AbstractComboBoxControl(QWidget *parent);
    /// The value that item `index` of the combo box stands for.
    virtual Variant itemValue(int index) const = 0;
    /// Drops the combo box's input events while the control is read-only.
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void onItemActivated(int index);

private:
    QComboBox *m_combo;
};

} // namespace Trade

#include "abstractdomainbasedcontrol.h"

#include <QtWidgets/QComboBox>

namespace Trade {

AbstractDomainBasedControl::AbstractDomainBasedControl(QWidget *parent) : AbstractComboBoxControl(parent)
{
}

AbstractDomainBasedControl::~AbstractDomainBasedControl() = default;

void AbstractDomainBasedControl::setDomain(const Domain &domain)
{
    m_domain = domain;
    rebuildItems();
}

const Domain &AbstractDomainBasedControl::domain() const
{
    return m_domain;
}

void AbstractDomainBasedControl::update()
{
    rebuildItems();
}

Variant AbstractDomainBasedControl::itemValue(int index) const
{
    return index >= 0 && index < m_domain.size() ? m_domain.values().at(index) : Variant();
}

void AbstractDomainBasedControl::showValue()
{
    comboControl()->setCurrentIndex(m_domain.indexOf(value()));
}

void AbstractDomainBasedControl::rebuildItems()
{
    QStringList texts;
    texts.reserve(m_domain.size());
    for (const Variant &value : m_domain.values())
        texts << value.toString();
    QComboBox *combo = comboControl();
    combo->clear();
    combo->addItems(texts);
    showValue();
}

} // namespace Trade

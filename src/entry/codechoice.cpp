#include "entry/codechoice.h"

#include <QComboBox>

CodeChoice::CodeChoice(QComboBox *box, const OptionMap &options, const QString &leadingItem)
    : QObject(box)
    , m_box(box)
    , m_options(options)
    , m_leadingItem(leadingItem)
{
    // activated() comes from the user only, also when the shown item is chosen again: that is a
    // choice too (choosing "keine Angabe" over an unknown code clears it).
    connect(box, QOverload<int>::of(&QComboBox::activated), this, [this] { m_chosen = true; });
}

void CodeChoice::fill()
{
    m_box->clear();
    if (!m_leadingItem.isEmpty())
        m_box->addItem(m_leadingItem);
    m_box->addItems(m_options.values());
    m_shownCode.clear();
    m_shownIndex = m_box->currentIndex();
    m_chosen = false;
}

void CodeChoice::fill(const OptionMap &options)
{
    m_options = options;
    fill();
}

void CodeChoice::show(const QString &code, Missing missing)
{
    int index = -1;
    if (!code.isEmpty()) {
        const auto found = m_options.constFind(code);
        if (found != m_options.constEnd())
            index = leadingCount() + int(std::distance(m_options.constBegin(), found));
    }
    if (index < 0 && (leadingCount() > 0 || (missing == Missing::FirstItem && m_box->count() > 0)))
        index = 0;
    m_box->setCurrentIndex(index);
    m_shownCode = code;
    m_shownIndex = m_box->currentIndex();
    m_chosen = false;
}

QString CodeChoice::code() const
{
    if (!isChanged() && !m_shownCode.isEmpty())
        return m_shownCode;
    return selectedCode();
}

QString CodeChoice::selectedCode() const
{
    if (m_box->currentIndex() < leadingCount())
        return QString();
    return codeOf(m_options, m_box->currentText());
}

bool CodeChoice::isChanged() const
{
    return m_chosen || m_box->currentIndex() != m_shownIndex;
}

QString CodeChoice::codeOf(const OptionMap &options, const QString &text)
{
    for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
        if (it.value() == text)
            return it.key();
    }
    return QString();
}

bool isCircularProfileCode(NormKind kind, const QString &code)
{
    switch (kind) {
    case NormEN135082:
    case NormDanDas:
        return code == QLatin1String("A");
    case NormDWAM1492:
        return code == QLatin1String("DN");
    case NormIsybau2006:
        return code == QLatin1String("0") || code == QLatin1String("4");
    default:
        return false;
    }
}

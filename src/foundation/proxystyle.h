#pragma once

#include <QProxyStyle>

// The application style: the platform style, except that every combo box's drop-down list is
// widened to its widest entry, so long entries are never cut.
class ProxyStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit ProxyStyle(QStyle *style = nullptr);

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};

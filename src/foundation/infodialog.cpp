#include "foundation/infodialog.h"
#include "ui_infodialog.h"

#include "foundation/version.h"

#include <vlc/vlc.h>

namespace {

const char LgplAddress[] = "https://www.gnu.org/licenses/lgpl-3.0.html";

// The picture lies over the right part of the text label (from x 340 in the label's own
// coordinates); the text keeps to the left of it, whatever the font and the language.
const char Paragraph[] = "<p style=\"margin-right:215px\">";
const char Justified[] = "<p align=\"justify\" style=\"margin-right:215px\">";

} // namespace

InfoDialog::InfoDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::InfoDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::CustomizeWindowHint);
    ui->text->raise();

    const QString libraries =
        tr("Qt %1 (LGPL), BE: %2<br/>libvlc %3 (LGPL)<br/>")
            .arg(QString::fromLatin1(qVersion()).toHtmlEscaped(),
                 QStringLiteral(QT_VERSION_STR).toHtmlEscaped(),
                 QString::fromUtf8(libvlc_get_version()).toHtmlEscaped());

    const QString disclaimer = tr("Haftungsausschluss: Für Datenverluste sowie für Schäden, die durch unsachgemäße "
                                  "Verwendung dieser Software entstehen, wird keine Haftung übernommen.");
    const QString english = tr("Disclaimer: No liability is accepted for loss of data or for damage caused by "
                               "improper use of this software.");
    const QString paragraph = QLatin1String(Paragraph);
    const QString justified = QLatin1String(Justified);
    const QString end = QStringLiteral("</p>");
    QString text = paragraph
        + QStringLiteral("<span style=\"font-size:12pt; font-weight:bold;\">ZOZOrure</span>") + end
        + paragraph + QStringLiteral("<b>") + tr("Version: ") + QStringLiteral(ZZ_VERSION)
        + QStringLiteral("</b>") + end
        + paragraph + QStringLiteral("<b>") + tr("ZOZOrure nutzt:") + QStringLiteral("</b><br/>")
        + libraries + end
        + justified + disclaimer + end;
    // The English disclaimer follows the one in the user's language, unless that is English.
    if (english != disclaimer)
        text += justified + english + end;

    text.replace(QStringLiteral("LGPL"),
                 QStringLiteral("<a target=\"_blank\" href=\"%1\">LGPL</a>")
                     .arg(QLatin1String(LgplAddress)));
    ui->text->setText(text);
}

InfoDialog::~InfoDialog()
{
    delete ui;
}

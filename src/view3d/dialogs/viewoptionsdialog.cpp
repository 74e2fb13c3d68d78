#include "view3d/dialogs/viewoptionsdialog.h"
#include "ui_viewoptionsdialog.h"

#include "foundation/config.h"
#include "foundation/global.h"
#include "foundation/reporter.h"

#include <QDir>
#include <QRadioButton>

#include <initializer_list>

namespace {

// The index of the first checked button, 0 when none is.
int checkedIndex(std::initializer_list<const QRadioButton *> buttons)
{
    int index = 0;
    for (const QRadioButton *button : buttons) {
        if (button->isChecked())
            return index;
        ++index;
    }
    return 0;
}

// Checks the button of the value; a value without a button leaves the form as it is.
void checkIndex(std::initializer_list<QRadioButton *> buttons, int value)
{
    int index = 0;
    for (QRadioButton *button : buttons) {
        if (index++ == value)
            button->setChecked(true);
    }
}

} // namespace

ViewOptionsDialog::ViewOptionsDialog(Viewer3D *viewer, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ViewOptionsDialog)
{
    Q_UNUSED(viewer)
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    loadSettings();
}

ViewOptionsDialog::~ViewOptionsDialog()
{
    delete ui;
}

void ViewOptionsDialog::loadSettings()
{
    const Config *config = Global::instance()->config().data();
    // A disabled button is checked as well when the stored value names it.
    checkIndex({ui->rbLabelTextDefault, ui->rbLabelTextCommentOnly, ui->rbLabelTextCustom}, config->labelText());
    checkIndex({ui->rbLabelStyleBubble, ui->rbLabelStyleSimple, ui->rbLabelStyleCustom}, config->labelStyle());
}

bool ViewOptionsDialog::saveSettings()
{
    Config *config = Global::instance()->config().data();
    config->setLabelText(checkedIndex({ui->rbLabelTextDefault, ui->rbLabelTextCommentOnly, ui->rbLabelTextCustom}));
    config->setLabelStyle(checkedIndex({ui->rbLabelStyleBubble, ui->rbLabelStyleSimple, ui->rbLabelStyleCustom}));
    if (config->save())
        return true;
    Reporter::error(tr("Die Einstellungen konnten nicht in \"%1\" geschrieben werden.")
                        .arg(QDir::toNativeSeparators(config->filePath())));
    return false;
}

// A failed write keeps the dialog open: closing it would look as though the choice were kept.
void ViewOptionsDialog::on_btnAccept_clicked()
{
    if (saveSettings())
        accept();
}

void ViewOptionsDialog::on_btnReject_clicked()
{
    reject();
}

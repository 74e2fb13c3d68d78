#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/configdialog.h"
#include "app/firmdatadialog.h"
#include "foundation/config.h"
#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "view3d/viewer3d.h"

void MainWindow::registerExtrasCommands()
{
    const QString extras = tr("Extras");
    extrasKeys.settings = commandKey(extras, tr("Einstellungen"));
    extrasKeys.firmData = commandKey(extras, tr("Firmendaten"));
    commands.insert(extrasKeys.settings, &MainWindow::showSettings);
    commands.insert(extrasKeys.firmData, &MainWindow::showFirmData);
}

void MainWindow::showSettings()
{
    BusyScope busy(this);
    {
        ConfigDialog dialog(this);
        dialog.exec();
    }
    loadTranslation();
    // Whether the list shows the section names may have changed.
    refillInspectionList(ui->investList->currentRow());
    MessageDialog notice(tr("Bitte starten Sie das Programm neu, um die Änderungen vollständig zu übernehmen!"), 0,
                         2500, this);
    notice.exec();
    if (viewer) {
        viewer->setLabelFontSize(Global::instance()->config()->labelFontSize());
        viewer->renderLater();
    }
}

void MainWindow::showFirmData()
{
    BusyScope busy(this);
    {
        FirmDataDialog dialog(this);
        dialog.setFirmStore(Global::instance()->firmStore().data());
        dialog.exec();
    }
    showFirmLogo();
}

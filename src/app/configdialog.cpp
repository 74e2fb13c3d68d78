#include "app/configdialog.h"
#include "ui_configdialog.h"

#include "foundation/config.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"

#include <QColorDialog>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QPainterPath>
#include <QSettings>

namespace {

const QString kCaptureDevice = QStringLiteral("capture_device");

ConfigDialog::WritableCheck &writableCheck()
{
    static ConfigDialog::WritableCheck check;
    return check;
}

bool isWritable(const QString &folder)
{
    if (writableCheck())
        return writableCheck()(folder);
    return QFileInfo(folder).isWritable();
}

void showMessage(const QString &text)
{
    MessageDialog box(text, MessageDialog::Ok, -1, nullptr);
    box.exec();
}

} // namespace

ConfigDialog::ConfigDialog(QWidget *parent) : QDialog(parent), ui(new Ui::ConfigDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    // X11 window managers ignore the fixed-size hint.
    setFixedSize(591, 487);
    loadValues();
    ui->tabWidget->setCurrentIndex(0);
}

ConfigDialog::~ConfigDialog()
{
    delete ui;
}

ConfigDialog::WritableCheck ConfigDialog::setWritableCheck(WritableCheck check)
{
    WritableCheck previous = writableCheck();
    writableCheck() = std::move(check);
    return previous;
}

void ConfigDialog::loadValues()
{
    const Config &config = *Global::instance()->config();
    ui->projectPath->setText(config.projectPath());
    ui->langBox->setCurrentIndex(config.language());
    ui->inspectionNames->setChecked(config.withInspectionNames());
    ui->makeReport->setChecked(config.makeTextReport());
    ui->colorDamage->setChecked(config.colorDamage());
    ui->colorProjects->setChecked(config.colorProjects());
    ui->proximateHint->setChecked(config.proximateHint());

    if (config.pipelineLayout() != 0)
        ui->aligned->setChecked(true);
    else
        ui->standard->setChecked(true);

    ui->fotoLayoutBox->setCurrentIndex(config.fotoStyle());
    // Drawn here too: an index that did not change emits nothing, and the preview must not stay empty.
    on_fotoLayoutBox_currentIndexChanged(config.fotoStyle());

    ui->damageClassBox->setChecked(config.classifyFlag());
    m_classColors.clear();
    for (int i = 0; i < 5; ++i) {
        setClassButtonColor(classButton(i), config.classColor(i));
        m_classColors.append(config.classColor(i));
    }

    ui->captureBox->clear();
    const VideoDeviceList devices = *Global::instance()->videoDevices();
    for (auto it = devices.cbegin(); it != devices.cend(); ++it)
        ui->captureBox->addItem(it.key());
    const QString device = Global::instance()->settings()->value(kCaptureDevice).toString();
    const int found = ui->captureBox->findText(device, Qt::MatchFixedString);
    if (found >= 0)
        ui->captureBox->setCurrentIndex(found);

    ui->blendBox->setChecked(config.blending());
    ui->base->setValue(config.baseTime());
    ui->text->setValue(config.textTime());
    ui->date->setChecked(config.dateFlag());
    ui->time->setChecked(config.timeFlag());
    ui->meter->setChecked(config.meterFlag());
    ui->firm->setChecked(config.firmFlag());
    ui->firmtext->setText(config.firmText());
    ui->fotoText->setChecked(config.jpegText());
    ui->autoHA->setChecked(config.startHA());
    ui->autoEH->setChecked(config.endEH());
    ui->blendNewData->setChecked(config.writeNewData());
    ui->labelSize->setValue(config.labelFontSize());
}

void ConfigDialog::storeValues()
{
    Config &config = *Global::instance()->config();
    config.setProjectPath(ui->projectPath->text());
    config.setLanguage(ui->langBox->currentIndex());
    config.setWithInspectionNames(ui->inspectionNames->isChecked());
    config.setMakeTextReport(ui->makeReport->isChecked());
    config.setColorDamage(ui->colorDamage->isChecked());
    config.setColorProjects(ui->colorProjects->isChecked());
    config.setProximateHint(ui->proximateHint->isChecked());
    config.setPipelineLayout(ui->standard->isChecked() ? 0 : 1);
    config.setFotoStyle(ui->fotoLayoutBox->currentIndex());
    config.setClassifyFlag(ui->damageClassBox->isChecked());
    for (int i = 0; i < m_classColors.size(); ++i)
        config.setClassColor(i, m_classColors.at(i));

    Global::instance()->settings()->setValue(kCaptureDevice, ui->captureBox->currentText());

    config.setBlending(ui->blendBox->isChecked());
    config.setBaseTime(ui->base->value());
    config.setTextTime(ui->text->value());
    config.setDateFlag(ui->date->isChecked());
    config.setTimeFlag(ui->time->isChecked());
    config.setMeterFlag(ui->meter->isChecked());
    config.setFirmFlag(ui->firm->isChecked());
    config.setFirmText(ui->firmtext->text());
    config.setJpegText(ui->fotoText->isChecked());
    config.setStartHA(ui->autoHA->isChecked());
    config.setEndEH(ui->autoEH->isChecked());
    config.setWriteNewData(ui->blendNewData->isChecked());
    config.setLabelFontSize(ui->labelSize->value());
}

void ConfigDialog::on_choosePath_clicked()
{
    QString start = ui->projectPath->text();
    if (start.isEmpty())
        start = QDir::homePath();
    const QString chosen = QFileDialog::getExistingDirectory(
        this, tr("Projektverzeichnis"), start, QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (!chosen.isEmpty())
        ui->projectPath->setText(chosen);
}

void ConfigDialog::on_fotoLayoutBox_currentIndexChanged(int index)
{
    const QImage image(QStringLiteral(":/images/") + Config::fotoStyleImageName(index));
    QGraphicsView *view = ui->fotoLayout;
    QGraphicsScene *scene = view->scene();
    if (!scene) {
        scene = new QGraphicsScene(0, 0, image.width(), image.height(), view);
        view->setScene(scene);
        view->setMinimumWidth(image.width() + 6);
        view->setMinimumHeight(image.height() + 6);
    } else {
        scene->clear();
    }
    scene->addPixmap(QPixmap::fromImage(image))->setPos(0, 0);
}

QPushButton *ConfigDialog::classButton(int classIndex) const
{
    QPushButton *const buttons[] = {ui->class1, ui->class2, ui->class3, ui->class4, ui->class5};
    return buttons[classIndex];
}

void ConfigDialog::on_class1_clicked()
{
    chooseClassColor(0);
}

void ConfigDialog::on_class2_clicked()
{
    chooseClassColor(1);
}

void ConfigDialog::on_class3_clicked()
{
    chooseClassColor(2);
}

void ConfigDialog::on_class4_clicked()
{
    chooseClassColor(3);
}

void ConfigDialog::on_class5_clicked()
{
    chooseClassColor(4);
}

void ConfigDialog::chooseClassColor(int classIndex)
{
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor color = dialog.selectedColor();
    setClassButtonColor(classButton(classIndex), color);
    m_classColors[classIndex] = color;
}

void ConfigDialog::setClassButtonColor(QPushButton *button, const QColor &color)
{
    QImage image(80, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);

    QString label;
    if (button == ui->class1)
        label = QStringLiteral("1/C");
    else if (button == ui->class2)
        label = QStringLiteral("2");
    else if (button == ui->class3)
        label = QStringLiteral("3/B");
    else if (button == ui->class4)
        label = QStringLiteral("4");
    else
        label = QStringLiteral("5/A");

    QFont font(QStringLiteral("Arial"), 12);
    font.setWeight(75);
    QPainterPath path;
    const double width = QFontMetricsF(font).horizontalAdvance(label);
    path.addText(40 - width / 2, 15, font, label);

    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(color);
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(20, 14, 40, 4), 1, 1);
    painter.setPen(QPen(Qt::black));
    painter.setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter.drawPath(path);
    painter.end();

    button->setIcon(QIcon(QPixmap::fromImage(image)));
}

bool ConfigDialog::checkProjectPath()
{
    const QString path = ui->projectPath->text();
    QString message;
    if (path.isEmpty()) {
        message = tr("Der Projektpfad ist leer.\nBitte stellen Sie einen gültigen Pfad ein.");
    } else {
        const QFileInfo info(path);
        qDebug() << "project folder" << info.absoluteFilePath() << "writable" << isWritable(path);
        if (!info.isDir())
            message = tr("Der angegebene Projektpfad existiert nicht.\nBitte stellen Sie einen gültigen Pfad ein.");
        else if (!isWritable(path))
            message = tr("Der Projektpfad ist nicht beschreibbar.\nBitte stellen Sie einen gültigen Pfad ein.");
    }
    if (message.isEmpty())
        return true;
    showMessage(message);
    ui->tabWidget->setEnabled(true);
    return false;
}

void ConfigDialog::on_accept_clicked()
{
    if (!checkProjectPath())
        return;
    storeValues();
    // A failed write keeps the dialog open: closing it would look as though the settings were kept.
    const Config &config = *Global::instance()->config();
    if (!config.save()) {
        showMessage(tr("Die Einstellungen konnten nicht in \"%1\" geschrieben werden.").arg(config.filePath()));
        return;
    }
    QDialog::accept();
}

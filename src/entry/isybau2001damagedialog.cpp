#include "entry/isybau2001damagedialog.h"
#include "ui_isybau2001damagedialog.h"

#include "entry/normcatalogdialog.h"
#include "entry/observationentry.h"
#include "entry/observationpreview.h"
#include "model/isybau2001.h"

#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>
#include <iterator>
#include <limits>

namespace {

const QString kPhotoCode = QStringLiteral("FOTO");
// Continuous-defect markers by the index of their choice; index 0 is none.
const char *const kMarkers[] = {"", "A", "E", "G", "R"};

// The renovation codes ("K" and the "K..." names) count their continuous defect by the begin
// and end alone; they carry no number of their own.
bool isRenovation(const QString &code)
{
    return code.startsWith(QLatin1Char('K'));
}

// The field offers what its column of the file holds, so that nothing typed is cut when saved.
void fitToColumn(QDoubleSpinBox &field, Isybau2001::NumberField column)
{
    const Isybau2001::NumberColumn c = Isybau2001::numberColumn(column);
    field.setDecimals(c.decimals);
    field.setRange(c.minimum, c.maximum);
}

void fitToColumn(QSpinBox &field, Isybau2001::NumberField column)
{
    const Isybau2001::NumberColumn c = Isybau2001::numberColumn(column);
    field.setRange(int(c.minimum), int(c.maximum));
}

} // namespace

Isybau2001DamageDialog::Isybau2001DamageDialog(Investigation *inspection, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Isybau2001DamageDialog)
    , m_inspection(inspection)
    , m_catalogue(qobject_cast<const Isybau2001 *>(inspection))
{
    Q_ASSERT(inspection);
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    fitToColumn(*ui->meter, Isybau2001::NumberField::Distance);
    fitToColumn(*ui->num1, Isybau2001::NumberField::Value1);
    fitToColumn(*ui->num2, Isybau2001::NumberField::Value2);
    fitToColumn(*ui->posClock1, Isybau2001::NumberField::Clock);
    fitToColumn(*ui->posClock2, Isybau2001::NumberField::Clock);
    setFixedSize(size().expandedTo(minimumSizeHint()));
    // Another class's completer would offer codes that this dialog then refuses.
    if (m_catalogue)
        ui->code->setCompleter(m_inspection->completer());
    ui->code->setFocus();
    lockForm();
}

Isybau2001DamageDialog::~Isybau2001DamageDialog()
{
    delete ui;
}

void Isybau2001DamageDialog::setTime(const QTime &time)
{
    m_record.videoTime = time;
}

void Isybau2001DamageDialog::setDamage(const ObservationRecord &record)
{
    m_record = record;
    m_incoming = record;
    m_ready = false;
    showCode();
    // The code's entry decides the form before the values go in, so that the coded values are
    // listed when the stored one is selected.
    openForCode();
    showValues();
    if (m_record.code.startsWith(QLatin1String("K-")))
        ui->sectionDamageNumber->setEnabled(false);
}

void Isybau2001DamageDialog::setPhoto(const QTime &time)
{
    m_record.videoTime = time;
    m_record.code = kPhotoCode;
    m_ready = false;
    showCode();
    showValues();
    openForCode();
    showText();
    // A photo observation keeps its code: neither typing nor the catalogue may change it.
    ui->code->setEnabled(false);
    ui->norm->setEnabled(false);
}

void Isybau2001DamageDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        reject();
    else if (event->key() == Qt::Key_F1)
        on_norm_clicked();
    event->accept();
}

bool Isybau2001DamageDialog::isListed(const QString &code, bool complete) const
{
    return m_catalogue && m_catalogue->containsCode(code, complete);
}

// --- record to form

void Isybau2001DamageDialog::showCode()
{
    const QSignalBlocker blocker(ui->code);
    ui->code->setText(m_record.code);
}

void Isybau2001DamageDialog::showValues()
{
    m_ready = false;
    ui->meter->setValue(m_record.distance);
    ui->num1->setValue(m_record.quantity1);
    ui->num2->setValue(m_record.quantity2);

    // The stored coded value by its text; a value the code does not list selects nothing.
    int coded = -1;
    if (m_catalogue && std::abs(m_record.quantity1) < double(std::numeric_limits<int>::max())) {
        const QString text = m_catalogue->snumText(int(m_record.quantity1));
        if (!text.isEmpty())
            coded = ui->snum1->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    }
    ui->snum1->setCurrentIndex(coded);

    ui->posClock1->setValue(m_record.clockFrom);
    ui->posClock2->setValue(m_record.clockTo);
    ui->commentary->setPlainText(m_record.remark);
    // Values beyond a list select nothing; the record keeps them until the user chooses.
    ui->damageClass->setCurrentIndex(m_record.damageClass);
    if (!m_record.photoFile.isEmpty())
        ui->foto->setChecked(true);

    const QString &marker = m_record.continuousDefect;
    for (int i = 0; i < int(std::size(kMarkers)); ++i) {
        if (marker == QLatin1String(kMarkers[i]))
            ui->sectionDamage->setCurrentIndex(i);
    }
    ui->sectionDamageNumber->setCurrentIndex(m_record.continuousDefectNumber);

    showClock();
    showText();
    m_ready = true;
}

// --- code to form

void Isybau2001DamageDialog::on_code_textChanged(const QString &text)
{
    if (!m_ready)
        return;
    // A character that no code continues empties the field.
    const QString upper = text.toUpper();
    m_record.code = isListed(upper, false) ? upper.trimmed() : QString();
    if (ui->code->text() != m_record.code)
        showCode();
    ui->code->setCursorPosition(m_record.code.size());
    if (isListed(upper, true)) {
        updateFromCatalog();
        showText();
    } else {
        lockForm();
    }
}

void Isybau2001DamageDialog::openForCode()
{
    // The code list is in capitals; files write the sanitation names as "KsAO".
    const QString &code = m_record.code;
    if (isListed(code.toUpper(), true) && m_catalogue->matchingEntry(code))
        updateFromCatalog();
    else
        openForUnknownCode();
}

void Isybau2001DamageDialog::lockForm()
{
    ui->accept->setEnabled(false);
    ui->endText->clear();
    ui->meter->setEnabled(false);
    ui->commentary->setEnabled(false);
    ui->foto->setEnabled(false);
    ui->clockBox->setEnabled(false);
    ui->damageClassBox->setEnabled(false);
    ui->sectionDamageBox->setEnabled(false);
}

void Isybau2001DamageDialog::openForUnknownCode()
{
    // An observation read from a file with a code the catalogue lacks: everything it holds stays,
    // and what needs no catalogue entry can still be corrected.
    ui->accept->setEnabled(true);
    ui->meter->setEnabled(true);
    ui->commentary->setEnabled(true);
    ui->foto->setEnabled(true);
    ui->clockBox->setEnabled(true);
    ui->damageClassBox->setEnabled(false);
    ui->sectionDamageBox->setEnabled(false);
    ui->num1->setEnabled(false);
    ui->num2->setEnabled(false);
    ui->snum1->setEnabled(false);
    ui->snum1->hide();
}

void Isybau2001DamageDialog::updateFromCatalog()
{
    const QString &code = m_record.code;
    ui->accept->setEnabled(true);
    ui->meter->setEnabled(true);
    ui->commentary->setEnabled(true);

    if (code == kPhotoCode) {
        // A photo observation always carries a photo.
        ui->foto->setChecked(true);
        ui->foto->setEnabled(false);
    } else {
        ui->foto->setEnabled(true);
    }

    const bool damage = m_catalogue->codeGroup(code) != 0;
    ui->clockBox->setEnabled(damage);
    ui->damageClassBox->setEnabled(damage);
    ui->sectionDamageBox->setEnabled(damage);
    if (!damage) {
        // Control codes have no class and are no continuous defect; the number stays.
        m_record.damageClass = 0;
        m_record.continuousDefect.clear();
        const QSignalBlocker classBlocker(ui->damageClass);
        const QSignalBlocker markerBlocker(ui->sectionDamage);
        ui->damageClass->setCurrentIndex(0);
        ui->sectionDamage->setCurrentIndex(0);
        ui->sectionDamageNumber->setEnabled(false);
    }

    const bool number1 = m_catalogue->hasNumAdd1(code);
    const bool coded = m_catalogue->hasSnumAdd1(code);
    if (number1) {
        const QString unit1 = m_catalogue->numAdd1Text(code);
        ui->num1->setEnabled(true);
        ui->num1->setSuffix(unit1);
        const QString unit2 = m_catalogue->numAdd2Text(code);
        if (m_catalogue->hasNumAdd2(code) && unit2 != unit1) {
            ui->num2->setEnabled(true);
            ui->num2->setSuffix(unit2);
        } else {
            // One measure: the second number follows the first (see on_num1_valueChanged).
            m_record.quantity2 = 0;
            ui->num2->setValue(0);
            ui->num2->setEnabled(false);
        }
    } else {
        ui->num1->setEnabled(false);
        ui->num2->setEnabled(false);
        if (!coded) {
            m_record.quantity1 = 0;
            m_record.quantity2 = 0;
        }
    }

    if (coded) {
        ui->snum1->setEnabled(true);
        ui->snum1->show();
        ui->snum1->clear();
        // Filling selects the first value, which the record takes while the user edits.
        ui->snum1->addItems(m_catalogue->snumAdd1List(code));
        m_record.quantity2 = 0;
    } else {
        ui->snum1->clear();
        ui->snum1->setEnabled(false);
        ui->snum1->hide();
        if (!number1) {
            m_record.quantity1 = 0;
            m_record.quantity2 = 0;
        }
    }

    if (m_catalogue->positionKind(code) == 0) {
        ui->posClock1->setValue(0);
        ui->posClock2->setValue(0);
        ui->clockBox->setEnabled(false);
    } else {
        ui->clockBox->setEnabled(true);
        ui->posClock1->setEnabled(true);
        ui->posClock2->setEnabled(true);
        ui->label_10->setText(QStringLiteral("von"));
    }
}

// --- edits

void Isybau2001DamageDialog::on_meter_valueChanged(double value)
{
    if (!m_ready)
        return;
    m_record.distance = value;
    showText();
}

void Isybau2001DamageDialog::on_num1_valueChanged(double value)
{
    if (!m_ready)
        return;
    m_record.quantity1 = value;
    // A code with one measure keeps it in both numbers.
    if (!ui->num2->isEnabled())
        m_record.quantity2 = value;
    showText();
}

void Isybau2001DamageDialog::on_num2_valueChanged(double value)
{
    if (!m_ready)
        return;
    m_record.quantity2 = value;
    showText();
}

void Isybau2001DamageDialog::on_snum1_currentIndexChanged(int index)
{
    if (!m_ready)
        return;
    // No selection (a cleared list) reads as no value.
    m_record.quantity1 = m_catalogue ? m_catalogue->snumAdd1Value(m_record.code, index).toDouble() : 0.0;
    m_record.quantity2 = m_record.quantity1;
    showText();
}

void Isybau2001DamageDialog::on_posClock1_valueChanged(int value)
{
    if (!m_ready)
        return;
    m_record.clockFrom = value;
    showClock();
    showText();
}

void Isybau2001DamageDialog::on_posClock2_valueChanged(int value)
{
    if (!m_ready)
        return;
    m_record.clockTo = value;
    showClock();
    showText();
}

void Isybau2001DamageDialog::on_commentary_textChanged()
{
    if (!m_ready)
        return;
    m_record.remark = ui->commentary->toPlainText();
    showText();
}

void Isybau2001DamageDialog::on_damageClass_currentIndexChanged(int index)
{
    if (!m_ready || index < 0)
        return;
    m_record.damageClass = index;
    showText();
}

void Isybau2001DamageDialog::on_sectionDamage_currentIndexChanged(int index)
{
    if (!m_ready)
        return;
    if (index < 1) {
        ui->sectionDamageNumber->setEnabled(false);
        m_record.continuousDefect.clear();
        m_record.continuousDefectNumber = 0;
    } else {
        const bool renovation = isRenovation(m_record.code);
        ui->sectionDamageNumber->setEnabled(!renovation);
        m_record.continuousDefect = QLatin1String(kMarkers[qMin(index, 4)]);
        // A stored number beyond the list shows no choice; it stays until one is made.
        const int number = ui->sectionDamageNumber->currentIndex();
        if (!renovation && number >= 0)
            m_record.continuousDefectNumber = number;
    }
    showText();
}

void Isybau2001DamageDialog::on_sectionDamageNumber_currentIndexChanged(int index)
{
    if (!m_ready || index < 0)
        return;
    m_record.continuousDefectNumber = index;
    showText();
}

void Isybau2001DamageDialog::on_foto_toggled(bool checked)
{
    if (checked)
        m_record.photoFile = photoFileName(*m_inspection, m_incoming, m_record.videoTime);
    else
        m_record.photoFile.clear();
}

// --- closing

void Isybau2001DamageDialog::on_accept_clicked()
{
    if (confirmDistance(m_record.distance, *ui->meter, this))
        accept();
}

void Isybau2001DamageDialog::on_norm_clicked()
{
    if (!ui->code->isEnabled())
        return;
    // Without a catalogue of this kind the browser has nothing to show.
    NormCatalogDialog browser(m_catalogue, this);
    if (browser.exec() == QDialog::Accepted)
        ui->code->setText(browser.selectedCode());
}

// --- views

void Isybau2001DamageDialog::showText()
{
    // The sanitation names keep their second letter small, as the catalogue writes them.
    QString key = m_record.code + m_record.character1 + m_record.character2;
    if (key.size() >= 2 && key.startsWith(QLatin1Char('K')))
        key[1] = key.at(1).toLower();
    ui->endText->setText(QStringLiteral("%1m %2 %3")
                             .arg(m_record.distance, 0, 'f', 2)
                             .arg(key, m_inspection->observationDescription(m_record)));
}

void Isybau2001DamageDialog::showClock()
{
    drawClock(*ui->clock, m_record.clockFrom, m_record.clockTo);
}

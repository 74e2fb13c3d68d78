#include "entry/endamagedatadialog.h"
#include "ui_endamagedatadialog.h"

#include "entry/normcatalogdialog.h"
#include "entry/observationentry.h"
#include "entry/observationpreview.h"
#include "model/dandas.h"
#include "model/en135082structur.h"
#include "model/investigation.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <limits>

namespace {

const QString kPhotoCode = QStringLiteral("BDA");

// The quantity fields' own limit.
constexpr double kLargestQuantity = 10000.0;

} // namespace

ENDamageDataDialog::ENDamageDataDialog(Investigation *inspection, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ENDamageDataDialog)
    , m_inspection(inspection)
{
    Q_ASSERT(inspection);
    // The two catalogue families are told apart by the inspection's class.
    m_en = dynamic_cast<const EN135082Structur *>(inspection);
    if (!m_en)
        m_dandas = qobject_cast<const DanDas *>(inspection);

    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setFixedSize(size().expandedTo(minimumSizeHint()));
    ui->quanti1_edit->hide();
    ui->quanti2_edit->hide();
    ui->code->setCompleter(m_inspection->completer());
    ui->code->setFocus();
}

ENDamageDataDialog::~ENDamageDataDialog()
{
    delete ui;
}

void ENDamageDataDialog::setTime(const QTime &time)
{
    m_record.videoTime = time;
}

void ENDamageDataDialog::setDamage(const ObservationRecord &record)
{
    m_record = record;
    m_incoming = record;
    loadDamage();
}

void ENDamageDataDialog::setPhoto(const QTime &time)
{
    m_record.videoTime = time;
    m_record.code = kPhotoCode;
    loadDamage();
    updateFromCatalog();
    showText();
    // A photo observation keeps its code: neither typing nor the catalogue may change it.
    ui->code->setEnabled(false);
    ui->catalog->setEnabled(false);
}

void ENDamageDataDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        reject();
    else if (event->key() == Qt::Key_F1)
        on_catalog_clicked();
    event->accept();
}

// --- record to form

void ENDamageDataDialog::loadDamage()
{
    m_ready = false;
    {
        // Only typing is refused; the record's code is shown and kept as it came.
        const QSignalBlocker blocker(ui->code);
        ui->code->setText(m_record.code);
    }
    codeEntered();
    // Also for a code the catalogue does not know: the distance and the remark stay editable and
    // the record can be accepted as it came.
    updateFromCatalog();

    const QString &code = m_record.code;
    if (m_en) {
        ui->character1->setCurrentIndex(m_en->character1Tokens(code, m_subtype).indexOf(m_record.character1));
        updateCharacter2();
        ui->character2->setCurrentIndex(
            m_en->character2Tokens(code, m_subtype, m_record.character1).indexOf(m_record.character2));
        updateQuantityAndPosition();
    } else if (m_dandas) {
        ui->character1->setCurrentIndex(m_dandas->characterTokens(code).indexOf(m_record.character1));
    }

    ui->meterEdit->setValue(m_record.distance);
    ui->quanti1->setValue(m_record.quantity1);
    ui->quanti2->setValue(m_record.quantity2);
    ui->posClock1->setValue(m_record.clockFrom);
    ui->posClock2->setValue(m_record.clockTo);
    ui->commentary->setPlainText(m_record.remark);

    const int damageClass = m_record.damageClass;
    switch (m_inspection->normKind()) {
    case NormDWAM1492:
        // Classes 2 and 4 have no item of their own; they show as the worst class.
        ui->damage_class_2->setCurrentIndex(damageClass <= 1 ? damageClass : damageClass == 3 ? 2 : 3);
        break;
    case NormDanDas:
        ui->damage_class_2->setCurrentIndex(ui->damage_class_2->findText(QString::number(damageClass)));
        break;
    default:
        ui->damage_class_2->setCurrentIndex(damageClass);
        break;
    }

    if (!m_record.photoFile.isEmpty())
        ui->foto->setChecked(true);

    const QString &marker = m_record.continuousDefect;
    if (marker.isEmpty())
        ui->sectionDamage->setCurrentIndex(0);
    else if (marker.startsWith(QLatin1Char('A')))
        ui->sectionDamage->setCurrentIndex(1);
    else if (marker.startsWith(QLatin1Char('B')))
        ui->sectionDamage->setCurrentIndex(2);
    else if (marker.startsWith(QLatin1Char('R')))
        ui->sectionDamage->setCurrentIndex(3);
    const qint64 shown = qint64(m_record.continuousDefectNumber) + 1;
    ui->sectionDamageNumber->setValue(int(qBound<qint64>(std::numeric_limits<int>::min(), shown,
                                                         std::numeric_limits<int>::max())));

    showClock();
    showText();
    m_ready = true;
}

// --- code to form

void ENDamageDataDialog::on_code_textChanged(const QString &text)
{
    // Typing a character that no code continues empties the field. (Loading does not come here:
    // a code read from a file stays as it is, known to the catalogue or not.)
    const QString upper = text.toUpper();
    m_record.code = m_inspection->containsCode(upper, false) ? upper.trimmed() : QString();
    if (ui->code->text() != m_record.code) {
        const QSignalBlocker blocker(ui->code);
        ui->code->setText(m_record.code);
    }
    ui->code->setCursorPosition(m_record.code.size());
    codeEntered();
}

void ENDamageDataDialog::codeEntered()
{
    if (m_inspection->containsCode(m_record.code, true)) {
        updateFromCatalog();
        if (m_en) {
            updateCharacter2();
            updateQuantityAndPosition();
        }
        return;
    }
    ui->accept->setEnabled(false);
    ui->endText->clear();
    ui->meterEdit->setEnabled(false);
    ui->commentary->setEnabled(false);
    ui->damage_class_2->setEnabled(false);
}

void ENDamageDataDialog::updateFromCatalog()
{
    if (m_en)
        updateFromEnCatalog();
    else if (m_dandas)
        updateFromDanDasCatalog();
}

void ENDamageDataDialog::updateFromEnCatalog()
{
    const QString &code = m_record.code;
    ui->accept->setEnabled(true);
    ui->meterEdit->setEnabled(true);
    ui->commentary->setEnabled(true);
    ui->damage_class_2->setEnabled(true);

    if (code.startsWith(kPhotoCode)) {
        // A photograph observation always carries a photo.
        takePhotoName();
        ui->foto->setChecked(true);
        ui->foto->setEnabled(false);
    }

    if (m_inspection->normKind() == NormEN135082) {
        // The start and end nodes of EN 13508-2 are named, not measured.
        const bool named = code.startsWith(QLatin1String("BCD")) || code.startsWith(QLatin1String("BCE"));
        ui->quanti1_edit->setVisible(named);
        ui->quanti2_edit->setVisible(named);
        ui->quanti1->setVisible(!named);
        ui->quanti2->setVisible(!named);
        ui->quanti1Label->setText(named ? tr("Bezeichnung:") : tr("Quantifizierung 1:"));
        ui->quanti2Label->setText(named ? tr("Koordinaten:") : tr("Quantifizierung 2:"));
        if (!named && m_ready) {
            // The node's name and coordinates are no longer asked for.
            ui->quanti1_edit->clear();
            ui->quanti2_edit->clear();
            m_record.quantity1Text.clear();
            m_record.quantity2Text.clear();
        }
    }

    m_subtype = -1;
    if (m_en->findSubtype(code, m_subtype)) {
        ui->character1->setEnabled(true);
        ui->character1->clear();
        ui->character1->addItems(m_en->character1List(code, m_subtype));
    } else {
        ui->character1->clear();
        ui->character1->setEnabled(false);
        ui->character2->clear();
        ui->character2->setEnabled(false);
    }
}

void ENDamageDataDialog::updateFromDanDasCatalog()
{
    const QString &code = m_record.code;
    ui->accept->setEnabled(true);
    ui->meterEdit->setEnabled(true);
    ui->commentary->setEnabled(true);

    if (m_dandas->hasCharacter(code)) {
        ui->character1->setEnabled(true);
        ui->character1->clear();
        ui->character1->addItems(m_dandas->characterTexts(code));
    } else {
        ui->character1->clear();
        ui->character1->setEnabled(false);
        ui->character2->clear();
        ui->character2->setEnabled(false);
    }

    const bool quantity = m_dandas->hasQuantity(code);
    ui->quanti1->setEnabled(quantity);
    ui->quanti1->setSuffix(quantity ? m_dandas->quantityUnit(code) : QString());

    if (m_dandas->hasClass(code)) {
        ui->damage_class_2->setEnabled(true);
        ui->damage_class_2->clear();
        ui->damage_class_2->addItems(m_dandas->classValues(code));
    } else {
        ui->damage_class_2->clear();
        ui->damage_class_2->setEnabled(false);
    }
}

void ENDamageDataDialog::updateCharacter2()
{
    const QString &code = m_record.code;
    if (m_en->hasCharacter2(code, m_subtype, m_record.character1)) {
        ui->character2->setEnabled(true);
        ui->character2->clear();
        ui->character2->addItems(m_en->character2List(code, m_subtype, m_record.character1));
    } else {
        ui->character2->clear();
        ui->character2->setEnabled(false);
    }
}

void ENDamageDataDialog::updateQuantityAndPosition()
{
    const QString &code = m_record.code;
    const QString &token = m_record.character1;
    const bool first = m_en->hasQuantity1(code, m_subtype, token);
    const bool second = first && m_en->hasQuantity2(code, m_subtype, token);
    ui->quanti1->setEnabled(first);
    ui->quanti1->setSuffix(first ? m_en->quantity1Unit(code, m_subtype, token) : QString());
    ui->quanti2->setEnabled(second);
    ui->quanti2->setSuffix(second ? m_en->quantity2Unit(code, m_subtype, token) : QString());
    // A quantity typed for another code or characterisation is no longer asked for: it leaves
    // the record. A record being loaded keeps what it has.
    if (m_ready) {
        if (!first)
            ui->quanti1->setValue(0);
        if (!second)
            ui->quanti2->setValue(0);
    }
    limitQuantities();

    switch (m_en->positionKind(code, m_subtype, token)) {
    case 0:
        ui->posClock1->setEnabled(false);
        ui->posClock2->setEnabled(false);
        ui->posClock1->setValue(0);
        ui->posClock2->setValue(0);
        break;
    case 1:
        ui->posClock1->setEnabled(true);
        ui->posClock2->setEnabled(false);
        ui->posClock2->setValue(0);
        ui->label_10->setText(tr("bei"));
        break;
    default:
        ui->posClock1->setEnabled(true);
        ui->posClock2->setEnabled(true);
        ui->label_10->setText(tr("von"));
        break;
    }

    // A code that cannot be a continuous defect keeps the marker it has; it shows in the text.
    const bool extendable = m_en->isExtendable(code, m_subtype);
    ui->sectionDamage->setEnabled(extendable);
    ui->connectionBox->setEnabled(extendable);
    ui->sectionDamageNumber->setEnabled(extendable && ui->sectionDamage->currentIndex() != 0);
}

void ENDamageDataDialog::limitQuantities()
{
    // The ISYBAU 2006 file holds quantities below 10000, those of the lining and repair codes
    // as whole numbers of four digits. A value the new limit cuts is cut in the record too,
    // except while a record is loaded: that keeps what it has unless the user changes it.
    double largest1 = kLargestQuantity;
    double largest2 = kLargestQuantity;
    if (m_inspection->normKind() == NormIsybau2006) {
        const QString code = m_record.code.left(3);
        largest1 = code == QLatin1String("BAK") || code == QLatin1String("BAL") ? 9999.0 : 9999.99;
        largest2 = 9999.99;
    }
    ui->quanti1->setMaximum(largest1);
    ui->quanti2->setMaximum(largest2);
}

// --- edits

void ENDamageDataDialog::on_character1_currentIndexChanged(int index)
{
    if (!m_ready)
        return;
    const QString entry = ui->character1->itemText(index);
    if (m_en) {
        m_record.character1 = m_en->character1Token(m_record.code, m_subtype, entry);
        updateCharacter2();
        // Units and clock positions can depend on characterisation 1 alone; refilling
        // characterisation 2 does not reach them when its list stays empty.
        updateQuantityAndPosition();
        showText();
    } else if (m_dandas) {
        m_record.character1 = m_dandas->characterToken(m_record.code, entry);
        showText();
    }
}

void ENDamageDataDialog::on_character2_currentIndexChanged(int index)
{
    if (!m_ready || !m_en)
        return;
    m_record.character2 = m_en->character2Token(m_record.code, m_subtype, ui->character2->itemText(index));
    updateQuantityAndPosition();
    showText();
}

void ENDamageDataDialog::on_quanti1_valueChanged(double value)
{
    if (!m_ready)
        return;
    m_record.quantity1 = value;
    showText();
}

void ENDamageDataDialog::on_quanti2_valueChanged(double value)
{
    if (!m_ready)
        return;
    m_record.quantity2 = value;
    showText();
}

void ENDamageDataDialog::on_quanti1_edit_textEdited(const QString &text)
{
    if (!m_ready)
        return;
    m_record.quantity1Text = text;
    showText();
}

void ENDamageDataDialog::on_quanti2_edit_textEdited(const QString &text)
{
    if (!m_ready)
        return;
    m_record.quantity2Text = text;
    showText();
}

void ENDamageDataDialog::on_meterEdit_valueChanged(double value)
{
    if (!m_ready)
        return;
    m_record.distance = value;
    showText();
}

void ENDamageDataDialog::on_posClock1_valueChanged(int value)
{
    if (!m_ready)
        return;
    m_record.clockFrom = value;
    showClock();
    showText();
}

void ENDamageDataDialog::on_posClock2_valueChanged(int value)
{
    if (!m_ready)
        return;
    m_record.clockTo = value;
    showClock();
    showText();
}

void ENDamageDataDialog::on_commentary_textChanged()
{
    if (!m_ready)
        return;
    m_record.remark = ui->commentary->toPlainText();
    showText();
}

void ENDamageDataDialog::on_damage_class_2_currentIndexChanged(int index)
{
    if (!m_ready || index < 0)
        return;
    switch (m_inspection->normKind()) {
    case NormDWAM1492: {
        static const int classes[] = {0, 1, 3, 5};
        if (index < 4)
            m_record.damageClass = classes[index];
        break;
    }
    case NormIsybau2006:
        m_record.damageClass = index;
        break;
    case NormDanDas:
        m_record.damageClass = ui->damage_class_2->currentText().toInt();
        break;
    default:
        // EN 13508-2 keeps no damage class.
        break;
    }
    showText();
}

void ENDamageDataDialog::on_sectionDamage_currentIndexChanged(int index)
{
    if (!m_ready || index < 0)
        return;
    static const char *const markers[] = {"", "A", "B", "R"};
    ui->sectionDamageNumber->setEnabled(index != 0);
    m_record.continuousDefect = QLatin1String(markers[qMin(index, 3)]);
    m_record.continuousDefectNumber = index == 0 ? 0 : ui->sectionDamageNumber->value() - 1;
    showText();
}

void ENDamageDataDialog::on_sectionDamageNumber_valueChanged(int value)
{
    if (!m_ready)
        return;
    m_record.continuousDefectNumber = value - 1;
    showText();
}

void ENDamageDataDialog::on_connectionBox_toggled(bool checked)
{
    if (!m_ready)
        return;
    m_record.joint = checked ? 1 : 0;
    showText();
}

void ENDamageDataDialog::on_foto_toggled(bool checked)
{
    if (checked)
        takePhotoName();
    else
        m_record.photoFile.clear();
}

void ENDamageDataDialog::takePhotoName()
{
    m_record.photoFile = photoFileName(*m_inspection, m_incoming, m_record.videoTime);
}

// --- closing

void ENDamageDataDialog::on_accept_clicked()
{
    if (confirmDistance(m_record.distance, *ui->meterEdit, this))
        accept();
}

void ENDamageDataDialog::on_catalog_clicked()
{
    if (!ui->code->isEnabled())
        return;
    NormCatalogDialog browser(m_inspection, this);
    if (browser.exec() == QDialog::Accepted)
        ui->code->setText(browser.selectedCode());
}

// --- views

void ENDamageDataDialog::showText()
{
    const QString text = updateText(*m_inspection, m_record, m_subtype);
    if (!text.isNull())
        ui->endText->setText(text);
}

void ENDamageDataDialog::showClock()
{
    drawClock(*ui->clock, m_record.clockFrom, m_record.clockTo);
}

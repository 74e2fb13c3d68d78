#include "entry/normcatalogdialog.h"
#include "ui_normcatalogdialog.h"

#include "model/dandas.h"
#include "model/en135082structur.h"
#include "model/investigation.h"
#include "model/isybau2001.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>

NormCatalogDialog::NormCatalogDialog(const Investigation *inspection, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::NormCatalogDialog)
    , m_inspection(inspection)
    , m_lastPage(isAtv() ? 3 : 1)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setFixedSize(size());
    for (int page = 0; page < 4; ++page)
        connect(table(page), &QTableWidget::itemSelectionChanged, this, &NormCatalogDialog::updateNext);
    fillPage(0);
}

NormCatalogDialog::~NormCatalogDialog()
{
    delete ui;
}

bool NormCatalogDialog::isAtv() const
{
    return m_inspection && (m_inspection->normKind() == NormATV || m_inspection->normKind() == NormIsybau2001);
}

QTableWidget *NormCatalogDialog::table(int page) const
{
    QTableWidget *const tables[] = {ui->table_1, ui->table_2, ui->table_3, ui->table_4};
    return tables[page];
}

QString NormCatalogDialog::chosenCode(int page) const
{
    const QTableWidget *t = table(page);
    const QModelIndexList rows = t->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return QString();
    const QTableWidgetItem *item = t->item(rows.first().row(), 0);
    return item ? item->text() : QString();
}

QString NormCatalogDialog::selectedCode() const
{
    if (!isAtv())
        return chosenCode(1);
    if (chosenCode(0) == QLatin1String("X"))
        return chosenCode(1);
    const QString name = chosenCode(1);
    const QString condition = chosenCode(2);
    const QString position = chosenCode(3);
    if (name.isEmpty() || condition.isEmpty() || position.isEmpty())
        return QString();
    return name + condition + position;
}

void NormCatalogDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        const int page = ui->stackedWidget->currentIndex();
        if (page > 0)
            ui->stackedWidget->setCurrentIndex(page - 1);
        else
            reject();
    }
    event->accept();
}

void NormCatalogDialog::on_stackedWidget_currentChanged(int index)
{
    ui->back->setEnabled(index > 0);
    if (index == m_lastPage)
        ui->next->setText(tr("Übernehmen"));
    fillPage(index);
}

void NormCatalogDialog::on_back_clicked()
{
    const int page = ui->stackedWidget->currentIndex();
    if (page > 0)
        ui->stackedWidget->setCurrentIndex(page - 1);
}

void NormCatalogDialog::on_next_clicked()
{
    advance();
}

void NormCatalogDialog::on_table_1_itemDoubleClicked(QTableWidgetItem *)
{
    advance();
}

void NormCatalogDialog::on_table_2_itemDoubleClicked(QTableWidgetItem *)
{
    advance();
}

void NormCatalogDialog::on_table_3_itemDoubleClicked(QTableWidgetItem *)
{
    advance();
}

void NormCatalogDialog::on_table_4_itemDoubleClicked(QTableWidgetItem *)
{
    advance();
}

void NormCatalogDialog::advance()
{
    // Each page is built from the row chosen on the one before; without it there is nothing to
    // build from, nor a code to hand back.
    const int page = ui->stackedWidget->currentIndex();
    if (chosenCode(page).isEmpty())
        return;
    if (page < m_lastPage)
        ui->stackedWidget->setCurrentIndex(page + 1);
    else
        accept();
}

void NormCatalogDialog::updateNext()
{
    ui->next->setEnabled(!chosenCode(ui->stackedWidget->currentIndex()).isEmpty());
}

void NormCatalogDialog::fillPage(int page)
{
    QStringList codes;
    QStringList texts;
    const int kind = m_inspection ? m_inspection->normKind() : NormFreetext;
    if (isAtv()) {
        fillAtvPage(page);
        return;
    }
    if (kind == NormEN135082 || kind == NormIsybau2006 || kind == NormDWAM1492) {
        if (auto *catalogue = dynamic_cast<const EN135082Structur *>(m_inspection)) {
            if (page == 0) {
                for (const NormCatalogType &type : catalogue->catalogue()) {
                    codes << type.token;
                    texts << type.text;
                }
            } else {
                for (const NormCatalogSubtype &sub : catalogue->catalogue().value(chosenCode(0)).subtypes) {
                    codes << sub.token;
                    texts << sub.text;
                }
            }
        }
    } else if (kind == NormDanDas) {
        if (auto *dandas = qobject_cast<const DanDas *>(m_inspection)) {
            if (page == 0) {
                for (const DanDasCatalogType &type : dandas->catalog()) {
                    codes << type.token;
                    texts << type.text;
                }
            } else {
                for (const DanDasEntry &entry : dandas->catalog().value(chosenCode(0)).entries) {
                    codes << entry.token;
                    texts << entry.text;
                }
            }
        }
    }
    fillTable(page, codes, texts);
}

void NormCatalogDialog::fillAtvPage(int page)
{
    QStringList codes;
    QStringList texts;
    auto *atv = qobject_cast<const Isybau2001 *>(m_inspection);
    if (!atv) {
        fillTable(page, codes, texts);
        return;
    }
    if (page == 0) {
        for (const AtvCatalogType &type : atv->catalog()) {
            codes << type.name;
            texts << type.text;
        }
    } else if (page == 1) {
        for (const AtvEntry &entry : atv->catalog().value(chosenCode(0)).entries) {
            codes << entry.name;
            texts << entry.text;
        }
    } else if (page == 2 && chosenCode(0) == QLatin1String("X")) {
        // A control code is whole already.
        accept();
        return;
    } else {
        const QString name = chosenCode(1);
        const AtvEntry *found = nullptr;
        for (const AtvEntry &entry : atv->catalog().value(name.left(1)).entries) {
            if (entry.name == name.left(2)) {
                found = &entry;
                break;
            }
        }
        if (found) {
            const QString &allowed = page == 2 ? found->condition : found->position;
            const OptionMap &table = page == 2 ? atv->conditionOptions() : atv->positionOptions();
            for (const QString &token : allowed.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                codes << token;
                texts << table.value(token);
            }
        }
    }
    fillTable(page, codes, texts);
}

void NormCatalogDialog::fillTable(int page, const QStringList &codes, const QStringList &texts)
{
    ui->stackedWidget->setCurrentIndex(page);
    QTableWidget *t = table(page);
    t->clear();
    t->setRowCount(0);
    t->setColumnCount(2);
    t->setRowCount(codes.size());
    const QFontMetrics metrics(font());
    const int rowHeight = int(metrics.lineSpacing() * 1.5);
    int widest = 0;
    for (int row = 0; row < codes.size(); ++row) {
        t->setItem(row, 0, new QTableWidgetItem(codes.at(row)));
        t->setItem(row, 1, new QTableWidgetItem(texts.value(row)));
        t->setRowHeight(row, rowHeight);
        widest = qMax(widest, metrics.horizontalAdvance(codes.at(row)));
    }
    t->setColumnWidth(0, 2 * widest);
    t->horizontalHeader()->setStretchLastSection(true);
    updateNext();
}

#include "view3d/dialogs/dimensionnotedialog.h"
#include "ui_dimensionnotedialog.h"

#include "view3d/dimensionnote.h"
#include "view3d/viewer3d.h"

DimensionNoteDialog::DimensionNoteDialog(DimensionNote *note, Viewer3D *viewer, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DimensionNoteDialog)
    , m_note(note)
    , m_viewer(viewer)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    if (m_note)
        ui->edtDisplayedSize->setText(m_note->labelText());
}

DimensionNoteDialog::~DimensionNoteDialog()
{
    delete ui;
}

void DimensionNoteDialog::on_accept_clicked()
{
    if (m_note) {
        m_note->setText(ui->edtDisplayedSize->text());
        if (m_viewer)
            m_viewer->renderLater();
    }
    done(Accepted);
}

void DimensionNoteDialog::on_reject_clicked()
{
    done(Rejected);
}

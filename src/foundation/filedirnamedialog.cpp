#include "foundation/filedirnamedialog.h"
#include "ui_filedirnamedialog.h"

#include "foundation/messagedialog.h"

namespace {

// Characters that file names on the systems the data is exchanged with must not hold; the path
// separators among them keep a name inside its folder.
const QChar ForbiddenCharacters[] = {
    QLatin1Char('<'), QLatin1Char('>'), QLatin1Char(':'), QLatin1Char('"'),
    QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char('?'), QLatin1Char('*'),
    QLatin1Char('|'), QLatin1Char('['), QLatin1Char(']'), QLatin1Char('='),
};

} // namespace

FileDirNameDialog::FileDirNameDialog(int mode, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::FileDirNameDialog)
    , m_mode(mode)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setWindowTitle(mode == 1 ? tr("Ordnername") : tr("Dateiname"));
}

FileDirNameDialog::~FileDirNameDialog()
{
    delete ui;
}

void FileDirNameDialog::setExistingNames(const QStringList &names)
{
    existingNames = names;
}

void FileDirNameDialog::setName(const QString &text)
{
    ui->input->setText(text);
}

QString FileDirNameDialog::name() const
{
    return ui->input->text();
}

void FileDirNameDialog::on_input_textEdited(const QString &arg1)
{
    const int cursor = ui->input->cursorPosition();
    QString cleaned = arg1;
    for (QChar c : ForbiddenCharacters)
        cleaned.remove(c);
    if (cleaned.size() < arg1.size()) {
        ui->input->setText(cleaned);
        // A position past the end leaves the cursor at the end.
        ui->input->setCursorPosition(cursor - 1);
    }
}

void FileDirNameDialog::on_accept_clicked()
{
    QString text = ui->input->text().trimmed();
    if (m_mode == 1) {
        // Folder names must not end in a dot on every system the data goes to.
        while (text.endsWith(QLatin1Char('.')))
            text = text.left(text.size() - 1).trimmed();
    }
    ui->input->setText(text);

    if (text.isEmpty())
        return;
    // "." and ".." name the folder itself and its parent, and a separator (a preset name can
    // hold one) leads elsewhere: such a name would not stay inside its folder.
    if (text == QLatin1String(".") || text == QLatin1String("..")
        || text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('\\'))) {
        refuse(tr("\"%1\" ist als Name nicht erlaubt!\nBitte anderen Namen wählen!").arg(text));
        return;
    }
    if (existingNames.contains(text)) {
        refuse(tr("\"%1\" existiert bereits!\nBitte anderen Namen wählen!").arg(text));
        return;
    }
    accept();
}

void FileDirNameDialog::refuse(const QString &text)
{
    MessageDialog message(text, 0, 2500, this);
    message.exec();
}

#include "gui/fill/banned_words.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "core/fill/editor_rules.h"
#include "gui/app/message_box.h"

namespace quirvo {

namespace {

QByteArray readWhole(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QString bannedWordsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/parole_vietate.txt";
}

std::vector<std::string> readBannedWords() {
    const QByteArray bytes = readWhole(bannedWordsPath());
    return parseBannedWords(std::string_view(bytes.constData(), size_t(bytes.size())));
}

BannedWordsDialog::BannedWordsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("ParoleVietate");
    setWindowTitle("Parole vietate");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8("Parole che il riempimento non userà mai, una per riga:"), this));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("Testo");
    text_->setPlainText(QString::fromUtf8(readWhole(bannedWordsPath())));
    layout->addWidget(text_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText("Annulla");
    connect(buttons, &QDialogButtonBox::accepted, this, &BannedWordsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BannedWordsDialog::reject);
    layout->addWidget(buttons);
    resize(360, 420);
}

void BannedWordsDialog::accept() {
    const QString path = bannedWordsPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text_->toPlainText().toUtf8()) < 0 || !file.commit()) {
        showMessage(this, "Attenzione...", QString::fromUtf8("... impossibile scrivere l'elenco delle parole vietate !"));
        return;
    }
    QDialog::accept();
}

}  // namespace quirvo

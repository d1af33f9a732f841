#include "ui/NotesLabel.h"

#include <QMessageBox>

CNotesLabel::CNotesLabel(QWidget* pParent) : QLabel(pParent) {
    setWordWrap(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(this, &QLabel::linkActivated, this, [this] { ShowList(); });
    hide();
}

void CNotesLabel::SetNotes(const QString& strInput, const QStringList& notes) {
    m_strInput = strInput;
    m_notes = notes;
    setVisible(!notes.isEmpty());
    if (notes.isEmpty())
        return;
    const QString strCount = notes.size() == 1 ? tr("1 note") : tr("%1 notes").arg(notes.size());
    setText(
        QStringLiteral("<a href=\"notes\" style=\"color:#a04000\">\u26A0 %1</a>").arg(strCount));
    // Texts from the file are shown as they are, never read as markup.
    setToolTip(
        QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(ListText().toHtmlEscaped()));
}

QString CNotesLabel::ListText() const {
    return tr("Notes on %1:").arg(m_strInput) + QLatin1Char('\n') + m_notes.join(QLatin1Char('\n'));
}

void CNotesLabel::ShowList() {
    QMessageBox box(QMessageBox::Information, tr("Notes on the data"), ListText(), QMessageBox::Ok,
                    window());
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

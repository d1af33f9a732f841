#pragma once

#include <QLabel>
#include <QStringList>

// Under the OK button: a short line that says the data have notes ("⚠ 3 notes"), the whole
// list in its tooltip and, on a click or Enter, in a box. Hidden while there are none, so a
// clean file shows nothing extra.
class CNotesLabel : public QLabel {
    Q_OBJECT
public:
    explicit CNotesLabel(QWidget* pParent);

    // strInput names the input in the list's heading.
    void SetNotes(const QString& strInput, const QStringList& notes);
    const QString& Input() const { return m_strInput; }
    QStringList Notes() const { return m_notes; }
    // The heading and the notes, one a line.
    QString ListText() const;
    void ShowList();

private:
    QString m_strInput;
    QStringList m_notes;
};

#pragma once

#include <QDialog>

// The About box: the program's icon, name, version and copyright, and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);

    int DoModal() { return exec(); }
};

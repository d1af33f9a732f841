#include "ui/AboutDlg.h"

#include "ui/DialogUnits.h"
#include "ui/Icons.h"
#include "ui/Version.h"

#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("About Verlo"));
    setFixedSize(DialogUnitsToPixels(0, 0, 235, 55).size());

    auto* pIcon = new QLabel(this);
    pIcon->setGeometry(DialogUnitsToPixels(11, 17, 20, 20));
    pIcon->setPixmap(MainFrameIcon().pixmap(pIcon->size()));
    pIcon->setAlignment(Qt::AlignCenter);

    auto* pName = new QLabel(
        QStringLiteral("Verlo Version %1").arg(QLatin1String(VERLO_SHORT_VERSION)), this);
    pName->setGeometry(DialogUnitsToPixels(40, 10, 119, 8));
    pName->setTextFormat(Qt::PlainText);

    auto* pCopyright = new QLabel(QStringLiteral("\u00A9 2026 The Verlo developers"), this);
    pCopyright->setGeometry(DialogUnitsToPixels(40, 25, 119, 8));

    auto* pOk = new QPushButton(QStringLiteral("OK"), this);
    pOk->setGeometry(DialogUnitsToPixels(178, 7, 50, 16));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
}

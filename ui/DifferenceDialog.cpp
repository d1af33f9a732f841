#include "ui/DifferenceDialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

bool AskForDifference(QWidget* pParent, const QStringList& titles, int& nA, int& nB) {
    if (titles.size() < 2)
        return false;
    QDialog dialog(pParent);
    dialog.setWindowTitle(QObject::tr("Difference A − B"));
    auto* pA = new QComboBox(&dialog);
    auto* pB = new QComboBox(&dialog);
    pA->addItems(titles);
    pB->addItems(titles);
    pB->setCurrentIndex(1);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto* pLayout = new QFormLayout(&dialog);
    pLayout->addRow(QObject::tr("&A:"), pA);
    pLayout->addRow(QObject::tr("&B:"), pB);
    pLayout->addRow(pButtons);
    // A series less itself is no comparison.
    const auto check = [&] {
        pButtons->button(QDialogButtonBox::Ok)
            ->setEnabled(pA->currentIndex() != pB->currentIndex());
    };
    QObject::connect(pA, &QComboBox::currentIndexChanged, &dialog, check);
    QObject::connect(pB, &QComboBox::currentIndexChanged, &dialog, check);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    nA = pA->currentIndex();
    nB = pB->currentIndex();
    return true;
}

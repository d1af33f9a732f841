// The window toolkit's floor: an empty dialog with an OK button, started the same way.
#include <QApplication>
#include <QDialog>
#include <QPushButton>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Empty Dialog"));
    dialog.resize(656, 471);
    auto* pOk = new QPushButton(QStringLiteral("OK"), &dialog);
    pOk->setGeometry(570, 11, 75, 26);
    QObject::connect(pOk, &QPushButton::clicked, &dialog, &QDialog::accept);
    return dialog.exec();
}

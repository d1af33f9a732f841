#include "ui/SystemMenu.h"

#include "ui/Resource.h"

#include <QMenu>
#include <QShortcut>

QMenu* NewSystemMenu(QWidget& window, std::function<void(unsigned)> onCommand, QAction*& pAbout) {
    auto* pMenu = new QMenu(&window);
    const struct {
        const char* pszText;
        unsigned nCommand;
    } commands[] = {{"&Restore", SC_RESTORE},
                    {"Mi&nimize", SC_MINIMIZE},
                    {"Ma&ximize", SC_MAXIMIZE},
                    {"&Close\tAlt+F4", SC_CLOSE}};
    // Each entry says its command itself: the About entry goes into the chart's menu too.
    const auto addCommand = [pMenu, onCommand](const QString& strText, unsigned nCommand) {
        QAction* pAction = pMenu->addAction(strText);
        pAction->setData(nCommand);
        QObject::connect(pAction, &QAction::triggered, pMenu,
                         [onCommand, nCommand] { onCommand(nCommand); });
        return pAction;
    };
    for (const auto& command : commands)
        addCommand(QString::fromLatin1(command.pszText), command.nCommand);
    pAbout = nullptr;
    const QString strAbout = QString::fromLatin1(LoadResourceString(IDS_ABOUTBOX));
    if (!strAbout.isEmpty()) {
        pMenu->addSeparator();
        pAbout = addCommand(strAbout, IDM_ABOUTBOX);
    }
    QObject::connect(pMenu, &QMenu::aboutToShow, pMenu, [pMenu, &window] {
        for (QAction* pAction : pMenu->actions()) {
            const unsigned nCommand = pAction->data().toUInt();
            if (nCommand == SC_RESTORE)
                pAction->setEnabled(window.isMaximized() || window.isMinimized());
            else if (nCommand == SC_MAXIMIZE)
                pAction->setEnabled(!window.isMaximized());
        }
    });
    QObject::connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), &window),
                     &QShortcut::activated, pMenu,
                     [pMenu, &window] { pMenu->popup(window.mapToGlobal(QPoint(0, 0))); });
    QObject::connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), &window),
                     &QShortcut::activated, pMenu, [onCommand] { onCommand(SC_CLOSE); });
    return pMenu;
}

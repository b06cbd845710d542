#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs action on the next modal window that opens (a modal exec() blocks the
// test otherwise). The action must close it.
inline void onNextModal(const std::function<void(QWidget *)> &action, QWidget *notThis = nullptr)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, action, notThis]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == notThis || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}
